// Where the main screen's picture comes from: the standard picture, one file, or a folder of
// pictures shown in turn.
#pragma once

#include <QString>

// The picture when no other is chosen, read from the working directory.
inline const QString kStandardPicture = QStringLiteral("nqw.bmp");

struct PictureSource {
    enum class Kind { Standard, File, Folder };
    Kind kind = Kind::Standard;
    QString path;             // the file or the folder; empty for the standard picture
    int intervalSeconds = 60; // how long each of a folder's pictures stays
    bool shuffle = false;     // a folder's pictures in random order rather than by name

    // The file to show first: the standard picture, or the file itself.
    QString file() const { return kind == Kind::Standard ? kStandardPicture : path; }

    // Another picture or folder, shown with this source's interval and order.
    PictureSource movedTo(Kind otherKind, const QString &otherPath) const
    {
        return {otherKind, otherPath, intervalSeconds, shuffle};
    }

    bool operator==(const PictureSource &other) const
    {
        return kind == other.kind && path == other.path &&
               intervalSeconds == other.intervalSeconds && shuffle == other.shuffle;
    }
    bool operator!=(const PictureSource &other) const { return !(*this == other); }
};
