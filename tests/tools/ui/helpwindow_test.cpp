#include "data/programidentity.h"
#include "support/scriptedmessages.h"
#include "tools/errorhandler.h"
#include "tools/helptopics.h"
#include "tools/ui/aboutbox.h"
#include "tools/ui/helpwindow.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QString pageText(const QString &topic)
{
    QFile f(helpPageForTopic(topic));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST(HelpWindow, OpensAtTheTopicAndUnknownTopicsAtTheContents)
{
    HelpWindow help;
    for (const QString &topic : helpTopics()) {
        help.showTopic(topic);
        EXPECT_TRUE(help.isVisible());
        EXPECT_EQ(help.currentPage().path(), helpPageForTopic(topic).mid(1)) << topic.toStdString();
        EXPECT_FALSE(help.findChild<QTextBrowser *>(QStringLiteral("HelpBrowser"))->toPlainText().isEmpty());
    }
    help.showTopic(QStringLiteral("NO_SUCH_TOPIC"));
    EXPECT_EQ(help.currentPage().path(), QStringLiteral("/help/contents.html"));
    help.close();
}

TEST(HelpPages, ExplainTheEstimateAndLinkEveryStep)
{
    const QString estimation = pageText(QStringLiteral("STEP4"));
    for (const char *needle : {"8760", "affinity", "efficiency table", "rounded to cents", "incentive", "Never"})
        EXPECT_TRUE(estimation.contains(QString::fromUtf8(needle), Qt::CaseInsensitive)) << needle;
    const QString data = pageText(QStringLiteral("STEP2"));
    for (const char *needle : {"1 &ndash; 24", "0.2 &ndash; 5000", "100&nbsp;%"})
        EXPECT_TRUE(data.contains(QString::fromUtf8(needle))) << needle;
    const QString contents = pageText(QStringLiteral("HLP_CONTENTS"));
    for (const char *link : {"step1.html", "step2.html", "step4.html", "step5.html", "step6.html", "formulas.html"})
        EXPECT_TRUE(contents.contains(QString::fromUtf8(link))) << link;
    for (const QString &topic : helpTopics())
        EXPECT_TRUE(pageText(topic).contains(QStringLiteral("<h1>"))) << topic.toStdString();
}

TEST(AboutBox, ShowsVersionSiteAndSupportAddress)
{
    AboutBox about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Pelnix Veriro Zarired Uviduzudu"));
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("Version"))->text(), QStringLiteral("Version: 1.03"));
    const QString site = about.findChild<QLabel *>(QStringLiteral("URL"))->text();
    EXPECT_TRUE(site.contains(QStringLiteral("href=\"https://www.vendram.com/inverters\"")));
    const QString mail = about.findChild<QLabel *>(QStringLiteral("OvcURL1"))->text();
    EXPECT_TRUE(mail.contains(QStringLiteral("mailto:support@vendram.com")));
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("OvcURL1"))->toolTip(), QStringLiteral("Click here to E-Mail us"));
    about.close();
}

namespace {

// A window whose event handler fails, as a print engine or a division by zero can.
class FailingWidget final : public QWidget
{
protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Printer is not ready.");
        return QWidget::event(e);
    }
};

} // namespace

TEST(ErrorHandler, AnErrorEscapingAnEventHandlerIsReportedAndEndsTheProgram)
{
    ScriptedMessages messages;
    UnhandledErrorHandler handler(messages);
    FailingWidget widget;
    QEvent fine(QEvent::Show);
    EXPECT_NO_THROW(guardedDispatch(&handler, [&] { return QApplication::instance()->notify(&widget, &fine); }));
    EXPECT_TRUE(messages.shown().empty());

    QEvent failing(QEvent::User);
    messages.expect(MessageAnswer::Ok);
    EXPECT_THROW(guardedDispatch(&handler, [&] { return QApplication::instance()->notify(&widget, &failing); }),
                 ScriptedMessages::Terminated);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("EXCEPTION ERROR : Printer is not ready. Program Aborted !"));
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::Error);
}
