#pragma once

#include "data/helprouter.h"

#include <QDialog>
#include <QUrl>

class QTextBrowser;

// The program's help: one page per topic, with the contents page as the way in.
class HelpWindow final : public QDialog, public HelpRouter
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)

public:
    explicit HelpWindow(QWidget *parent = nullptr);
    ~HelpWindow() override;

    // Opens the window at the topic's page; an unknown topic opens the contents.
    void showTopic(const QString &topic) override;
    QUrl currentPage() const;

private:
    QTextBrowser *m_browser = nullptr;
};
