#include "tools/calculatorfinder.h"
#include "tools/helptopics.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(HelpTopics, EveryTopicHasItsOwnPageAndUnknownOnesOpenTheContents)
{
    QSet<QString> pages;
    for (const QString &topic : helpTopics())
        pages.insert(helpPageForTopic(topic));
    EXPECT_EQ(pages.size(), 7);
    EXPECT_EQ(helpPageForTopic(QStringLiteral("step4")), helpPageForTopic(QStringLiteral("STEP4")));
    EXPECT_EQ(helpPageForTopic(QStringLiteral("STEP3")), helpPageForTopic(QStringLiteral("HLP_CONTENTS")));
    EXPECT_EQ(helpPageForTopic(QString()), helpPageForTopic(QStringLiteral("HLP_CONTENTS")));
}

TEST(Calculator, FirstInstalledCandidateWinsAndNoneGivesEmpty)
{
    QStringList asked;
    auto onlyLater = [&](const QString &name) {
        asked << name;
        return name == calculatorCandidates().last() || name == calculatorCandidates().value(2)
                   ? QStringLiteral("/usr/bin/") + name
                   : QString();
    };
    const QStringList candidates = calculatorCandidates();
    const QString expected = QStringLiteral("/usr/bin/") + candidates.value(std::min<qsizetype>(2, candidates.size() - 1));
    EXPECT_EQ(findCalculator(onlyLater), expected);
    EXPECT_EQ(findCalculator([](const QString &) { return QString(); }), QString());
#ifndef Q_OS_WIN
    EXPECT_EQ(candidates.first(), QStringLiteral("gnome-calculator"));
    EXPECT_EQ(candidates.last(), QStringLiteral("xcalc"));
#endif
}
