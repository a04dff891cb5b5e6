// Writing a picture to the file named on the command line: whole or not at all.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The image format FILE's extension asks for: "png" (also with no extension, and for "-",
// standard output) or "jpeg" (.jpg, .jpeg); empty for any other extension.
QByteArray outputFormat(const QString &fileName);

// Writes the picture to a temporary file beside FILE and renames it into place, so a
// failure neither leaves a partial file nor destroys the one there; an existing regular
// file is replaced. "-" writes PNG to standard output. Returns why it failed, in a few
// words; empty on success.
QString writeOutputFile(const QImage &picture, const QString &fileName);
