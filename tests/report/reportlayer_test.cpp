// The report layer and the energy report template: placement, fitted widths, preparing from a
// fresh copy, and rendering.
#include "report/reportlayer.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "report/reporttemplate.h"

namespace {

const ReportObject &find(const ReportTemplate &t, int page, const char *name)
{
    const ReportObject *object = t.pages[static_cast<std::size_t>(page)].find(QLatin1String(name));
    if (!object)
        throw std::runtime_error(std::string("no object ") + name);
    return *object;
}

TEST(ReportTemplate, PagesBandAndObjectsArePlacedOnLetterPaper)
{
    const ReportTemplate t = EnergyReportTemplate();
    EXPECT_EQ(t.name, QStringLiteral("Standard Report"));
    ASSERT_EQ(t.pages.size(), 2u);
    for (const ReportPage &page : t.pages) {
        EXPECT_EQ(page.paperMm, QSizeF(215.9, 279.4));
        EXPECT_EQ(page.marginsMm, QMarginsF(10, 10, 10, 10));
        EXPECT_DOUBLE_EQ(page.bandTopMm, 5.0);
        EXPECT_DOUBLE_EQ(page.bandHeightMm, 245.0);
    }
    struct Place
    {
        int page;
        const char *name;
        QRectF paper; // millimetres from the paper's corner
    };
    const Place places[] = {
        {0, "COMPANY_LOGO_FIELD", {13.0, 11.0, 65.9, 21.3}},        // on the page, not on the band
        {0, "COMPANY_LOGO_FIELD2", {90.0, 12.0, 114.3, 25.1}},
        {0, "COMPANY_INFO_FIELD", {13.0, 43.0, 66.0, 29.0}},         // on the band, 5 mm lower
        {0, "Shape5", {10.0, 115.0, 196.0, 147.0}},
        {0, "KWHR_FIELD", {64.0, 129.0, 24.0, 5.0}},
        {0, "VFDCOST_FIELD", {64.0, 159.0, 24.0, 5.0}},
        {0, "TIMEP_10", {170.0, 175.0, 11.0, 5.0}},
        {0, "COMPARE_SYSTEM_05C", {64.0, 201.0, 24.0, 5.0}},
        {0, "SYSTEM_05_PAYBACK", {171.0, 229.0, 24.0, 5.0}},
        {0, "COMPARE_SYSTEM_05CS", {65.0, 239.0, 24.0, 5.0}},
        {0, "Memo29", {191.8, 243.0, 13.2, 6.0}},
        {1, "Shape3", {10.0, 21.0, 196.0, 241.0}},
        {1, "ENERGY_PICTURE3", {14.0, 152.0, 180.9, 60.3}},
        {1, "Memo32", {191.8, 243.0, 13.2, 6.0}},
    };
    for (const Place &p : places) {
        const ReportPage &page = t.pages[static_cast<std::size_t>(p.page)];
        const QRectF r = page.paperRect(find(t, p.page, p.name));
        EXPECT_NEAR(r.left(), p.paper.left(), 1e-9) << p.name;
        EXPECT_NEAR(r.top(), p.paper.top(), 1e-9) << p.name;
        EXPECT_NEAR(r.width(), p.paper.width(), 1e-9) << p.name;
        EXPECT_NEAR(r.height(), p.paper.height(), 1e-9) << p.name;
    }
    const ReportObject &banner = find(t, 0, "COMPANY_LOGO_FIELD2");
    EXPECT_EQ(banner.picture.image().size(), QSize(432, 95));
    EXPECT_EQ(banner.picture.image().depth(), 24);
    EXPECT_NEAR(banner.picture.naturalSizeMm().width(), 114.3, 0.01);
    EXPECT_EQ(find(t, 0, "Memo27").text, find(t, 1, "Memo30").text);
}

TEST(ReportLayer, TextsThatFitKeepTheEdgeTheyAreAlignedTo)
{
    const ReportTemplate t = EnergyReportTemplate();
    const ReportPage &page = t.pages[0];
    // Right-aligned: the right edge stays, so "Total Annual Hours…" ends just before its value.
    const QRectF label = page.paperRect(find(t, 0, "Memo3"));
    EXPECT_NEAR(label.right(), 10 + 60.0, 1e-9);
    EXPECT_GT(label.width(), 40.0);
    // Left-aligned: the left edge stays.
    const QRectF to = page.paperRect(find(t, 0, "TO_Field"));
    EXPECT_NEAR(to.left(), 11.0, 1e-9);
    EXPECT_LT(to.width(), 7.0);
    // Centred: the centre stays.
    const QRectF title = page.paperRect(find(t, 0, "PRINT_TITLE_FIELD"));
    EXPECT_NEAR(title.center().x(), 10 + 0.5 + 97.5, 1e-9);
    // A fixed-width text keeps its width.
    EXPECT_DOUBLE_EQ(page.paperRect(find(t, 0, "KWHR_FIELD")).width(), 24.0);
}

TEST(ReportLayer, PreparingStartsFromTheTemplateEveryTime)
{
    const ReportTemplate t = EnergyReportTemplate();
    QStringList order;
    const PreparedReport first = PrepareReport(t, [&order](ReportObject &o) {
        order << o.name;
        if (o.name == QLatin1String("COMPANY_LOGO_FIELD")) {
            QImage logo(10, 10, QImage::Format_RGB32);
            logo.fill(Qt::red);
            o.picture = ReportPicture::fromImage(logo);
        }
        if (o.name == QLatin1String("KWHR_FIELD"))
            o.visible = false;
    });
    EXPECT_FALSE(first.find(QStringLiteral("COMPANY_LOGO_FIELD"))->picture.isNull());
    EXPECT_FALSE(first.find(QStringLiteral("KWHR_FIELD"))->visible);
    // Every object once, page 1 before page 2.
    EXPECT_EQ(order.size(), static_cast<qsizetype>(t.pages[0].objects.size() + t.pages[1].objects.size()));
    EXPECT_LT(order.indexOf(QStringLiteral("Memo27")), order.indexOf(QStringLiteral("Shape3")));

    const PreparedReport second = PrepareReport(t, {});
    EXPECT_TRUE(second.find(QStringLiteral("COMPANY_LOGO_FIELD"))->picture.isNull());
    EXPECT_TRUE(second.find(QStringLiteral("KWHR_FIELD"))->visible);
    EXPECT_EQ(second.find(QStringLiteral("Memo29"))->text, QStringLiteral("1"));
    EXPECT_EQ(second.find(QStringLiteral("Memo32"))->text, QStringLiteral("2"));
}

TEST(ReportLayer, MultiLineTextsBreakAtLineEndsAndWrapInsideTheirWidth)
{
    ReportObject memo;
    memo.kind = ReportObjectKind::MultiLineText;
    memo.rect = QRectF(0, 0, 40, 30);
    memo.text = QStringLiteral("ACME\rMr. Smith\r\nWith a line far too long for forty millimetres of paper\r");
    const QStringList lines = ObjectLines(memo);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("ACME"));
    EXPECT_EQ(lines[1], QStringLiteral("Mr. Smith"));
    for (const QString &line : lines)
        EXPECT_LE(TextWidthMm(line, memo.font), 39.0) << line.toStdString();
    EXPECT_EQ(lines.join(QLatin1Char(' ')).section(QLatin1Char(' '), 3),
              QStringLiteral("With a line far too long for forty millimetres of paper"));
}

TEST(ReportLayer, HiddenObjectsAreNotDrawn)
{
    ReportTemplate t;
    ReportPage page;
    ReportObject box;
    box.kind = ReportObjectKind::Panel;
    box.rect = QRectF(20, 20, 50, 50);
    page.objects.push_back(box);
    ReportObject text;
    text.kind = ReportObjectKind::Text;
    text.rect = QRectF(30, 30, 30, 6);
    text.text = QStringLiteral("XXXXXXXX");
    page.objects.push_back(text);
    t.pages.push_back(page);

    const auto blackPixels = [](const QImage &image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += qGray(image.pixel(x, y)) < 100;
        return n;
    };
    const PreparedReport all = PrepareReport(t, {});
    const PreparedReport noText = PrepareReport(t, [](ReportObject &o) { o.visible = o.kind != ReportObjectKind::Text; });
    const int withText = blackPixels(RenderPageImage(all.pages[0], 72));
    const int frameOnly = blackPixels(RenderPageImage(noText.pages[0], 72));
    EXPECT_GT(frameOnly, 0);
    EXPECT_GT(withText, frameOnly + 20);
}

} // namespace
