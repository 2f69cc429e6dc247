#pragma once

#include "shell/projectcommands.h"
#include "data/projectrecord.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Stands in for the main window: records what the commands showed and answers the dialogs from
// queues.
class FakeHost final : public ShellHost
{
public:
    ProjectTexts &projectTexts() override { return texts; }
    void showAnalysis() override
    {
        ++analysisShown;
        if (onAnalysis)
            onAnalysis();
    }
    void showApplicationSelection() override
    {
        ++selectionShown;
        if (onSelection)
            onSelection();
    }
    bool showGuide() override
    {
        ++guideShown;
        return guideGoesOn;
    }
    void showSetup() override { ++setupShown; }
    QString chooseOpenFile() override { return take(openPaths); }
    QString chooseSaveFile(const QString &proposed) override
    {
        proposedNames << proposed;
        return take(savePaths);
    }
    void setCaption(const QString &text) override { caption = text; }
    void updateStatusPanel() override { ++statusUpdates; }
    void showHistory() override { ++historyShown; }

    PlainProjectTexts texts;
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;
    QStringList proposedNames;
    bool guideGoesOn = true;
    std::function<void()> onAnalysis;
    std::function<void()> onSelection;
    int analysisShown = 0, selectionShown = 0, guideShown = 0, setupShown = 0, statusUpdates = 0,
        historyShown = 0;
    QString caption;

private:
    static QString take(std::deque<QString> &queue)
    {
        if (queue.empty())
            return {};
        QString s = queue.front();
        queue.pop_front();
        return s;
    }
};
