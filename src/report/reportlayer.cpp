#include "report/reportlayer.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Text is measured at one fixed resolution so that positions do not depend on the output device.
constexpr double MeasureDpi = 1200.0;
constexpr double MmPerInch = 25.4;
constexpr double TextPadMm = ReportTextPadMm;
constexpr double TextTopPadMm = ReportTextTopPadMm;
const QColor BoxColor(192, 192, 192); // silver

const QImage &measureDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(MeasureDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

QFontMetricsF measureMetrics(const ReportFont &font)
{
    return QFontMetricsF(font.font(), &measureDevice());
}

double lineHeightMm(const ReportFont &font)
{
    return measureMetrics(font).lineSpacing() * MmPerInch / MeasureDpi;
}

bool isTextKind(ReportObjectKind kind)
{
    return kind == ReportObjectKind::Text || kind == ReportObjectKind::MultiLineText
        || kind == ReportObjectKind::PageNumber;
}

QStringList splitParagraphs(const QString &text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normal.split(QLatin1Char('\n'));
    // A closing line break does not open another line.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Breaks one paragraph into lines no wider than `widthMm`, at blanks where possible.
QStringList wrapParagraph(const QString &paragraph, const ReportFont &font, double widthMm)
{
    QStringList lines;
    const QStringList words = paragraph.split(QLatin1Char(' '));
    QString current;
    for (const QString &word : words) {
        const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (current.isEmpty() || TextWidthMm(candidate, font) <= widthMm) {
            current = candidate;
            continue;
        }
        lines << current;
        current = word;
    }
    lines << current;
    return lines;
}

void drawText(QPainter &painter, const ReportObject &object, const QRectF &paperMm, double dotsPerMm)
{
    QFont font = object.font.font();
    // Point sizes are meant on paper; the painter's device may have another resolution.
    const double deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 96.0;
    font.setPointSizeF(object.font.pointSize * dotsPerMm * MmPerInch / deviceDpi);
    painter.setFont(font);
    painter.setPen(Qt::black);

    const QFontMetricsF metrics = measureMetrics(object.font);
    const double ascentMm = metrics.ascent() * MmPerInch / MeasureDpi;
    const double lineMm = lineHeightMm(object.font);
    const QStringList lines = ObjectLines(object);
    double baseline = paperMm.top() + TextTopPadMm + ascentMm;
    const bool clip = object.kind == ReportObjectKind::MultiLineText;
    for (const QString &line : lines) {
        if (clip && baseline - ascentMm + lineMm > paperMm.bottom() + 0.01)
            break;
        const double width = TextWidthMm(line, object.font);
        double x = paperMm.left() + TextPadMm;
        if (object.alignment & Qt::AlignRight)
            x = paperMm.right() - TextPadMm - width;
        else if (object.alignment & Qt::AlignHCenter)
            x = paperMm.center().x() - width / 2;
        painter.drawText(QPointF(x * dotsPerMm, baseline * dotsPerMm), line);
        baseline += lineMm;
    }
}

void drawPicture(QPainter &painter, const ReportObject &object, const QRectF &paperMm, double dotsPerMm)
{
    if (object.picture.isNull())
        return;
    const QRectF target = PictureRectMm(object, paperMm);
    const QRectF device(target.left() * dotsPerMm, target.top() * dotsPerMm, target.width() * dotsPerMm,
                        target.height() * dotsPerMm);
    painter.save();
    painter.setClipRect(QRectF(paperMm.left() * dotsPerMm, paperMm.top() * dotsPerMm,
                               paperMm.width() * dotsPerMm, paperMm.height() * dotsPerMm));
    object.picture.draw(painter, device);
    painter.restore();
}

void drawFrame(QPainter &painter, const ReportObject &object, const QRectF &paperMm, double dotsPerMm)
{
    const bool panel = object.kind == ReportObjectKind::Panel;
    QPen pen(panel ? QColor(Qt::black) : BoxColor);
    pen.setWidthF(0.26 * dotsPerMm); // one screen pixel at 96 per inch
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(panel ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    painter.drawRect(QRectF(paperMm.left() * dotsPerMm, paperMm.top() * dotsPerMm, paperMm.width() * dotsPerMm,
                            paperMm.height() * dotsPerMm));
    painter.setBrush(Qt::NoBrush);
}

} // namespace

QFont ReportFont::font() const
{
    QFont f(family());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

ReportPicture ReportPicture::fromImage(const QImage &image)
{
    ReportPicture picture;
    picture.m_image = image;
    return picture;
}

ReportPicture ReportPicture::fromFile(const QString &fileName)
{
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    ReportPicture picture;
    if (data.left(1024).contains("<svg")) {
        QSvgRenderer renderer(data);
        if (!renderer.isValid())
            return {};
        picture.m_svg = data;
        picture.m_svgSize = renderer.defaultSize();
        if (picture.m_svgSize.isEmpty())
            picture.m_svgSize = renderer.viewBoxF().size();
        return picture;
    }
    picture.m_image = QImage::fromData(data);
    return picture;
}

QSizeF ReportPicture::naturalSizeMm() const
{
    const QSizeF pixels = isSvg() ? m_svgSize : QSizeF(m_image.size());
    return pixels * (MmPerInch / 96.0);
}

void ReportPicture::draw(QPainter &painter, const QRectF &target) const
{
    if (isSvg()) {
        QSvgRenderer renderer(m_svg);
        renderer.render(&painter, target);
    } else if (!m_image.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_image);
    }
}

QImage ReportPicture::toImage(const QSize &pixels) const
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return image;
}

ReportObject *ReportPage::find(const QString &name)
{
    for (ReportObject &object : objects)
        if (object.name == name)
            return &object;
    return nullptr;
}

const ReportObject *ReportPage::find(const QString &name) const
{
    return const_cast<ReportPage *>(this)->find(name);
}

QRectF ReportPage::paperRect(const ReportObject &object) const
{
    const QPointF origin(marginsMm.left(), marginsMm.top() + (object.onBand ? bandTopMm : 0.0));
    QRectF rect = object.rect.translated(origin);
    if (object.fitsText && isTextKind(object.kind)) {
        double width = 0;
        for (const QString &line : splitParagraphs(object.text))
            width = std::max(width, TextWidthMm(line, object.font));
        width += 2 * TextPadMm;
        if (object.alignment & Qt::AlignRight)
            rect.setLeft(rect.right() - width);
        else if (object.alignment & Qt::AlignHCenter)
            rect = QRectF(rect.center().x() - width / 2, rect.top(), width, rect.height());
        else
            rect.setWidth(width);
    }
    return rect;
}

const ReportObject *PreparedReport::find(const QString &name) const
{
    for (int i = 0; i < pageCount(); ++i)
        if (const ReportObject *object = find(i, name))
            return object;
    return nullptr;
}

const ReportObject *PreparedReport::find(int pageIndex, const QString &name) const
{
    if (pageIndex < 0 || pageIndex >= pageCount())
        return nullptr;
    return pages[static_cast<std::size_t>(pageIndex)].page.find(name);
}

PreparedReport PrepareReport(const ReportTemplate &reportTemplate, const BeforePrintCallback &beforePrint)
{
    PreparedReport report;
    int number = 0;
    for (const ReportPage &designed : reportTemplate.pages) {
        PreparedPage page{designed, ++number};
        for (ReportObject &object : page.page.objects) {
            if (object.kind == ReportObjectKind::PageNumber)
                object.text = QString::number(page.number);
            if (beforePrint)
                beforePrint(object);
        }
        report.pages.push_back(std::move(page));
    }
    return report;
}

QRectF PictureRectMm(const ReportObject &object, const QRectF &frameMm)
{
    QRectF target = frameMm;
    const QSizeF natural = object.picture.naturalSizeMm();
    if (object.pictureFit == PictureFit::OwnSize) {
        target.setSize(natural);
    } else if (natural.width() > 0 && natural.height() > 0) {
        const QSizeF scaled = natural.scaled(frameMm.size(), Qt::KeepAspectRatio);
        target = QRectF(QPointF(frameMm.left() + (frameMm.width() - scaled.width()) / 2,
                                frameMm.top() + (frameMm.height() - scaled.height()) / 2),
                        scaled);
    }
    return target;
}

double LineHeightMm(const ReportFont &font)
{
    return lineHeightMm(font);
}

double AscentMm(const ReportFont &font)
{
    return measureMetrics(font).ascent() * MmPerInch / MeasureDpi;
}

double TextWidthMm(const QString &text, const ReportFont &font)
{
    return measureMetrics(font).horizontalAdvance(text) * MmPerInch / MeasureDpi;
}

QStringList ObjectLines(const ReportObject &object)
{
    if (!isTextKind(object.kind) || object.text.isEmpty())
        return {};
    const QStringList paragraphs = splitParagraphs(object.text);
    if (object.kind != ReportObjectKind::MultiLineText)
        return paragraphs;
    QStringList lines;
    const double width = object.rect.width() - 2 * TextPadMm;
    for (const QString &paragraph : paragraphs)
        lines << wrapParagraph(paragraph, object.font, width);
    return lines;
}

void RenderPage(QPainter &painter, const PreparedPage &page, double dotsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Panels lie behind everything placed on them.
    for (const ReportObject &object : page.page.objects)
        if (object.visible && object.kind == ReportObjectKind::Panel)
            drawFrame(painter, object, page.page.paperRect(object), dotsPerMm);
    for (const ReportObject &object : page.page.objects) {
        if (!object.visible || object.kind == ReportObjectKind::Panel)
            continue;
        const QRectF rect = page.page.paperRect(object);
        switch (object.kind) {
        case ReportObjectKind::Box:
            drawFrame(painter, object, rect, dotsPerMm);
            break;
        case ReportObjectKind::Picture:
            drawPicture(painter, object, rect, dotsPerMm);
            break;
        case ReportObjectKind::Text:
        case ReportObjectKind::MultiLineText:
        case ReportObjectKind::PageNumber:
            drawText(painter, object, rect, dotsPerMm);
            break;
        case ReportObjectKind::Panel:
            break;
        }
    }
    painter.restore();
}

QImage RenderPageImage(const PreparedPage &page, double dotsPerInch)
{
    const double dotsPerMm = dotsPerInch / MmPerInch;
    const QSize size(qRound(page.page.paperMm.width() * dotsPerMm), qRound(page.page.paperMm.height() * dotsPerMm));
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderPage(painter, page, dotsPerMm);
    painter.end();
    return image;
}

bool PaintReport(QPagedPaintDevice &device, const PreparedReport &report,
                 const std::function<bool(int page, int pageCount)> &pageDone)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dotsPerMm = device.logicalDpiX() / MmPerInch;
    for (int i = 0; i < report.pageCount(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        RenderPage(painter, report.pages[static_cast<std::size_t>(i)], dotsPerMm);
        if (pageDone && !pageDone(i + 1, report.pageCount())) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}
