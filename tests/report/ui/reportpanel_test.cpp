// The "Report" page: its four actions, the graph pictures they write first, and their failures.
#include "report/ui/reportpanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QMenu>

#include "report/exportformats.h"
#include "report/reportfilling.h"
#include "report/reportlayer.h"
#include "report/ui/graphpanel.h"
#include "report/ui/reportpreview.h"
#include "reportpanelfixture.h"

namespace {

class ReportPanelTest : public ReportStateTest
{
protected:
    ReportPanelTest() : m_graphs(m_state), m_panel(m_state, m_texts, m_graphs)
    {
        m_panel.setFileChooser([this](QWidget *, const QString &, const QString &suffix) {
            ++m_chooserCalls;
            return m_target.isEmpty() ? m_dir.filePath(QStringLiteral("out.") + suffix) : m_target;
        });
        m_panel.setResolutionChooser([](QWidget *, int) { return 72; });
    }
    QPushButton *button(const char *name) { return m_panel.findChild<QPushButton *>(QLatin1String(name)); }
    QComboBox *selection() { return m_panel.findChild<QComboBox *>(QStringLiteral("ExportSelection")); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    // A folder in the place of a picture file makes saving that picture fail.
    void blockPicture(int graph) { ASSERT_TRUE(QDir().mkpath(GraphPicturePath(m_state.paths.tempPath(), graph))); }

    GraphPanel m_graphs;
    ReportPanel m_panel;
    QString m_target;
    int m_chooserCalls = 0;
};

TEST_F(ReportPanelTest, FourGoButtonsAndTheExportList)
{
    const std::pair<const char *, const char *> buttons[] = {
        {"BitBtn28", "Preview energy estimation report"},
        {"BitBtn25", "Print energy estimation report"},
        {"BitBtn27", "Export energy estimation report"},
        {"BitBtn33", "Email energy estimation report"},
    };
    for (const auto &[name, hint] : buttons) {
        ASSERT_NE(button(name), nullptr) << name;
        EXPECT_EQ(button(name)->text(), QStringLiteral("GO!"));
        EXPECT_EQ(button(name)->toolTip(), QLatin1String(hint));
    }
    ASSERT_NE(selection(), nullptr);
    EXPECT_FALSE(selection()->isEditable());
    EXPECT_EQ(selection()->currentIndex(), 0);
    EXPECT_EQ(selection()->count(), 7);
    EXPECT_EQ(selection()->itemText(6), QStringLiteral("TIF (Graphics Program)"));
    EXPECT_EQ(selection()->toolTip(), QStringLiteral("Select export format"));

    m_panel.resize(760, 420);
    m_panel.show();
    const QByteArray dir = qgetenv("PELNIX_RENDER_DIR");
    if (!dir.isEmpty())
        m_panel.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/reportpanel.png"));
}

TEST_F(ReportPanelTest, ExportWritesTheGraphPicturesThenTheSelectedFormat)
{
    m_state.graphType = 4;
    selection()->setCurrentIndex(static_cast<int>(ExportFormat::Gif));
    click("BitBtn27");
    EXPECT_TRUE(m_messages.shown().empty());
    for (int g = 1; g <= 3; ++g) {
        QFile picture(GraphPicturePath(m_state.paths.tempPath(), g));
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly)) << g;
        EXPECT_TRUE(picture.read(1024).contains("<svg")) << g;
    }
    // The window shows the cost graph afterwards.
    EXPECT_EQ(m_graphs.graphs().legendName(1), QStringLiteral("Inverter"));
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("out.gif"))));
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("out-2.gif"))));

    // Two outputs in a row overwrite the same pictures; PDF needs no resolution.
    selection()->setCurrentIndex(0);
    click("BitBtn27");
    QFile pdf(m_dir.filePath(QStringLiteral("out.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_EQ(m_chooserCalls, 2);
}

TEST_F(ReportPanelTest, APictureThatCannotBeSavedStopsTheAction)
{
    blockPicture(2);
    m_messages.expect(MessageAnswer::Ok);
    click("BitBtn27");
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(m_messages.shown()[0].text, QStringLiteral("An error occurred building the graph estimation report !"));
    EXPECT_TRUE(QFile::exists(GraphPicturePath(m_state.paths.tempPath(), 1)));
    EXPECT_FALSE(QFile::exists(GraphPicturePath(m_state.paths.tempPath(), 3)));
    EXPECT_EQ(m_chooserCalls, 0);
}

TEST_F(ReportPanelTest, TheMailActionNamesItsThirdPictureFailureWithoutTheBlank)
{
    blockPicture(3);
    m_messages.expect(MessageAnswer::Ok);
    click("BitBtn33");
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, QStringLiteral("An error occurred building the graph estimation report!"));
}

TEST_F(ReportPanelTest, ExportFailureShowsOneMessage)
{
    m_target = m_dir.filePath(QStringLiteral("missing/folder/out.pdf"));
    m_messages.expect(MessageAnswer::Ok);
    click("BitBtn27");
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(m_messages.shown()[0].text, QStringLiteral("An error occurred during export of the report !"));
}

TEST_F(ReportPanelTest, CancellingTheFileChoiceExportsNothing)
{
    m_panel.setFileChooser([](QWidget *, const QString &, const QString &) { return QString(); });
    click("BitBtn27");
    EXPECT_TRUE(m_messages.shown().empty());
}

TEST_F(ReportPanelTest, PrintPaintsBothPagesAndAPrinterFailureIsShownNotFatal)
{
    const QString printed = m_dir.filePath(QStringLiteral("printed.pdf"));
    int dialogs = 0;
    m_panel.setPrintDialogRunner([&](QPrinter &printer, QWidget *) {
        ++dialogs;
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
        printer.setOutputFileName(printed);
        return true;
    });
    click("BitBtn25");
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(m_messages.shown().empty());
    QFile file(printed);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {printed});
    if (info.waitForFinished(30000)) {
        EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                        .contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))));
    }

    m_panel.setPrintDialogRunner([&](QPrinter &printer, QWidget *) {
        printer.setOutputFileName(m_dir.filePath(QStringLiteral("missing/folder/printed.pdf")));
        return true;
    });
    m_messages.expect(MessageAnswer::Ok);
    click("BitBtn25");
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, QStringLiteral("An error occurred while printing the report !"));

    // A cancelled print dialog prints nothing and says nothing.
    m_panel.setPrintDialogRunner([](QPrinter &, QWidget *) { return false; });
    click("BitBtn25");
    EXPECT_EQ(m_messages.shown().size(), 1u);
}

TEST_F(ReportPanelTest, PreviewShowsTheFilledReportWithAnExportButton)
{
    int previews = 0;
    m_panel.setPreviewRunner([&](const PreparedReport &report, QWidget *) {
        ++previews;
        EXPECT_EQ(report.pageCount(), 2);
        EXPECT_EQ(report.find(QStringLiteral("PROJECT_NO_FIELD"))->text, QStringLiteral("Cooling Tower Fan"));
        EXPECT_TRUE(report.find(QStringLiteral("ENERGY_PICTURE1"))->visible);
        EXPECT_EQ(report.find(QStringLiteral("CUSTOMER_INFO_FIELD"))->text, QStringLiteral("ACME Corp.\r"));
    });
    click("BitBtn28");
    EXPECT_EQ(previews, 1);

    // The real preview window, closed from inside its event loop.
    const PreparedReport report = PrepareEnergyReport(CollectReportSources(m_state, m_texts));
    bool sawExport = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto *exportButton = dialog->findChild<QToolButton *>(QStringLiteral("PreviewExport"));
        sawExport = exportButton && exportButton->menu() && exportButton->menu()->actions().size() == 7;
        const QByteArray dir = qgetenv("PELNIX_RENDER_DIR");
        if (!dir.isEmpty())
            dialog->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/preview.png"));
        dialog->reject();
    });
    ShowReportPreview(report, &m_panel, [](int) {});
    EXPECT_TRUE(sawExport);
}

} // namespace

namespace {

TEST_F(ReportStateTest, ReportSourcesComeFromTheProgramState)
{
    m_state.options.flags = {false, true, true, false, false, false, true};
    m_state.options.logoFileName = QStringLiteral("/logos/acme.png");
    m_state.separators.thousandSep = QLatin1Char('.');
    m_state.record.applicationKind = 2;
    const ReportSources s = CollectReportSources(m_state, m_texts);
    EXPECT_FALSE(s.showCustomer);
    EXPECT_TRUE(s.useCustomLogo);
    EXPECT_TRUE(s.letterhead);
    EXPECT_EQ(s.logoFileName, QStringLiteral("/logos/acme.png"));
    EXPECT_EQ(s.preparerText, QStringLiteral("Jane Doe"));
    EXPECT_EQ(s.companyText, QStringLiteral("Vendram Drives Inc."));
    EXPECT_EQ(s.applicationKind, 2);
    EXPECT_EQ(s.thousandSep, QLatin1Char('.'));
    EXPECT_EQ(s.inputs.motorHp, 150.0);
    EXPECT_EQ(s.dutyFan[4], 24);
    EXPECT_EQ(s.page.field(QStringLiteral("VAL1")).text, QStringLiteral("$103,184"));
    EXPECT_EQ(s.projectText(static_cast<int>(ProjectText::ProjectName)), QStringLiteral("Cooling Tower Fan"));
    for (int g = 1; g <= 3; ++g)
        EXPECT_EQ(s.graphPictures[static_cast<std::size_t>(g - 1)],
                  tempFile(QStringLiteral("PELNIX_EE%1.svg").arg(g)));
}

} // namespace
