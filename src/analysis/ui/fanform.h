#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

#include <array>
#include <functional>

#include "analysis/dutycycle.h"
#include "analysis/fieldbinding.h"
#include "analysis/pageflow.h"
#include "data/projectrecord.h"

class AnalysisField;
class DutyChartView;
class EmailDialog;
class GraphPanel;
class GraphTypeDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTabWidget;
class ReportPanel;
class SetupDialog;
class TCALCREP;
struct AppState;
struct SystemDataTexts;

// FANFORM, the analysis window: the project's customer texts and system data, the duty cycle, the
// estimation page, the energy graphs and the report, in five pages walked in a fixed order. Made
// once at start-up and shown modally; its customer fields are the project's ten texts.
class TFANFORM final : public QDialog, public ProjectTexts
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFANFORM)

public:
    explicit TFANFORM(AppState &state, QWidget *parent = nullptr);
    ~TFANFORM() override;

    // Links to the rest of the program, made once after every window exists.
    void setSaveCommand(std::function<void()> save);
    void setOverviewWindow(TCALCREP *window);
    void setSetupDialog(SetupDialog *dialog);
    void setGraphTypeDialog(GraphTypeDialog *dialog);
    void setEmailDialog(EmailDialog *dialog);

    // The ten customer and project texts are the texts of their fields.
    QString text(ProjectText which) const override;
    void setText(ProjectText which, const QString &text) override;

    // Tags of A101 … A119 from the parameter table (fatal on a broken definition).
    void BindParameterFields();
    // 0: parameter values into the fields; 1: fields into the parameter values.
    void set_fields(int direction);

    // True when the duty cycle adds up to 100; any other sum is reported in an error box.
    bool CheckDutyTotal();
    // The total label and the bar colour; a right total refreshes the results.
    void ShowDutyTotal();
    // Duty check; estimation and page for the project's kind; selected graph; duty chart.
    void RefreshResults();
    // The customer-information note shows while the report leaves the customer out.
    void ShowCustomerNote();

    void CONTINUECLICK();
    void GOBACKCLICK();
    // "Save Estimation": the fields (the focused one committed first) into the table, then Save.
    void BitBtn14Click();

    GraphPanel *graphPanel() const { return m_graphPanel; }
    ReportPanel *reportPanel() const { return m_reportPanel; }
    DutyChartView *dutyChart() const { return m_dutyChart; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Pages (fanform_pages.cpp, fanform_estimationpage.cpp).
    QWidget *buildCustomerPage();
    QWidget *buildSystemDataPage();
    QWidget *buildDutyCyclePanel(QWidget *parent);
    QWidget *buildEstimationPage();
    QWidget *buildGraphPage();
    QWidget *buildReportPage();
    QHBoxLayout *navigationRow(int page, QPushButton *goBack, QPushButton *help, QPushButton *forward);
    // Go Back, Help and Continue of a middle page, wired to the page flow.
    QHBoxLayout *stepNavigation(AnalysisPage page, QWidget *parent, const QString &goBackName,
                                const QString &helpName, const QString &continueName);
    AnalysisField *addParameterField(int number, QWidget *parent);
    AnalysisField *addTextField(ProjectText which, int typedLimit, QWidget *parent);

    // Field rules (fanform_fields.cpp).
    void INITIALIZE_EDIT(AnalysisField *field, int direction);
    void CheckRange(AnalysisField *field);
    void A110Exit(AnalysisField *field);
    void TEXTChange();
    void commitFocusedField();
    AnalysisField *parameterField(int number) const { return m_fields[static_cast<size_t>(number - 1)]; }
    // 1 … 19 for A101 … A119, 0 for any other widget.
    int fieldNumber(const QWidget *widget) const;
    // The tag of a parameter field, 0 for any other widget.
    int fieldTag(const QWidget *widget) const;
    SystemDataTexts systemDataTexts() const;
    DutyTexts dutyFieldTexts() const;

    // Page flow (fanform.cpp).
    void FormShow();
    void FormDeactivate();
    void PageControl1Change(int index);
    void showPage(int page);
    void applyPageButtons(int page);
    void helpClick(int page);
    void BitBtn18Click();
    void BitBtn19Click();
    void BitBtn20Click();
    void methodButtonClick(MethodButton button);
    bool refresh();
    bool calculate(bool reportRefusal);
    bool runEstimation(bool reportRefusal);
    void showEstimationPage();
    void showMessageBoxFirst();

    AppState &m_state;
    std::function<void()> m_save;
    TCALCREP *m_overview = nullptr;
    SetupDialog *m_setup = nullptr;

    QTabWidget *m_pages = nullptr;
    std::array<AnalysisField *, BoundFieldCount> m_fields{};
    FieldTags m_tags{};
    std::array<AnalysisField *, ProjectTextCount> m_texts{};
    QLabel *m_dutyTotal = nullptr;
    QLabel *m_driveEfficiency = nullptr;
    std::array<QLabel *, 3> m_notes{};
    DutyChartView *m_dutyChart = nullptr;
    GraphPanel *m_graphPanel = nullptr;
    ReportPanel *m_reportPanel = nullptr;
    QHash<QString, QWidget *> m_pageFields; // estimation page fields by name
    std::array<QPushButton *, AnalysisPageCount> m_goBack{};
    std::array<QPushButton *, AnalysisPageCount> m_forward{};

    bool m_programPageChange = false;
};
