#pragma once

#include <QImage>
#include <QSize>

// The program's own pictures, drawn rather than shipped as files so they scale to any size.

// The program's picture: the splash window, the main window's background, the welcome strip.
QImage programPicture(const QSize &size);
// The product picture of the about box.
QImage productPicture(const QSize &size);
// The small picture beside the web link.
QImage webLinkPicture(const QSize &size);
// The yellow square with a step number that marks the steps of an estimation.
QImage stepMarkerPicture(const QSize &size, int number);
