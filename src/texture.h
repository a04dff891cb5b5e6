// Reading the main screen's picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <sys/types.h>

struct stat;

// The largest picture accepted, per side. A header that claims more is refused before
// decoding, so a hostile file cannot make the program allocate gigabytes.
constexpr int kMaxPictureSide = 4096;

// The largest file accepted, checked before anything is decoded. The widest pixels the
// image readers decode are 16-bit RGBA, 8 bytes; a picture at the side limit stored that
// way uncompressed is 128 MiB, and 1 MiB more leaves room for headers, palettes and
// metadata. No binary picture within the side limit is larger, and a larger file would
// cost that much reading before it could be refused.
constexpr qint64 kMaxPictureBytes = qint64(kMaxPictureSide) * kMaxPictureSide * 8 + (1 << 20);

// What tells one version of a file from the next: a file rewritten in place changes its
// size or modification time, one replaced by a rename its inode.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;

    bool operator==(const FileStamp &o) const
    {
        return device == o.device && inode == o.inode && size == o.size &&
               modifiedNs == o.modifiedNs;
    }
    bool operator!=(const FileStamp &o) const { return !(*this == o); }
};
FileStamp fileStamp(const struct stat &info);

// The stamp of the regular file at PATH now; nothing when there is none.
std::optional<FileStamp> currentStamp(const QByteArray &path);

// A picture read, or why not; safe on any thread, and it prints nothing.
struct PictureRead {
    QImage image;    // null when it could not be read
    FileStamp stamp; // of the file read
    QString why;
};

// Reads the picture at PATH, the file name's exact bytes, its format detected from its
// contents. Only a regular file (links followed) is read.
PictureRead readScreenPicture(const QByteArray &path);

// The one warning line for a picture that cannot be read: the file, the working directory
// and what is wrong.
QString pictureWarning(const QString &name, const QString &why);

// Reads the picture as above; on any failure returns a null image and writes the warning.
QImage loadScreenPicture(const QString &fileName);
