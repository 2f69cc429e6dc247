#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

// Acts inside modal windows: each step waits until the window with its objectName is the active
// modal window, then runs its action on it. Steps run in order.
class ModalDriver
{
public:
    ModalDriver()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    ~ModalDriver() { EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " modal step(s) never ran, next: " << next(); }

    ModalDriver &on(const char *windowName, std::function<void(QWidget *)> action)
    {
        m_steps.emplace_back(QString::fromUtf8(windowName), std::move(action));
        return *this;
    }
    bool done() const { return m_steps.empty(); }

private:
    std::string next() const { return m_steps.empty() ? std::string() : m_steps.front().first.toStdString(); }
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_steps.empty() || modal->objectName() != m_steps.front().first || !modal->isVisible())
            return;
        auto step = std::move(m_steps.front());
        m_steps.pop_front();
        step.second(modal);
    }

    QTimer m_timer;
    std::deque<std::pair<QString, std::function<void(QWidget *)>>> m_steps;
};
