#include "texture.h"
#include "filenames.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QtGlobal>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QImage refuse(const QString &fileName, const QString &why)
{
    qWarning("velkar: no screen picture: \"%s\" in %s: %s",
             qUtf8Printable(printableFileName(fileName)), qUtf8Printable(QDir::currentPath()),
             qUtf8Printable(why));
    return QImage();
}

// What a file-system object is, for a message that says why it is not a picture.
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a directory";
    if (S_ISFIFO(mode))
        return "it is a named pipe, not a regular file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a regular file";
    if (S_ISCHR(mode))
        return "it is a character device, not a regular file";
    if (S_ISBLK(mode))
        return "it is a block device, not a regular file";
    return "it is not a regular file";
}

QString openError(int error)
{
    switch (error) {
    case ENOENT: return "no such file";
    case EACCES: return "no permission to read it";
    case ELOOP: return "it is a loop of symbolic links";
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

struct BmpHeader {
    qint64 width = 0, height = 0;
    quint16 bitsPerPixel = 0;
    quint32 compression = 0, dataOffset = 0;
};

// The Windows BMP header (40 bytes or more after the 14-byte file header); false for other
// files and for old OS/2 headers, which are left to the reader.
bool readBmpHeader(QIODevice &file, BmpHeader *header)
{
    const QByteArray head = file.peek(54);
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
QSize bmpClaimedSize(const BmpHeader &header)
{
    return QSize(int(qBound(qint64(0), header.width, qint64(INT_MAX))),
                 int(qMin(header.height, qint64(INT_MAX))));
}

// Qt's BMP reader fills the rows missing from a truncated file without reporting an error,
// so the pixel data's length is checked against what the header promises.
bool bmpTruncated(const BmpHeader &header, qint64 fileSize)
{
    if (header.compression != 0 && header.compression != 3) // run-length data: no fixed length
        return false;
    const qint64 rowBytes = (header.width * header.bitsPerPixel + 31) / 32 * 4;
    return fileSize < qint64(header.dataOffset) + rowBytes * header.height;
}

QImage decode(const QString &fileName, QFile &file, qint64 fileSize)
{
    // Detecting the format through QImageReader loads every image plugin (and with them Qt
    // Svg and libjpeg) before the built-in BMP reader is asked, a few milliseconds and some
    // 400 kB of start-up; a BMP, known by its header, goes to that reader directly.
    BmpHeader bmp;
    const bool isBmp = file.peek(2) == "BM";
    const bool bmpHeaderRead = isBmp && readBmpHeader(file, &bmp);
    QImageReader reader(&file, isBmp ? QByteArray("bmp") : QByteArray());
    reader.setAutoDetectImageFormat(!isBmp);
    reader.setDecideFormatFromContent(!isBmp);
    if (!reader.canRead())
        return refuse(fileName, "not an image this program can read");
    QSize size = reader.size();
    if (!size.isValid() && bmpHeaderRead)
        size = bmpClaimedSize(bmp);
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return refuse(fileName, QString("its header claims %1x%2 pixels, more than %3x%3")
                                    .arg(size.width())
                                    .arg(size.height())
                                    .arg(kMaxPictureSide));
    if (bmpHeaderRead && bmpTruncated(bmp, fileSize))
        return refuse(fileName, "the file is truncated");

    QImage image;
    if (!reader.read(&image) || image.isNull())
        return refuse(fileName, reader.errorString());
    return image;
}

} // namespace

// The name is opened once, without waiting: a named pipe with no writer or a device would
// otherwise block the first frame for good. Every check after that is made on the
// descriptor that was opened, and the picture is read from it, so the file checked is the
// file read even if the name is changed meanwhile.
QImage loadScreenPicture(const QString &fileName)
{
    if (!usableFileName(fileName))
        return refuse(fileName, unusableNameReason());
    const int fd = ::open(QFile::encodeName(fileName).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refuse(fileName, openError(errno));
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        const QString why = openError(errno);
        ::close(fd);
        return refuse(fileName, why);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return refuse(fileName, kindOf(info.st_mode));
    }
    if (info.st_size > kMaxPictureBytes) {
        ::close(fd);
        return refuse(fileName, QString("it is %1 MiB, more than the %2 MiB a picture of at "
                                        "most %3x%3 pixels needs")
                                    .arg(info.st_size >> 20)
                                    .arg(kMaxPictureBytes >> 20)
                                    .arg(kMaxPictureSide));
    }
    // A regular file never blocks, so the descriptor can go back to ordinary reads.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(fileName, file.errorString());
    }
    return decode(fileName, file, info.st_size);
}
