#include "matte.h"

#include <algorithm>

namespace {

// The background shows through by (white - black) / 255 in each channel; rounding in the
// framebuffer can make the channels differ by one, and the least of them is taken, so that
// the colour below never comes out brighter than 255.
QRgb matted(QRgb black, QRgb white)
{
    if (black == white)
        return black | 0xff000000u;
    const int through = std::min(
        {qRed(white) - qRed(black), qGreen(white) - qGreen(black), qBlue(white) - qBlue(black)});
    const int alpha = 255 - std::clamp(through, 0, 255);
    if (alpha == 0)
        return qRgba(0, 0, 0, 0);
    const auto straight = [alpha](int c) { return std::min(255, (c * 255 + alpha / 2) / alpha); };
    return qRgba(straight(qRed(black)), straight(qGreen(black)), straight(qBlue(black)), alpha);
}

} // namespace

QImage matte(const QImage &overBlack, const QImage &overWhite)
{
    QImage result(overBlack.size(), QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        const QRgb *black = reinterpret_cast<const QRgb *>(overBlack.constScanLine(y));
        const QRgb *white = reinterpret_cast<const QRgb *>(overWhite.constScanLine(y));
        QRgb *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            out[x] = matted(black[x], white[x]);
    }
    return result;
}
