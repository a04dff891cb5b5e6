// A transparent background, from the same frame drawn over black and over white.
#pragma once

#include <QImage>

// Blending is linear in what lies below, so a pixel drawn over black is the phone's own part
// of it, and over white that plus the background the phone lets through. Where the two agree
// the phone covers the pixel: that colour, alpha 255. Elsewhere alpha is the phone's
// coverage and the colour its own, not premultiplied. Both frames are Format_RGB32 of one
// size; the result is Format_ARGB32.
QImage matte(const QImage &overBlack, const QImage &overWhite);
