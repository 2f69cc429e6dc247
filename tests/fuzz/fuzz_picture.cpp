// Logo files and graph pictures: any bytes given as a picture file must load or be refused
// cleanly on the report's path (raster formats and SVG), and draw without harm.
#include "report/reportlayer.h"

#include "inputfile.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    QImageReader::setAllocationLimit(64); // megabytes: a hostile header must not exhaust memory
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QString path = writeInputFile(QStringLiteral("logo.img"), data, size);
    if (path.isEmpty())
        return 0;
    const ReportPicture picture = ReportPicture::fromFile(path);
    if (picture.isNull())
        return 0;
    QImage target(64, 32, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    QPainter painter(&target);
    picture.draw(painter, QRectF(0, 0, 64, 32));
    picture.naturalSizeMm();
    picture.toImage(QSize(16, 8));
    return 0;
}
