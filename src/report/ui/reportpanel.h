#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class EmailDialog;
class GraphPanel;
class ProjectTexts;
class QComboBox;
class QPrinter;
class QPushButton;
class PreparedReport;
struct AppState;

// The "Report" page of the analysis window: preview, print, export and e-mail of the energy
// report. Every action first writes the three graph pictures, then prepares the report.
class ReportPanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportPanel)

public:
    ReportPanel(AppState &state, ProjectTexts &texts, GraphPanel &graphs, QWidget *parent = nullptr);
    ~ReportPanel() override;

    // The program's one e-mail dialog; without it the panel makes its own on first use.
    void setEmailDialog(EmailDialog *dialog);

    // Asks for the export target; an empty result cancels. Tests hand in a fixed path.
    using FileChooser = std::function<QString(QWidget *parent, const QString &filter, const QString &suffix)>;
    void setFileChooser(FileChooser chooser);
    // Asks for the picture resolution of picture exports; 0 cancels. Tests hand in a fixed value.
    using ResolutionChooser = std::function<int(QWidget *parent, int current)>;
    void setResolutionChooser(ResolutionChooser chooser);
    // Runs the print dialog; true when the user confirms. Tests replace it.
    using PrintDialogRunner = std::function<bool(QPrinter &printer, QWidget *parent)>;
    void setPrintDialogRunner(PrintDialogRunner runner);
    // Shows the preview of a prepared report. Tests replace it.
    using PreviewRunner = std::function<void(const PreparedReport &report, QWidget *parent)>;
    void setPreviewRunner(PreviewRunner runner);

    // Draws graph 1, 2 and 3 in the current graph type, saves each as a picture and draws graph 1
    // again. False (after the error message) when a picture cannot be saved.
    bool writeGraphPictures(bool forMail = false);

    void PreviewReport();
    void PrintReport();
    void ExportReport();
    void mailReport();

private:
    PreparedReport prepare() const;
    void showPreview(const PreparedReport &report);
    void exportPrepared(const PreparedReport &report, int formatIndex);
    EmailDialog &emailDialog();

    AppState &m_state;
    ProjectTexts &m_texts;
    GraphPanel &m_graphs;
    EmailDialog *m_emailDialog = nullptr;
    QComboBox *m_exportSelection = nullptr;
    FileChooser m_fileChooser;
    ResolutionChooser m_resolutionChooser;
    PrintDialogRunner m_printDialogRunner;
    PreviewRunner m_previewRunner;
    int m_dotsPerInch = 150;
};
