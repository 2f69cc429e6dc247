#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

// A small report engine: a template of pages with named objects placed in millimetres, prepared
// into pages by a before-print callback and rendered on any QPainter.

enum class ReportObjectKind { Text, MultiLineText, Picture, Box, Panel, PageNumber };

// How a picture object places its picture: scaled to its frame keeping the aspect ratio, or at the
// picture's own size (pixels taken at 96 per inch).
enum class PictureFit { KeepAspect, OwnSize };

struct ReportFont
{
    double pointSize = 10;
    bool bold = false;
    bool underline = false;

    // The report's typeface; Arial resolves to a metric-compatible face where Arial is missing.
    static QString family() { return QStringLiteral("Arial"); }
    QFont font() const;
};

// A picture held by a picture object: a raster image or an SVG document (kept as vector data so
// PDF and print output stay sharp).
class ReportPicture
{
public:
    ReportPicture() = default;
    static ReportPicture fromImage(const QImage &image);
    // Loads a picture file (SVG by its content, any raster format Qt reads); a null picture when
    // the file is missing or unreadable.
    static ReportPicture fromFile(const QString &fileName);

    bool isNull() const { return m_image.isNull() && m_svg.isEmpty(); }
    bool isSvg() const { return !m_svg.isEmpty(); }
    const QImage &image() const { return m_image; }
    const QByteArray &svg() const { return m_svg; }
    // Natural size in millimetres (raster pixels at 96 per inch, SVG by its view box).
    QSizeF naturalSizeMm() const;
    // Rendered into `target` (painter units), stretched to fill it.
    void draw(QPainter &painter, const QRectF &target) const;
    // A raster copy of `pixels` size (for formats that cannot hold vector pictures).
    QImage toImage(const QSize &pixels) const;

private:
    QImage m_image;
    QByteArray m_svg;
    QSizeF m_svgSize;
};

struct ReportObject
{
    QString name;
    ReportObjectKind kind = ReportObjectKind::Text;
    QRectF rect;            // millimetres, relative to the title band (or to the printable area)
    bool onBand = true;     // false: placed on the page itself
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool fitsText = false;  // the width follows the text
    QString text;
    ReportPicture picture;
    PictureFit pictureFit = PictureFit::KeepAspect;
    bool visible = true;
};

struct ReportPage
{
    QSizeF paperMm{215.9, 279.4};
    QMarginsF marginsMm{10, 10, 10, 10};
    double bandTopMm = 5.0;     // title band top below the top margin
    double bandHeightMm = 245.0;
    std::vector<ReportObject> objects;

    ReportObject *find(const QString &name);
    const ReportObject *find(const QString &name) const;
    // Position of an object on the paper, in millimetres from the paper's top-left corner, with
    // the width of a text that fits its content already applied.
    QRectF paperRect(const ReportObject &object) const;
};

struct ReportTemplate
{
    QString name;
    QString description;
    std::vector<ReportPage> pages;
};

struct PreparedPage
{
    ReportPage page;
    int number = 1;
};

// Pages ready for output, made from a fresh copy of a template.
class PreparedReport
{
public:
    std::vector<PreparedPage> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }
    // The first object of that name on any page, or nullptr.
    const ReportObject *find(const QString &name) const;
    const ReportObject *find(int pageIndex, const QString &name) const;
};

// Called for every object just before it is printed; may change text, picture and visibility.
using BeforePrintCallback = std::function<void(ReportObject &)>;

// Copies the template, numbers the pages and runs `beforePrint` on every object in page order.
PreparedReport PrepareReport(const ReportTemplate &reportTemplate, const BeforePrintCallback &beforePrint);

// Width in millimetres that a text needs in a font (used by objects that fit their text).
double TextWidthMm(const QString &text, const ReportFont &font);

// The text lines an object shows (multi-line texts wrap inside their width; CR, LF and CR LF end
// a line).
QStringList ObjectLines(const ReportObject &object);

// Paints one prepared page. The painter's origin is the paper's top-left corner and one
// millimetre spans `dotsPerMm` device units; fonts are sized for the painter's device.
void RenderPage(QPainter &painter, const PreparedPage &page, double dotsPerMm);

// Where a picture object's picture lands inside its frame (both in millimetres on the paper).
QRectF PictureRectMm(const ReportObject &object, const QRectF &frameMm);

// Inner gaps of a text object: left and right of each line, and above the first line.
inline constexpr double ReportTextPadMm = 0.5;
inline constexpr double ReportTextTopPadMm = 0.3;
// Line spacing and ascent of a report font in millimetres.
double LineHeightMm(const ReportFont &font);
double AscentMm(const ReportFont &font);

// One page as a white raster picture at `dotsPerInch`.
QImage RenderPageImage(const PreparedPage &page, double dotsPerInch);

class QPagedPaintDevice;

// Paints every page onto a paged device (printer, PDF writer) whose painter origin is the paper's
// top-left corner. `pageDone` is called after each page and may cancel. False when the device
// cannot be painted on or a page cannot be started.
bool PaintReport(QPagedPaintDevice &device, const PreparedReport &report,
                 const std::function<bool(int page, int pageCount)> &pageDone = {});
