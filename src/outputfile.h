// Writing pictures to the files named on the command line: whole or not at all.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

// The image format FILE's extension asks for: "png" (also with no extension, and for "-",
// standard output) or "jpeg" (.jpg, .jpeg); empty for any other extension.
QByteArray outputFormat(const QString &fileName);

// The picture as a file of that format: PNG with fixed settings (pngfile.h), JPEG at
// quality 95. Empty when it cannot be encoded.
QByteArray encodePicture(const QImage &picture, const QByteArray &format);

// Files written as one set. Each is written to a temporary file beside its place; commit()
// renames them all into place, so a failure neither leaves a partial file nor destroys one
// there, and an existing regular file is replaced only by a whole new one. Whatever is not
// committed is removed when the set goes.
class OutputFiles
{
public:
    OutputFiles() = default;
    ~OutputFiles();
    OutputFiles(const OutputFiles &) = delete;
    OutputFiles &operator=(const OutputFiles &) = delete;

    // Each returns why it failed, in a few words; empty on success. After a failed commit
    // none of the set is in place.
    QString stage(const QString &fileName, const QByteArray &bytes);
    // The picture encoded in FORMAT and staged as FILE; "-" writes it to standard output,
    // outside the set.
    QString add(const QImage &picture, const QString &fileName, const QByteArray &format);
    QString commit();

private:
    struct Staged {
        QString temporary, target;
    };
    std::vector<Staged> m_staged;
};
