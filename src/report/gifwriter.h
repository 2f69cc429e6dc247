#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// A palette for `image`: its own colours when there are at most 256, otherwise its 256 most
// frequent colours (so white, black and the graph colours stay exact).
QVector<QRgb> GifPalette(const QImage &image);

// Writes `image` as a GIF picture. False, with a reason in `error`, when the file cannot be written.
bool WriteGif(const QImage &image, const QString &fileName, QString *error = nullptr);
