#include "outputfile.h"
#include "filenames.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>

namespace {

constexpr int kJpegQuality = 95;

// Encoded in memory first: the file's own error then says why a write failed (a full
// disk, say), and the encoder has no partial file to complain about.
QString write(const QImage &picture, QFileDevice &file, const QByteArray &format)
{
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    if (format == "jpeg")
        writer.setQuality(kJpegQuality);
    if (!writer.write(picture))
        return writer.errorString();
    if (file.write(encoded.data()) != encoded.size() || !file.flush())
        return file.errorString();
    return QString();
}

QString writeStandardOutput(const QImage &picture)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return out.errorString();
    return write(picture, out, "png");
}

} // namespace

QByteArray outputFormat(const QString &fileName)
{
    if (fileName == "-")
        return "png";
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix.isEmpty() || suffix == "png")
        return "png";
    if (suffix == "jpg" || suffix == "jpeg")
        return "jpeg";
    return QByteArray();
}

QString writeOutputFile(const QImage &picture, const QString &fileName)
{
    if (fileName == "-")
        return writeStandardOutput(picture);
    // Written under a name that is not the one asked for, it would be another file.
    if (!usableFileName(fileName))
        return unusableNameReason();
    // Renaming over a folder, a FIFO or a device would replace it with a file; they are
    // refused instead.
    const QFileInfo target(fileName);
    if (target.isDir())
        return QCoreApplication::translate("CommandLine", "it is a folder");
    if (target.exists() && !target.isFile())
        return QCoreApplication::translate("CommandLine", "it is not a regular file");

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QString why = write(picture, file, outputFormat(fileName));
    if (!why.isEmpty()) {
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}
