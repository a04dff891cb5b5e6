#include "texture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <QtGlobal>

namespace {

QImage refuse(const QString &fileName, const QString &why)
{
    qWarning("velkar: no screen picture: \"%s\" in %s: %s", qUtf8Printable(fileName),
             qUtf8Printable(QDir::currentPath()), qUtf8Printable(why));
    return QImage();
}

// Qt's BMP reader fills the rows missing from a truncated file without reporting an error,
// so the pixel data's length is checked against what the header promises.
bool bmpTruncated(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(54);
    if (head.size() < 30 || !head.startsWith("BM"))
        return false;
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    const quint32 dataOffset = qFromLittleEndian<quint32>(bytes + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes + 14);
    if (headerSize < 40 || head.size() < 54)
        return false; // old OS/2 headers: leave them to the reader
    const qint64 width = qFromLittleEndian<qint32>(bytes + 18);
    const qint64 height = qAbs(qint64(qFromLittleEndian<qint32>(bytes + 22)));
    const quint16 bitsPerPixel = qFromLittleEndian<quint16>(bytes + 28);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
    if (compression != 0 && compression != 3) // run-length data has no fixed length
        return false;
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return file.size() < qint64(dataOffset) + rowBytes * height;
}

} // namespace

QImage loadScreenPicture(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return refuse(fileName, "no such file");
    if (info.isDir())
        return refuse(fileName, "it is a directory");

    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return refuse(fileName, info.isReadable() ? "not an image this program can read"
                                                  : "no permission to read it");
    const QSize size = reader.size();
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return refuse(fileName, QString("its header claims %1x%2 pixels, more than %3x%3")
                                    .arg(size.width())
                                    .arg(size.height())
                                    .arg(kMaxPictureSide));
    if (reader.format() == "bmp" && bmpTruncated(fileName))
        return refuse(fileName, "the file is truncated");

    QImage image;
    if (!reader.read(&image) || image.isNull())
        return refuse(fileName, reader.errorString());
    return image;
}
