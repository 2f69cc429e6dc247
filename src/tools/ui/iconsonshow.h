#pragma once

#include <QAbstractButton>
#include <QEvent>
#include <QStyle>

// A standard icon decodes several pictures. Every window is built at start-up but most are shown
// much later, so their buttons take the icon when they are first shown: start-up stays short.
class StandardIconOnShow final : public QObject
{
public:
    StandardIconOnShow(QAbstractButton *button, QStyle::StandardPixmap which) : QObject(button), m_which(which)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *button = static_cast<QAbstractButton *>(watched);
            button->removeEventFilter(this);
            button->setIcon(button->style()->standardIcon(m_which, nullptr, button));
            deleteLater();
        }
        return false;
    }

private:
    QStyle::StandardPixmap m_which;
};

inline void setStandardIconOnShow(QAbstractButton *button, QStyle::StandardPixmap which)
{
    new StandardIconOnShow(button, which);
}
