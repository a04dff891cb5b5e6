#include "texture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <QtGlobal>
#include <climits>

namespace {

QImage refuse(const QString &fileName, const QString &why)
{
    qWarning("velkar: no screen picture: \"%s\" in %s: %s", qUtf8Printable(fileName),
             qUtf8Printable(QDir::currentPath()), qUtf8Printable(why));
    return QImage();
}

struct BmpHeader {
    qint64 width = 0, height = 0;
    quint16 bitsPerPixel = 0;
    quint32 compression = 0, dataOffset = 0;
};

// The Windows BMP header (40 bytes or more after the 14-byte file header); false for other
// files and for old OS/2 headers, which are left to the reader.
bool readBmpHeader(QFile &file, BmpHeader *header)
{
    const QByteArray head = file.read(54);
    if (head.size() < 54 || !head.startsWith("BM"))
        return false;
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    if (qFromLittleEndian<quint32>(bytes + 14) < 40)
        return false;
    header->dataOffset = qFromLittleEndian<quint32>(bytes + 10);
    header->width = qFromLittleEndian<qint32>(bytes + 18);
    header->height = qAbs(qint64(qFromLittleEndian<qint32>(bytes + 22)));
    header->bitsPerPixel = qFromLittleEndian<quint16>(bytes + 28);
    header->compression = qFromLittleEndian<quint32>(bytes + 30);
    return true;
}

// Qt's BMP reader refuses a header of more than 16384 x 16384 pixels without telling its
// size, so the size is read here to say what is wrong with the file.
QSize bmpClaimedSize(const QString &fileName)
{
    QFile file(fileName);
    BmpHeader header;
    if (!file.open(QIODevice::ReadOnly) || !readBmpHeader(file, &header))
        return QSize();
    return QSize(int(qBound(qint64(0), header.width, qint64(INT_MAX))),
                 int(qMin(header.height, qint64(INT_MAX))));
}

// Qt's BMP reader fills the rows missing from a truncated file without reporting an error,
// so the pixel data's length is checked against what the header promises.
bool bmpTruncated(const QString &fileName)
{
    QFile file(fileName);
    BmpHeader header;
    if (!file.open(QIODevice::ReadOnly) || !readBmpHeader(file, &header))
        return false;
    if (header.compression != 0 && header.compression != 3) // run-length data: no fixed length
        return false;
    const qint64 rowBytes = (header.width * header.bitsPerPixel + 31) / 32 * 4;
    return file.size() < qint64(header.dataOffset) + rowBytes * header.height;
}

bool hasBmpMagic(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "BM";
}

} // namespace

QImage loadScreenPicture(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return refuse(fileName, "no such file");
    if (info.isDir())
        return refuse(fileName, "it is a directory");

    // Detecting the format through QImageReader loads every image plugin (and with them Qt
    // Svg and libjpeg) before the built-in BMP reader is asked, a few milliseconds and some
    // 400 kB of start-up; a BMP, known by its magic, goes to that reader directly.
    const bool bmp = hasBmpMagic(fileName);
    QImageReader reader(fileName, bmp ? QByteArray("bmp") : QByteArray());
    reader.setAutoDetectImageFormat(!bmp);
    reader.setDecideFormatFromContent(!bmp);
    if (!reader.canRead())
        return refuse(fileName, info.isReadable() ? "not an image this program can read"
                                                  : "no permission to read it");
    // Asked before size(): a reader that fails to read the header forgets the format.
    const QByteArray format = reader.format();
    QSize size = reader.size();
    if (!size.isValid() && format == "bmp")
        size = bmpClaimedSize(fileName);
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return refuse(fileName, QString("its header claims %1x%2 pixels, more than %3x%3")
                                    .arg(size.width())
                                    .arg(size.height())
                                    .arg(kMaxPictureSide));
    if (format == "bmp" && bmpTruncated(fileName))
        return refuse(fileName, "the file is truncated");

    QImage image;
    if (!reader.read(&image) || image.isNull())
        return refuse(fileName, reader.errorString());
    return image;
}
