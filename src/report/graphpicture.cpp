#include "report/graphpicture.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "report/chartmodel.h"
#include "report/chartrenderer.h"

bool saveChartPicture(const QString &path, const ChartModel &chart, QSize size)
{
    if (size.isEmpty())
        return false;
    // Drawn into memory first so a failing file leaves no half picture behind.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(96);
        svg.setTitle(chart.title.trimmed());
        QPainter p;
        if (!p.begin(&svg))
            return false;
        renderChart(p, QRectF(QPointF(0, 0), QSizeF(size)), chart);
        p.end();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(buffer.data()) != buffer.data().size())
        return false;
    return file.commit();
}
