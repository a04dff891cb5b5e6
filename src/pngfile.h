// PNG files written with fixed settings, so the same picture gives the same bytes in every
// run and in both builds, whatever the toolkit's own writer would choose.
#pragma once

#include <QByteArray>
#include <QImage>

// Eight bits a channel: RGB for an opaque picture (QImage::Format_RGB32), RGBA for one with
// straight alpha (QImage::Format_ARGB32). Only the chunks a picture needs: no time, no text.
QByteArray encodePng(const QImage &picture);
