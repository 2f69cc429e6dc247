#include "report/ui/reportpanel.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/messageservice.h"
#include "report/exportformats.h"
#include "report/reportfilling.h"
#include "report/reportlayer.h"
#include "report/ui/emaildialog.h"
#include "report/ui/graphpanel.h"
#include "report/ui/reportoutputdialogs.h"
#include "report/ui/reportpreview.h"
#include "shell/appstate.h"

namespace {

const QString PictureError = QStringLiteral("An error occurred building the graph estimation report !");
const QString PictureErrorMail = QStringLiteral("An error occurred building the graph estimation report!");
const QString ExportError = QStringLiteral("An error occurred during export of the report !");
const QString PrintError = QStringLiteral("An error occurred while printing the report !");

QPushButton *goButton(const QString &name, const QString &hint)
{
    auto *button = new QPushButton(QStringLiteral("GO!"));
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setMinimumWidth(72);
    return button;
}

QLabel *heading(const QString &text)
{
    auto *label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() + 1);
    label->setFont(font);
    return label;
}

QLabel *explanation(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

ReportPanel::ReportPanel(AppState &state, ProjectTexts &texts, GraphPanel &graphs, QWidget *parent)
    : QWidget(parent), m_state(state), m_texts(texts), m_graphs(graphs)
{
    setObjectName(QStringLiteral("ReportPanel"));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(1, 1);

    auto *preview = goButton(QStringLiteral("BitBtn28"), QStringLiteral("Preview energy estimation report"));
    auto *print = goButton(QStringLiteral("BitBtn25"), QStringLiteral("Print energy estimation report"));
    auto *exportButton = goButton(QStringLiteral("BitBtn27"), QStringLiteral("Export energy estimation report"));
    auto *mail = goButton(QStringLiteral("BitBtn33"), QStringLiteral("Email energy estimation report"));

    m_exportSelection = new QComboBox;
    m_exportSelection->setObjectName(QStringLiteral("ExportSelection"));
    m_exportSelection->setEditable(false);
    m_exportSelection->addItems(ExportSelectionItems());
    m_exportSelection->setCurrentIndex(0);
    m_exportSelection->setToolTip(QStringLiteral("Select export format"));

    int row = 0;
    const auto addAction = [&](QPushButton *button, const QString &title, const QString &text, QWidget *extra) {
        grid->addWidget(button, row, 0, 2, 1, Qt::AlignTop);
        auto *titleRow = new QHBoxLayout;
        titleRow->addWidget(heading(title));
        if (extra) {
            titleRow->addSpacing(12);
            titleRow->addWidget(extra);
        }
        titleRow->addStretch(1);
        grid->addLayout(titleRow, row, 1);
        grid->addWidget(explanation(text), row + 1, 1);
        grid->setRowMinimumHeight(row + 2, 18);
        row += 3;
    };
    addAction(preview, QStringLiteral("View Pelnix Veriro Zarired Uviduzudu Report"),
              QStringLiteral("This option will show a preview of the Pelnix Veriro Zarired Uviduzudu Report."), nullptr);
    addAction(print, QStringLiteral("Print Pelnix Veriro Zarired Uviduzudu Report"),
              QStringLiteral("This option will directly print the Pelnix Energy Savings Estimation Report to one of "
                             "the installed printers."),
              nullptr);
    addAction(exportButton, QStringLiteral("Export Pelnix Veriro Zarired Uviduzudu Report"),
              QStringLiteral("This option will export the final Pelnix Veriro Zarired Uviduzudu Report to the "
                             "selected file format."),
              m_exportSelection);
    addAction(mail, QStringLiteral("E-mail Pelnix Veriro Zarired Uviduzudu Report"),
              QStringLiteral("This option will E-mail the Pelnix Veriro Zarired Uviduzudu Report as an attachment "
                             "(PDF)."),
              nullptr);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);

    connect(preview, &QPushButton::clicked, this, &ReportPanel::PreviewReport);
    connect(print, &QPushButton::clicked, this, &ReportPanel::PrintReport);
    connect(exportButton, &QPushButton::clicked, this, &ReportPanel::ExportReport);
    connect(mail, &QPushButton::clicked, this, &ReportPanel::mailReport);
}

ReportPanel::~ReportPanel() = default;

void ReportPanel::setEmailDialog(EmailDialog *dialog) { m_emailDialog = dialog; }
void ReportPanel::setFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }
void ReportPanel::setResolutionChooser(ResolutionChooser chooser) { m_resolutionChooser = std::move(chooser); }
void ReportPanel::setPrintDialogRunner(PrintDialogRunner runner) { m_printDialogRunner = std::move(runner); }
void ReportPanel::setPreviewRunner(PreviewRunner runner) { m_previewRunner = std::move(runner); }

bool ReportPanel::writeGraphPictures(bool forMail)
{
    const QString tempPath = m_state.paths.tempPath();
    for (int graph = 1; graph <= 3; ++graph) {
        if (graph == 1)
            m_graphs.drawCostGraph();
        else if (graph == 2)
            m_graphs.drawHoursGraph();
        else
            m_graphs.drawTimeGraph();
        const QString path = GraphPicturePath(tempPath, graph);
        if (path.isEmpty() || !m_graphs.saveVisibleChart(path)) {
            m_state.messages.error(forMail && graph == 3 ? PictureErrorMail : PictureError);
            return false;
        }
    }
    // The analysis window shows the cost graph afterwards.
    m_graphs.drawCostGraph();
    return true;
}

PreparedReport ReportPanel::prepare() const
{
    return PrepareEnergyReport(CollectReportSources(m_state, m_texts));
}

void ReportPanel::PreviewReport()
{
    if (!writeGraphPictures())
        return;
    // A failing preview leaves the window as it was, without a message.
    try {
        showPreview(prepare());
    } catch (const std::exception &) {
    }
}

void ReportPanel::showPreview(const PreparedReport &report)
{
    if (m_previewRunner) {
        m_previewRunner(report, this);
        return;
    }
    ShowReportPreview(report, this, [this, &report](int format) { exportPrepared(report, format); });
}

void ReportPanel::PrintReport()
{
    if (!writeGraphPictures())
        return;
    // A printer failure is reported here instead of ending the program.
    try {
        const PreparedReport report = prepare();
        QPrinter printer(QPrinter::HighResolution);
        SetUpReportPrinter(printer);
        const bool confirmed = m_printDialogRunner ? m_printDialogRunner(printer, this) : [&] {
            QPrintDialog dialog(&printer, this);
            return dialog.exec() == QDialog::Accepted;
        }();
        if (!confirmed)
            return;
        if (!PaintReport(printer, report))
            m_state.messages.error(PrintError);
    } catch (const std::exception &) {
        m_state.messages.error(PrintError);
    }
}

void ReportPanel::ExportReport()
{
    if (!writeGraphPictures())
        return;
    const int index = m_exportSelection->currentIndex();
    try {
        exportPrepared(prepare(), index);
    } catch (const std::exception &) {
        m_state.messages.error(ExportError);
    }
}

void ReportPanel::exportPrepared(const PreparedReport &report, int formatIndex)
{
    if (formatIndex < 0 || formatIndex >= ExportFormatCount)
        formatIndex = 0;
    const auto format = static_cast<ExportFormat>(formatIndex);
    const QString fileName = m_fileChooser
        ? m_fileChooser(this, ExportFileFilter(format), ExportSuffix(format))
        : ChooseExportFile(this, format);
    if (fileName.isEmpty())
        return;

    ExportOptions options;
    if (IsPictureFormat(format)) {
        const int dpi = m_resolutionChooser ? m_resolutionChooser(this, m_dotsPerInch)
                                            : ChooseExportResolution(this, m_dotsPerInch);
        if (dpi <= 0)
            return;
        m_dotsPerInch = dpi;
    }
    options.dotsPerInch = m_dotsPerInch;

    QProgressDialog progress(QStringLiteral("Exporting report..."), QStringLiteral("Cancel"), 0, report.pageCount(), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const ExportResult result = ExportPreparedReport(report, format, fileName, options, [&progress](int page, int) {
        progress.setValue(page);
        return !progress.wasCanceled();
    });
    const bool cancelled = progress.wasCanceled();
    progress.reset();
    if (!result.ok && !cancelled)
        m_state.messages.error(ExportError);
}

EmailDialog &ReportPanel::emailDialog()
{
    if (!m_emailDialog)
        m_emailDialog = new EmailDialog(m_state, m_texts, this);
    return *m_emailDialog;
}

void ReportPanel::mailReport()
{
    if (!writeGraphPictures(true))
        return;
    emailDialog().exec();
}
