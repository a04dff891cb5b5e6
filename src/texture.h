// Reading the main screen's picture.
#pragma once

#include <QImage>
#include <QString>

// The largest picture accepted, per side. A header that claims more is refused before
// decoding, so a hostile file cannot make the program allocate gigabytes.
constexpr int kMaxPictureSide = 4096;

// Reads the picture, its format detected from its contents. On any failure returns a null
// image and writes one warning line naming the file and the working directory.
QImage loadScreenPicture(const QString &fileName);
