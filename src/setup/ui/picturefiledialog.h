#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The name filter of the picture-file open dialog: every format the program can read, first all of
// them together, then one entry per format, then all files.
QStringList pictureNameFilters();

// Asks for a picture file in an open dialog that previews the selected picture. Returns the chosen
// path, or an empty text when the user cancels.
QString choosePictureFile(QWidget *parent);
