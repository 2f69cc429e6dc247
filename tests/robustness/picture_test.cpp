// A logo or graph picture file that is not a picture, or a hostile one: the report's loader refuses
// it or draws it, quickly and without harm.
#include "report/reportlayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <ostream>

namespace {

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char ch : bytes) {
        crc ^= static_cast<quint8>(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray be32(quint32 v)
{
    QByteArray b(4, Qt::Uninitialized);
    qToBigEndian(v, b.data());
    return b;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    return be32(static_cast<quint32>(data.size())) + type + data + be32(crc32(type + data));
}

// A PNG whose header claims `side` × `side` RGBA pixels, with `rows` rows of data.
QByteArray png(quint32 side, int rows)
{
    QByteArray header = be32(side) + be32(side);
    header += QByteArray("\x08\x06\x00\x00\x00", 5);
    const QByteArray pixels(rows * (1 + static_cast<int>(side) * 4), '\0');
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", qCompress(pixels, 9).mid(4))
           + pngChunk("IEND", QByteArray());
}

struct Picture
{
    const char *name;
    QByteArray bytes;
    bool loads; // a picture the report can draw
};

void PrintTo(const Picture &c, std::ostream *os) { *os << c.name; }

class HostilePicture : public ::testing::TestWithParam<Picture>
{};

TEST_P(HostilePicture, RefusedOrDrawnQuickly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("logo.png"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(GetParam().bytes);
    }
    QElapsedTimer clock;
    clock.start();
    const ReportPicture picture = ReportPicture::fromFile(path);
    EXPECT_EQ(!picture.isNull(), GetParam().loads);
    QImage target(200, 100, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    QPainter painter(&target);
    picture.draw(painter, QRectF(0, 0, 200, 100));
    painter.end();
    (void)picture.toImage(QSize(40, 20));
    EXPECT_LT(clock.elapsed(), 3000);
}

const QByteArray SvgHead = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" ";

INSTANTIATE_TEST_SUITE_P(
    Files, HostilePicture,
    ::testing::Values(
        Picture{"Empty", QByteArray(), false}, Picture{"Text", "This is not a picture.\r\n", false},
        Picture{"ProjectFile", "[APPLICATION]\r\nFAN\r\n", false},
        Picture{"SmallPng", png(2, 2), true},
        Picture{"TruncatedPng", png(64, 64).left(60), false},
        // 60000 × 60000 pixels claimed in a kilobyte: refused before memory is taken for it.
        Picture{"DecompressionBomb", png(60000, 4), false},
        Picture{"SvgThatIsNotXml", SvgHead + "width=\"10\" height=\"10\"><rect", false},
        Picture{"SvgGiantSize", SvgHead + "width=\"1e30\" height=\"1e30\"><rect width=\"1e30\" height=\"1e30\"/></svg>",
                false},
        Picture{"SvgUsesItself", SvgHead + "width=\"10\" height=\"10\"><g id=\"a\"><use xlink:href=\"#a\"/></g></svg>",
                true},
        Picture{"SvgEntityExpansion",
                "<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
                "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">]>"
                    + SvgHead + "width=\"10\" height=\"10\"><text>&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;</text></svg>",
                false}),
    [](const ::testing::TestParamInfo<Picture> &info) { return std::string(info.param.name); });

} // namespace
