#include "texture.h"

#include <QCoreApplication>
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

#include "filenames.h"

namespace {

// What a file-system object is, for a message that says why it is not a picture.
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("Picture", "it is a directory");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("Picture", "it is a named pipe, not a regular file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("Picture", "it is a socket, not a regular file");
    if (S_ISCHR(mode))
        return QCoreApplication::translate("Picture",
                                           "it is a character device, not a regular file");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("Picture", "it is a block device, not a regular file");
    return QCoreApplication::translate("Picture", "it is not a regular file");
}

QString openError(int error)
{
    switch (error) {
    case ENOENT: return QCoreApplication::translate("Picture", "no such file");
    case EACCES: return QCoreApplication::translate("Picture", "no permission to read it");
    case ELOOP: return QCoreApplication::translate("Picture", "it is a loop of symbolic links");
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

// The picture, or why it cannot be read.
QImage decode(QFile &file, qint64 fileSize, QString &why)
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
    if (!reader.canRead()) {
        why = QCoreApplication::translate("Picture", "not an image this program can read");
        return QImage();
    }
    QSize size = reader.size();
    if (!size.isValid() && bmpHeaderRead)
        size = bmpClaimedSize(bmp);
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) {
        why = QCoreApplication::translate("Picture",
                                          "its header claims %1x%2 pixels, more than %3x%3")
                  .arg(size.width())
                  .arg(size.height())
                  .arg(kMaxPictureSide);
        return QImage();
    }
    if (bmpHeaderRead && bmpTruncated(bmp, fileSize)) {
        why = QCoreApplication::translate("Picture", "the file is truncated");
        return QImage();
    }
    QImage image;
    if (!reader.read(&image) || image.isNull())
        why = reader.errorString();
    return image;
}

} // namespace

FileStamp fileStamp(const struct stat &info)
{
    return {info.st_dev, info.st_ino, info.st_size,
            info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec};
}

std::optional<FileStamp> currentStamp(const QByteArray &path)
{
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return fileStamp(info);
}

QString pictureWarning(const QString &name, const QString &why)
{
    return "velkar: " +
           QCoreApplication::translate("Picture", "no screen picture: \"%1\" in %2: %3")
               .arg(printableFileName(name), QDir::currentPath(), why);
}

// The name is opened once, without waiting: a named pipe with no writer or a device would
// otherwise block the first frame for good. Every check after that is made on the
// descriptor that was opened, and the picture is read from it, so the file checked is the
// file read even if the name is changed meanwhile.
PictureRead readScreenPicture(const QByteArray &path)
{
    PictureRead read;
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        read.why = openError(errno);
        return read;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        read.why = openError(errno);
    else if (!S_ISREG(info.st_mode))
        read.why = kindOf(info.st_mode);
    else if (info.st_size > kMaxPictureBytes)
        read.why = QCoreApplication::translate("Picture",
                                               "it is %1 MiB, more than the %2 MiB a picture of at "
                                               "most %3x%3 pixels needs")
                       .arg(info.st_size >> 20)
                       .arg(kMaxPictureBytes >> 20)
                       .arg(kMaxPictureSide);
    if (!read.why.isEmpty()) {
        ::close(fd);
        return read;
    }
    read.stamp = fileStamp(info);
    // A regular file never blocks, so the descriptor can go back to ordinary reads.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        read.why = file.errorString();
        return read;
    }
    read.image = decode(file, info.st_size, read.why);
    return read;
}

QImage loadScreenPicture(const QString &fileName)
{
    if (!usableFileName(fileName)) {
        qWarning("%s", qUtf8Printable(pictureWarning(fileName, unusableNameReason())));
        return QImage();
    }
    const PictureRead read = readScreenPicture(QFile::encodeName(fileName));
    if (read.image.isNull())
        qWarning("%s", qUtf8Printable(pictureWarning(fileName, read.why)));
    return read.image;
}
