#pragma once

#include <QColor>
#include <QString>
#include <QStyle>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The analysis window's look in one place: labels, panels, buttons and field widths.
namespace formstyle {

QColor navy();
QLabel *boldLabel(const QString &text, QWidget *parent);
void setColour(QWidget *widget, const QColor &colour);
// A framed panel with a light background that groups fields.
QFrame *panel(const QString &name, QWidget *parent);
// A page button with an icon and a hint; it never becomes the default button by taking the focus.
QPushButton *button(const QString &name, const QString &caption, const QString &hint, QStyle::StandardPixmap icon,
                    QWidget *parent);
int numericFieldWidth(const QLineEdit *field);
int textFieldWidth(const QLineEdit *field, int typedLimit);

} // namespace formstyle
