// Export of the prepared energy report in the seven formats.
#include "report/exportformats.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "report/gifwriter.h"
#include "report/reportlayer.h"
#include "reportfixture.h"

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

class ReportExport : public ::testing::Test
{
protected:
    ReportExport()
    {
        m_project.writeGraphPictures();
        m_report = PrepareEnergyReport(m_project.sources());
    }
    QString path(const QString &name) const { return m_project.dir.filePath(name); }

    ReportProject m_project;
    PreparedReport m_report;
};

TEST_F(ReportExport, PdfHasTwoLetterPagesWithTheFiguresAndEmbeddedFonts)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext not installed";
    const QString pdf = path(QStringLiteral("report.pdf"));
    const ExportResult result = ExportPreparedReport(m_report, ExportFormat::Pdf, pdf);
    ASSERT_TRUE(result.ok) << result.errorString.toStdString();
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF-"));

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+612(\\.\\d+)? x 792")))) << info.toStdString();

    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QStringList pages = text.split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    for (const char *expected : {"Fan Application", "8,736 Hours", "10.00 ct.", "150.0 HP", "95.0 %", "$12,000",
                                 "1,485.1 Hrs", "$103,184", "$22,758", "$75,057", "$56,204", "$80,425", "0.149 Years",
                                 "Mr. Smith", "Tel: 937-555-0100", "Jane Doe", "AHU-3 Supply Fan"})
        EXPECT_TRUE(pages[0].contains(QLatin1String(expected))) << expected;
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Page:")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Vendram Pelnix Veriro Zarired Uviduzudu for Windows")));

    const QString fonts = run(QStringLiteral("pdffonts"), {pdf});
    const QStringList lines = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(lines.isEmpty());
    for (const QString &line : lines) {
        EXPECT_TRUE(line.contains(QStringLiteral("Liberation")) || line.contains(QStringLiteral("Arial")))
            << line.toStdString();
        EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral("Identity-H\\s+yes\\b")))) << line.toStdString();
    }
}

TEST_F(ReportExport, EveryFormatWritesAFileOfItsKind)
{
    struct Case
    {
        ExportFormat format;
        const char *name;
        QByteArray magic;
        QByteArray imageFormat; // read back through Qt for the picture formats
    };
    const Case cases[] = {
        {ExportFormat::Pdf, "r.pdf", "%PDF-", {}},
        {ExportFormat::Rtf, "r.rtf", "{\\rtf1", {}},
        {ExportFormat::Html, "r.html", "<!DOCTYPE html>", {}},
        {ExportFormat::Gif, "r.gif", "GIF8", "gif"},
        {ExportFormat::Bmp, "r.bmp", "BM", "bmp"},
        {ExportFormat::Jpeg, "r.jpg", "\xFF\xD8\xFF", "jpeg"},
        {ExportFormat::Tiff, "r.tif", "II*", "tiff"},
    };
    ExportOptions options;
    options.dotsPerInch = 72;
    for (const Case &c : cases) {
        const QString file = path(QLatin1String(c.name));
        int progressCalls = 0;
        const ExportResult result = ExportPreparedReport(m_report, c.format, file, options, [&](int, int count) {
            EXPECT_EQ(count, 2);
            ++progressCalls;
            return true;
        });
        ASSERT_TRUE(result.ok) << c.name << ": " << result.errorString.toStdString();
        EXPECT_GT(progressCalls, 0) << c.name;
        EXPECT_TRUE(readAll(file).startsWith(c.magic)) << c.name;
        if (!c.imageFormat.isEmpty()) {
            ASSERT_EQ(result.files, QStringList({file, PageFileName(file, 2)})) << c.name;
            for (const QString &page : result.files) {
                QImageReader reader(page);
                EXPECT_EQ(reader.format(), c.imageFormat) << page.toStdString();
                const QImage image = reader.read();
                EXPECT_EQ(image.size(), QSize(612, 792)) << page.toStdString();
            }
        } else {
            EXPECT_EQ(result.files, QStringList{file});
        }
    }
}

TEST_F(ReportExport, RtfPlacesFramesAndEmbedsPictures)
{
    const QString file = path(QStringLiteral("r.rtf"));
    ASSERT_TRUE(ExportPreparedReport(m_report, ExportFormat::Rtf, file).ok);
    const QByteArray rtf = readAll(file);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
    EXPECT_EQ(rtf.count('{'), rtf.count('}'));
    EXPECT_EQ(rtf.count("\\pngblip"), 4); // banner and three graphs
    EXPECT_TRUE(rtf.contains("\\paperw12240\\paperh15840"));
    EXPECT_TRUE(rtf.contains("\\pagebb"));
    // KWHR_FIELD: right-aligned frame at 64 mm, 129.3 mm from the paper's corner.
    EXPECT_TRUE(rtf.contains("\\posx3628\\posy7330")) << "KWHR_FIELD frame";
    EXPECT_TRUE(rtf.contains("10.00 ct.\\par"));
    EXPECT_TRUE(rtf.contains("\\shp"));
}

// A word processor keeps the two pages and their texts (run where LibreOffice is installed).
TEST_F(ReportExport, RtfOpensInAWordProcessorAsTwoLetterPages)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "LibreOffice or pdftotext not installed";
    const QString rtf = path(QStringLiteral("word.rtf"));
    ASSERT_TRUE(ExportPreparedReport(m_report, ExportFormat::Rtf, rtf).ok);
    QProcess office;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_project.dir.path());
    office.setProcessEnvironment(env);
    office.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                           QStringLiteral("--outdir"), path(QStringLiteral("office")), rtf});
    ASSERT_TRUE(office.waitForFinished(180000));
    const QString pdf = path(QStringLiteral("office/word.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b")))) << info.toStdString();
    const QStringList pages = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                                  .split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    for (const char *expected : {"Fan Application", "8,736 Hours", "$103,184", "0.149 Years"})
        EXPECT_TRUE(pages[0].contains(QLatin1String(expected))) << expected;
    EXPECT_TRUE(pages[0].contains(QRegularExpression(QStringLiteral("Page:\\s+1\\b"))));
    EXPECT_TRUE(pages[1].contains(QRegularExpression(QStringLiteral("Page:\\s+2\\b"))));
}

TEST_F(ReportExport, HtmlIsOneWellFormedFileWithPagesAndEmbeddedPictures)
{
    const QString file = path(QStringLiteral("r.html"));
    ASSERT_TRUE(ExportPreparedReport(m_report, ExportFormat::Html, file).ok);
    const QByteArray html = readAll(file);
    QXmlStreamReader xml(html);
    int pages = 0;
    int pictures = 0;
    QStringList texts;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString cls = xml.attributes().value(QStringLiteral("class")).toString();
            pages += cls == QLatin1String("page");
            if (xml.name() == QLatin1String("img")) {
                ++pictures;
                EXPECT_TRUE(xml.attributes().value(QStringLiteral("src")).startsWith(QLatin1String("data:image/")));
            }
        } else if (xml.isCharacters()) {
            texts << xml.text().toString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(pictures, 4);
    EXPECT_TRUE(texts.contains(QStringLiteral("$103,184")));
    EXPECT_FALSE(html.contains("src=\"file:"));
}

TEST_F(ReportExport, FailuresAreReportedForEveryFormat)
{
    for (int f = 0; f < ExportFormatCount; ++f) {
        const auto format = static_cast<ExportFormat>(f);
        const QString file = path(QStringLiteral("no/such/folder/r.") + ExportSuffix(format));
        const ExportResult result = ExportPreparedReport(m_report, format, file);
        EXPECT_FALSE(result.ok) << ExportSuffix(format).toStdString();
        EXPECT_FALSE(result.errorString.isEmpty()) << ExportSuffix(format).toStdString();
    }
    EXPECT_FALSE(ExportPreparedReport(m_report, ExportFormat::Pdf, QString()).ok);
}

TEST(ReportExportFormats, ListItemsNamesAndPageFiles)
{
    EXPECT_EQ(ExportSelectionItems(),
              QStringList({QStringLiteral("PDF File (Adobe Acrobat Reader)"), QStringLiteral("RTF (MS-Word)"),
                           QStringLiteral("HTML File (Web Browser)"), QStringLiteral("GIF (Graphics Program)"),
                           QStringLiteral("BMP (Graphics Program)"), QStringLiteral("JPG (Graphics Program)"),
                           QStringLiteral("TIF (Graphics Program)")}));
    EXPECT_EQ(PageFileName(QStringLiteral("/tmp/out/report.png"), 1), QStringLiteral("/tmp/out/report.png"));
    EXPECT_EQ(PageFileName(QStringLiteral("/tmp/out/report.png"), 2), QStringLiteral("/tmp/out/report-2.png"));
    EXPECT_EQ(PageFileName(QStringLiteral("/tmp/out/my.report.tif"), 2), QStringLiteral("/tmp/out/my.report-2.tif"));
    EXPECT_EQ(PageFileName(QStringLiteral("/tmp/out/report"), 2), QStringLiteral("/tmp/out/report-2"));
    ExportFormat format = ExportFormat::Pdf;
    EXPECT_TRUE(ExportFormatFromName(QStringLiteral("TIFF"), format));
    EXPECT_EQ(format, ExportFormat::Tiff);
    EXPECT_TRUE(ExportFormatFromName(QStringLiteral("jpg"), format));
    EXPECT_EQ(format, ExportFormat::Jpeg);
    EXPECT_FALSE(ExportFormatFromName(QStringLiteral("png"), format));
}

TEST(GifWriter, FewColoursAreKeptExactlyAndManyAreReducedToTheMostFrequent)
{
    QTemporaryDir dir;
    QImage few(64, 32, QImage::Format_RGB32);
    few.fill(Qt::white);
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(192, 192, 192), qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(0, 0, 255),
                            qRgb(0, 128, 0), qRgb(255, 255, 0), qRgb(16, 42, 96)};
    for (int i = 0; i < 8; ++i)
        for (int y = 0; y < 32; ++y)
            few.setPixel(i * 8, y, colours[i]);
    const QString fewFile = dir.filePath(QStringLiteral("few.gif"));
    QString error;
    ASSERT_TRUE(WriteGif(few, fewFile, &error)) << error.toStdString();
    EXPECT_EQ(QImage(fewFile).convertToFormat(QImage::Format_RGB32), few);

    QImage many(300, 300, QImage::Format_RGB32);
    many.fill(Qt::white);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            if (y >= 200)
                many.setPixel(x, y, qRgb(x % 256, (x * 7 + y) % 256, y % 256)); // thousands of rare colours
            else if (x < 100)
                many.setPixel(x, y, qRgb(0, 255, 0));
    const QVector<QRgb> palette = GifPalette(many);
    EXPECT_EQ(palette.size(), 256);
    EXPECT_EQ(palette[0], qRgb(255, 255, 255));
    EXPECT_EQ(palette[1], qRgb(0, 255, 0));
    const QString manyFile = dir.filePath(QStringLiteral("many.gif"));
    ASSERT_TRUE(WriteGif(many, manyFile, &error)) << error.toStdString();
    const QImage back = QImage(manyFile).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back.pixel(50, 50), qRgb(0, 255, 0));
    EXPECT_EQ(back.pixel(150, 50), qRgb(255, 255, 255));
}

} // namespace

namespace {

// Writes the fan report as PDF and pictures into PELNIX_RENDER_DIR when it is set, for a look.
TEST(ReportRender, WritesTheReportForInspection)
{
    const QByteArray dir = qgetenv("PELNIX_RENDER_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "PELNIX_RENDER_DIR not set";
    for (int kind : {1, 2}) {
        ReportProject project(kind);
        project.writeGraphPictures();
        const PreparedReport report = PrepareEnergyReport(project.sources());
        const QString base = QString::fromLocal8Bit(dir) + (kind == 1 ? QStringLiteral("/fan") : QStringLiteral("/pump"));
        for (int f = 0; f < ExportFormatCount; ++f) {
            const auto format = static_cast<ExportFormat>(f);
            EXPECT_TRUE(ExportPreparedReport(report, format, base + QLatin1Char('.') + ExportSuffix(format)).ok);
        }
    }
}

} // namespace
