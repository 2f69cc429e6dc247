#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QWidget>

#include "report/energygraphs.h"

struct AppState;
class ChartView;
class GraphTypeDialog;
class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollBar;

// The content of the "Energy Graphs" page: the energy-graph list, the view strip and the six charts
// (one per graph type, one visible).
class GraphPanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GraphPanel)

public:
    explicit GraphPanel(AppState &state, QWidget *parent = nullptr);
    ~GraphPanel() override;

    void setGraphTypeDialog(GraphTypeDialog *dialog) { m_dialog = dialog; }

    // Draws the energy graph selected in SelectionGraphType from the current results.
    void drawSelectedGraph();
    void drawCostGraph();
    void drawHoursGraph();
    void drawTimeGraph();
    // Shows the chart of the current graph type only.
    void ShowGraphTypeChart();
    // The analysis window's show: cost graph selected and drawn, depth bar and caption from Chart1,
    // pans undone, orthogonal view with rotation 345.
    void prepareForShow();
    // Writes the visible chart, at its on-screen size, as a picture. False when it cannot be written.
    bool saveVisibleChart(const QString &path) const;
    void setChartHints(bool on);

    const EnergyGraphSet &graphs() const { return m_graphs; }
    ChartView *chartView(int graphType) const { return m_views[graphType - 1]; }

    // Replaces the system print dialog (tests); returns true when the user confirms printing.
    using PrintDialogRunner = std::function<bool(QPrinter &)>;
    void setPrintDialogRunner(PrintDialogRunner runner) { m_runPrintDialog = std::move(runner); }

private:
    void SelectionGraphTypeChange(int index);
    void BitBtn9Click();
    void ResetGraphClick();
    void PrintGraphClick();
    void CheckBox1Click();
    void Bar3DChange(int position);
    void ScrollBar3Change(int position);
    void BWClick();
    void updateVisibleChart();

    AppState &m_state;
    EnergyGraphSet m_graphs;
    GraphTypeDialog *m_dialog = nullptr;
    std::array<ChartView *, GraphTypeCount> m_views{};
    QComboBox *m_selection = nullptr;
    QCheckBox *m_check3D = nullptr;
    QCheckBox *m_pattern = nullptr;
    QLabel *m_depthLabel = nullptr;
    QScrollBar *m_depthBar = nullptr;
    QScrollBar *m_rotationBar = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    PrintDialogRunner m_runPrintDialog;
};
