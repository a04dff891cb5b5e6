// Reading the main screen's picture.
#pragma once

#include <QImage>
#include <QString>

// The largest picture accepted, per side. A header that claims more is refused before
// decoding, so a hostile file cannot make the program allocate gigabytes.
constexpr int kMaxPictureSide = 4096;

// The largest file accepted, checked before anything is decoded. The widest pixels the
// image readers decode are 16-bit RGBA, 8 bytes; a picture at the side limit stored that
// way uncompressed is 128 MiB, and 1 MiB more leaves room for headers, palettes and
// metadata. No binary picture within the side limit is larger, and a larger file would
// cost that much reading before it could be refused.
constexpr qint64 kMaxPictureBytes = qint64(kMaxPictureSide) * kMaxPictureSide * 8 + (1 << 20);

// Reads the picture, its format detected from its contents. Only a regular file (links
// followed) is read. On any failure returns a null image and writes one warning line naming
// the file, the working directory and what is wrong.
QImage loadScreenPicture(const QString &fileName);
