#include "report/gifwriter.h"

#include <QFile>
#include <QHash>

#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace {

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

int writeToFile(GifFileType *gif, const GifByteType *data, int length)
{
    auto *file = static_cast<QFile *>(gif->UserData);
    return static_cast<int>(file->write(reinterpret_cast<const char *>(data), length));
}

QString gifError(int code)
{
    const char *text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("GIF error %1").arg(code);
}

} // namespace

QVector<QRgb> GifPalette(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[line[x] | 0xff000000u];
    }
    std::vector<std::pair<qint64, QRgb>> byCount;
    byCount.reserve(static_cast<std::size_t>(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QVector<QRgb> palette;
    for (std::size_t i = 0; i < byCount.size() && i < 256; ++i)
        palette << byCount[i].second;
    return palette;
}

bool WriteGif(const QImage &source, const QString &fileName, QString *error)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("Empty picture");
        return false;
    }
    const QVector<QRgb> palette = GifPalette(image);
    QHash<QRgb, int> index;
    for (int i = 0; i < palette.size(); ++i)
        index.insert(palette[i], i);
    const auto indexOf = [&](QRgb colour) {
        const auto found = index.constFind(colour);
        if (found != index.constEnd())
            return found.value();
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (int i = 0; i < palette.size(); ++i) {
            const int d = distance(colour, palette[i]);
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        index.insert(colour, best);
        return best;
    };

    int mapSize = 2;
    while (mapSize < palette.size())
        mapSize *= 2;
    ColorMapObject *map = GifMakeMapObject(mapSize, nullptr);
    if (!map) {
        if (error)
            *error = QStringLiteral("Out of memory");
        return false;
    }
    for (int i = 0; i < mapSize; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        map->Colors[i] = GifColorType{static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                                      static_cast<GifByteType>(qBlue(c))};
    }

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        GifFreeMapObject(map);
        if (error)
            *error = file.errorString();
        return false;
    }
    int code = 0;
    GifFileType *gif = EGifOpen(&file, writeToFile, &code);
    if (!gif) {
        GifFreeMapObject(map);
        if (error)
            *error = gifError(code);
        return false;
    }
    bool ok = EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) == GIF_OK
           && EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(static_cast<std::size_t>(image.width()));
    for (int y = 0; ok && y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[static_cast<std::size_t>(x)] = static_cast<GifPixelType>(indexOf(line[x] | 0xff000000u));
        ok = EGifPutLine(gif, row.data(), image.width()) == GIF_OK;
    }
    if (!ok)
        code = gif->Error;
    int closeCode = 0;
    if (EGifCloseFile(gif, &closeCode) != GIF_OK && ok) {
        ok = false;
        code = closeCode;
    }
    GifFreeMapObject(map);
    file.close();
    if (ok && file.error() != QFileDevice::NoError)
        ok = false;
    if (!ok && error)
        *error = gifError(code);
    return ok;
}
