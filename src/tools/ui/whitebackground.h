#pragma once

#include <QPalette>
#include <QWidget>

// The program's plain windows (main window, splash, welcome, selection, about box) stand on white.
inline void setWhiteBackground(QWidget *widget)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, Qt::white);
    widget->setPalette(pal);
}
