#include "report/ui/graphpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "report/chartrenderer.h"
#include "report/graphpicture.h"
#include "report/ui/chartview.h"
#include "report/ui/graphtypedialog.h"
#include "shell/appstate.h"
#include "tools/ui/iconsonshow.h"

namespace {

constexpr int StartGraphType = 5;
constexpr int DefaultDepth = 15;
constexpr int DefaultRotation = 345;
// The size a chart is laid out at before the page has ever been shown.
constexpr QSize FallbackChartSize(775, 500);

QPushButton *stripButton(const QString &name, const QString &caption, const QString &hint, QStyle::StandardPixmap icon,
                         QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    setStandardIconOnShow(button, icon);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    return button;
}

QScrollBar *stripScrollBar(const QString &name, int min, int max, int position, const QString &hint, QWidget *parent)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(min, max);
    bar->setValue(position);
    bar->setPageStep(10);
    bar->setToolTip(hint);
    bar->setMinimumWidth(64);
    return bar;
}

} // namespace

GraphPanel::GraphPanel(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    m_state.graphType = StartGraphType;
    m_graphs.setThousandSep(state.thousandSep());

    auto *selectLabel = new QLabel(QStringLiteral("Select Energy Graph:"), this);
    selectLabel->setObjectName(QStringLiteral("Label59"));
    m_selection = new QComboBox(this);
    m_selection->setObjectName(QStringLiteral("SelectionGraphType"));
    m_selection->setToolTip(QStringLiteral("Select Energy Estimation Graph"));
    m_selection->addItems({QStringLiteral("%Flow versus Cost Estimation Graph"),
                           QStringLiteral("%Flow versus Annual Hours Graph"), QStringLiteral("%Flow versus %Time Graph")});
    m_selection->setCurrentIndex(0);
    selectLabel->setBuddy(m_selection);

    auto *graphType = stripButton(QStringLiteral("BitBtn9"), QStringLiteral("&Graph Type"),
                                  QStringLiteral("Select graph (Area, Bar, etc..)"), QStyle::SP_FileDialogContentsView, this);
    auto *reset = stripButton(QStringLiteral("BitBtn16"), QStringLiteral("&Reset Graph"),
                              QStringLiteral("Reset graph position"), QStyle::SP_BrowserReload, this);
    auto *print = stripButton(QStringLiteral("BitBtn17"), QStringLiteral("&Print Graph"), QStringLiteral("Print Graph"),
                              QStyle::SP_DialogSaveButton, this);

    m_check3D = new QCheckBox(QStringLiteral("3&D:"), this);
    m_check3D->setObjectName(QStringLiteral("CheckBox1"));
    m_check3D->setToolTip(QStringLiteral("Switch between 2D and 3D view"));
    m_check3D->setChecked(true);
    m_check3D->setLayoutDirection(Qt::RightToLeft);

    m_depthLabel = new QLabel(QStringLiteral("3D View (%):"), this);
    m_depthLabel->setObjectName(QStringLiteral("Label6A"));
    m_depthLabel->setMinimumWidth(m_depthLabel->fontMetrics().horizontalAdvance(QStringLiteral("3D View 100%")) + 4);
    m_depthBar = stripScrollBar(QStringLiteral("Bar3D"), 1, 100, 1, QStringLiteral("Change 3D Perspective"), this);

    auto *rotationLabel = new QLabel(QStringLiteral("&Rotation:"), this);
    rotationLabel->setObjectName(QStringLiteral("Label60"));
    m_rotationBar = stripScrollBar(QStringLiteral("ScrollBar3"), 270, 360, DefaultRotation,
                                   QStringLiteral("Rotate Graph"), this);
    rotationLabel->setBuddy(m_rotationBar);

    m_pattern = new QCheckBox(QStringLiteral("Pattern"), this);
    m_pattern->setObjectName(QStringLiteral("BW"));
    m_pattern->setToolTip(QStringLiteral("Check here to use fill pattern for use with B/W printer"));

    auto *top = new QHBoxLayout;
    top->addWidget(selectLabel);
    top->addWidget(m_selection, 1);
    top->addSpacing(12);
    top->addWidget(m_pattern); // here rather than in the strip, so the page keeps its 775-pixel width

    auto *strip = new QHBoxLayout;
    strip->addWidget(graphType);
    strip->addWidget(reset);
    strip->addWidget(print);
    strip->addSpacing(4);
    strip->addWidget(m_check3D);
    strip->addWidget(m_depthLabel);
    strip->addWidget(m_depthBar, 1);
    strip->addWidget(rotationLabel);
    strip->addWidget(m_rotationBar, 1);

    auto *charts = new QGridLayout;
    charts->setContentsMargins(0, 0, 0, 0);
    for (int type = 1; type <= GraphTypeCount; ++type) {
        auto *view = new ChartView(m_graphs.chart(type), this);
        view->setObjectName(QStringLiteral("Chart%1").arg(type));
        view->setVisible(false);
        charts->addWidget(view, 0, 0);
        m_views[static_cast<size_t>(type - 1)] = view;
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(strip);
    layout->addLayout(charts, 1);

    connect(m_selection, &QComboBox::currentIndexChanged, this, &GraphPanel::SelectionGraphTypeChange);
    connect(graphType, &QPushButton::clicked, this, &GraphPanel::BitBtn9Click);
    connect(reset, &QPushButton::clicked, this, &GraphPanel::ResetGraphClick);
    connect(print, &QPushButton::clicked, this, &GraphPanel::PrintGraphClick);
    connect(m_check3D, &QCheckBox::clicked, this, &GraphPanel::CheckBox1Click);
    connect(m_depthBar, &QScrollBar::valueChanged, this, &GraphPanel::Bar3DChange);
    connect(m_rotationBar, &QScrollBar::valueChanged, this, &GraphPanel::ScrollBar3Change);
    connect(m_pattern, &QCheckBox::clicked, this, &GraphPanel::BWClick);

    ShowGraphTypeChart();
}

GraphPanel::~GraphPanel() = default;

void GraphPanel::updateVisibleChart()
{
    for (ChartView *view : m_views)
        if (view->isVisibleTo(this))
            view->update();
}

void GraphPanel::drawCostGraph()
{
    m_graphs.setThousandSep(m_state.thousandSep());
    m_graphs.DrawCostGraph(m_state.record.applicationKind, m_state.results, m_state.options);
    updateVisibleChart();
}

void GraphPanel::drawHoursGraph()
{
    m_graphs.setThousandSep(m_state.thousandSep());
    m_graphs.DrawHoursGraph(m_state.record.applicationKind, m_state.results);
    updateVisibleChart();
}

void GraphPanel::drawTimeGraph()
{
    m_graphs.setThousandSep(m_state.thousandSep());
    m_graphs.DrawTimeGraph(m_state.record.applicationKind, m_state.results);
    updateVisibleChart();
}

void GraphPanel::drawSelectedGraph()
{
    SelectionGraphTypeChange(m_selection->currentIndex());
}

void GraphPanel::SelectionGraphTypeChange(int index)
{
    switch (static_cast<EnergyGraph>(index)) {
    case EnergyGraph::Cost: drawCostGraph(); break;
    case EnergyGraph::Hours: drawHoursGraph(); break;
    case EnergyGraph::Time: drawTimeGraph(); break;
    }
}

void GraphPanel::ShowGraphTypeChart()
{
    for (ChartView *view : m_views)
        view->setVisible(false);
    if (m_state.graphType >= 1 && m_state.graphType <= GraphTypeCount)
        m_views[static_cast<size_t>(m_state.graphType - 1)]->setVisible(true);
}

void GraphPanel::prepareForShow()
{
    {
        // A change made by the program is no user choice: the cost graph is drawn below.
        const QSignalBlocker block(m_selection);
        m_selection->setCurrentIndex(static_cast<int>(EnergyGraph::Cost));
    }
    ShowGraphTypeChart();
    const int depth = m_graphs.chart(1).view.depth;
    m_depthBar->setValue(depth);
    m_depthLabel->setText(QStringLiteral("3D View %1%").arg(depth));
    drawCostGraph();
    for (ChartView *view : m_views)
        view->undoPan();
    m_graphs.setOrthogonal(true);
    m_graphs.setRotation(DefaultRotation);
    updateVisibleChart();
}

bool GraphPanel::saveVisibleChart(const QString &path) const
{
    const int type = std::clamp(m_state.graphType, 1, GraphTypeCount);
    // A page never laid out has no real chart size yet.
    const ChartView *view = m_views[static_cast<size_t>(type - 1)];
    QSize size = view->size();
    if (size.width() < view->minimumWidth() || size.height() < view->minimumHeight())
        size = FallbackChartSize;
    // The picture shows the whole graph: a pan on screen is a passing look, not part of the report.
    return saveChartPicture(path, m_graphs.chart(type), size);
}

void GraphPanel::setChartHints(bool on)
{
    for (ChartView *view : m_views)
        view->setHintsEnabled(on);
}

void GraphPanel::BitBtn9Click()
{
    if (m_dialog)
        m_dialog->exec();
    ShowGraphTypeChart();
}

void GraphPanel::ResetGraphClick()
{
    m_graphs.setOrthogonal(true);
    m_graphs.setRotation(DefaultRotation);
    m_graphs.setDepth(DefaultDepth);
    updateVisibleChart();
}

void GraphPanel::PrintGraphClick()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter &printer = *m_printer;
    const bool confirmed = m_runPrintDialog ? m_runPrintDialog(printer) : [&] {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    }();
    if (!confirmed)
        return;

    const QPageLayout::Orientation before = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Landscape);
    const int type = std::clamp(m_state.graphType, 1, GraphTypeCount);
    {
        QPainter p;
        if (p.begin(&printer)) {
            const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
            renderChart(p, page, m_graphs.chart(type), m_views[static_cast<size_t>(type - 1)]->pan());
            p.end();
        }
    }
    printer.setPageOrientation(before);
}

void GraphPanel::CheckBox1Click()
{
    const bool on = m_check3D->isChecked();
    m_graphs.set3D(on);
    m_depthBar->setEnabled(on);
    m_rotationBar->setEnabled(on);
    updateVisibleChart();
}

void GraphPanel::Bar3DChange(int position)
{
    m_graphs.setDepth(position);
    m_depthLabel->setText(QStringLiteral("3D View %1%").arg(position));
    updateVisibleChart();
}

void GraphPanel::ScrollBar3Change(int position)
{
    if (!m_rotationBar->isEnabled())
        return;
    m_graphs.setOrthogonal(false);
    m_graphs.setRotation(position);
    updateVisibleChart();
}

void GraphPanel::BWClick()
{
    m_graphs.ApplyFillPattern(m_pattern->isChecked());
    updateVisibleChart();
}
