#include "report/ui/graphtypedialog.h"

#include <cmath>

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

#include "report/chartrenderer.h"
#include "report/energygraphs.h"
#include "shell/appstate.h"
#include "tools/ui/iconsonshow.h"

namespace {

struct Picture
{
    const char *name;
    const char *hint;
    int graphType;
    int row;
    int column;
};

// Grid position, picture name, hint and graph type of each picture.
constexpr std::array<Picture, GraphTypeCount> Pictures{{
    {"Image1", "Select Area Graph", 1, 0, 0},
    {"Image2", "Select Line Graph", 2, 0, 1},
    {"Image5", "Select Horizontal Graph", 3, 0, 2},
    {"Image4", "Select Point Graph", 4, 1, 0},
    {"Image3", "Select Bar Graph", 5, 1, 1},
    {"Image7", "Select Fast Line Graph", 6, 1, 2},
}};

constexpr int PictureWidth = 112;
constexpr int PictureHeight = 84;
constexpr int FrameMargin = 5;
constexpr int CellWidth = PictureWidth + 2 * FrameMargin;
constexpr int CellHeight = PictureHeight + 2 * FrameMargin;
constexpr int Gap = 18;

// A small chart of the type with made-up series, drawn by the chart renderer itself.
ChartModel sampleChart(int graphType)
{
    ChartModel c;
    c.kind = graphTypeKind(graphType);
    c.horizontal = c.kind == SeriesKind::HorizontalBar;
    c.legendVisible = false;
    c.showAxes = false;
    c.view.depth = c.kind == SeriesKind::Line || c.kind == SeriesKind::Area ? 45 : 25;
    if (c.kind == SeriesKind::Area)
        c.drawOrder = {1, 0, 2, 3, 4};
    for (ChartSeries &s : c.series)
        s.visible = false;

    static const std::array<std::array<double, 5>, 3> values{{{2, 4, 3, 6, 5}, {5, 7, 6, 9, 8}, {1, 2, 2, 3, 2}}};
    const bool bars = c.kind == SeriesKind::Bar || c.kind == SeriesKind::HorizontalBar;
    const size_t seriesCount = bars || c.kind == SeriesKind::FastLine ? 2 : 3;
    for (size_t k = 0; k < seriesCount; ++k) {
        ChartSeries &s = c.series[k];
        s.visible = true;
        s.color = slotColor(static_cast<int>(k) + 1);
        if (c.kind == SeriesKind::FastLine) {
            // Many close points: what a fast line is for.
            for (int i = 0; i <= 40; ++i)
                s.points.append(QPointF(i, 5 + 3.0 * k + 2.5 * std::sin(i * (0.35 + 0.2 * k)) + (i * 7 % 5) * 0.4));
            continue;
        }
        for (size_t i = 0; i < values[k].size(); ++i) {
            const double flow = static_cast<double>(i + 1);
            s.points.append(c.horizontal ? QPointF(values[k][i], flow) : QPointF(flow, values[k][i]));
        }
    }
    return c;
}

QPixmap samplePicture(int graphType)
{
    const ChartModel c = sampleChart(graphType);
    QPixmap pixmap(PictureWidth, PictureHeight);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    renderChart(p, QRectF(0, 0, PictureWidth, PictureHeight), c);
    return pixmap;
}

} // namespace

GraphTypeDialog::GraphTypeDialog(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("GraphTypeForm"));
    setWindowTitle(QStringLiteral("Veriro Zarired Uviduzudu Graph Type"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    const int width = 3 * CellWidth + 4 * Gap;
    for (size_t n = 0; n < Pictures.size(); ++n) {
        const Picture &pic = Pictures[n];
        const int x = Gap + pic.column * (CellWidth + Gap);
        const int y = Gap + pic.row * (CellHeight + Gap);

        auto *shape = new QFrame(this);
        shape->setObjectName(QStringLiteral("Shape%1").arg(pic.graphType));
        shape->setFrameStyle(QFrame::Box | QFrame::Plain);
        shape->setLineWidth(2);
        shape->setStyleSheet(QStringLiteral("QFrame { color: #0000c0; }"));
        shape->setGeometry(x, y, CellWidth, CellHeight);
        m_shapes[static_cast<size_t>(pic.graphType - 1)] = shape;

        auto *image = new QLabel(this);
        image->setObjectName(QString::fromLatin1(pic.name));
        image->setToolTip(QString::fromLatin1(pic.hint));
        image->setPixmap(samplePicture(pic.graphType));
        image->setCursor(Qt::PointingHandCursor);
        image->setGeometry(x + FrameMargin, y + FrameMargin, PictureWidth, PictureHeight);
        image->setProperty("graphType", pic.graphType);
        image->installEventFilter(this);
    }

    const int captionTop = Gap + 2 * (CellHeight + Gap);
    auto *caption = new QLabel(QStringLiteral("Select Graph Type"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(0, captionTop, width, 22);

    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("BitBtn1"));
    setStandardIconOnShow(close, QStyle::SP_DialogCloseButton);
    close->setCursor(Qt::PointingHandCursor);
    close->setAutoDefault(false);
    close->setGeometry((width - 96) / 2, captionTop + 30, 96, 30);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(width, captionTop + 30 + 30 + Gap);
}

void GraphTypeDialog::MarkGraphType()
{
    for (QFrame *shape : m_shapes)
        shape->setVisible(false);
    if (m_state.graphType >= 1 && m_state.graphType <= GraphTypeCount)
        m_shapes[static_cast<size_t>(m_state.graphType - 1)]->setVisible(true);
}

void GraphTypeDialog::selectGraphType(int graphType)
{
    m_state.graphType = graphType;
    MarkGraphType();
}

void GraphTypeDialog::showEvent(QShowEvent *event)
{
    MarkGraphType();
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

bool GraphTypeDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QVariant type = watched->property("graphType");
        if (mouse->button() == Qt::LeftButton && type.isValid()) {
            selectGraphType(type.toInt());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
