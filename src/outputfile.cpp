#include "outputfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "filenames.h"
#include "pngfile.h"

namespace {

constexpr int kJpegQuality = 95;
constexpr int kDotsPerMeter = 3780; // 96 dots an inch
// Temporary names taken by files no run removed (a crash) are passed over, up to this many.
constexpr int kTemporaryTries = 100;

// Renaming over a folder, a FIFO or a device would replace it with a file; they are
// refused instead.
QString refusedTarget(const QFileInfo &target)
{
    if (target.isDir())
        return QCoreApplication::translate("CommandLine", "it is a folder");
    if (target.exists() && !target.isFile())
        return QCoreApplication::translate("CommandLine", "it is not a regular file");
    return QString();
}

// A new file beside the target, hidden, named after it. It gets the permissions a new file
// gets, or the target's when there is one.
QString openTemporary(const QFileInfo &target, QFile &file)
{
    for (int n = 1; n <= kTemporaryTries; ++n) {
        file.setFileName(target.dir().filePath(QString(".%1.%2-%3.part")
                                                   .arg(target.fileName())
                                                   .arg(QCoreApplication::applicationPid())
                                                   .arg(n)));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (target.exists())
                file.setPermissions(target.permissions());
            return QString();
        }
        if (!file.exists())
            return file.errorString();
    }
    return QCoreApplication::translate("CommandLine", "no temporary file could be made beside it");
}

QString writeStandardOutput(const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return QString();
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

QByteArray encodePicture(const QImage &picture, const QByteArray &format)
{
    if (format == "png")
        return encodePng(picture);
    // The density JFIF records is the picture's, which the toolkits default differently.
    QImage fixed = picture;
    fixed.setDotsPerMeterX(kDotsPerMeter);
    fixed.setDotsPerMeterY(kDotsPerMeter);
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    writer.setQuality(kJpegQuality);
    return writer.write(fixed) ? encoded.data() : QByteArray();
}

OutputFiles::~OutputFiles()
{
    for (const Staged &file : m_staged)
        QFile::remove(file.temporary);
}

// The bytes are encoded before: the file's own error then says why a write failed (a full
// disk, say).
QString OutputFiles::stage(const QString &fileName, const QByteArray &bytes)
{
    // Written under a name that is not the one asked for, it would be another file.
    if (!usableFileName(fileName))
        return unusableNameReason();
    const QFileInfo target(fileName);
    const QString refused = refusedTarget(target);
    if (!refused.isEmpty())
        return refused;
    QFile file;
    const QString why = openTemporary(target, file);
    if (!why.isEmpty())
        return why;
    m_staged.push_back({file.fileName(), fileName});
    // A write cut short says nothing; the next one says why (a full disk, say).
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 more = file.write(bytes.constData() + written, bytes.size() - written);
        if (more <= 0)
            return file.errorString();
        written += more;
    }
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

QString OutputFiles::add(const QImage &picture, const QString &fileName, const QByteArray &format)
{
    const QByteArray bytes = encodePicture(picture, format);
    if (bytes.isEmpty())
        return QCoreApplication::translate("CommandLine", "the picture could not be encoded");
    return fileName == "-" ? writeStandardOutput(bytes) : stage(fileName, bytes);
}

// rename() replaces the target in one step. Should one fail, the files of the set already
// renamed are removed again.
QString OutputFiles::commit()
{
    for (size_t i = 0; i < m_staged.size(); ++i) {
        if (std::rename(QFile::encodeName(m_staged[i].temporary).constData(),
                        QFile::encodeName(m_staged[i].target).constData()) == 0)
            continue;
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        for (size_t done = 0; done < i; ++done)
            QFile::remove(m_staged[done].target);
        m_staged.erase(m_staged.begin(), m_staged.begin() + long(i));
        return why;
    }
    m_staged.clear();
    return QString();
}
