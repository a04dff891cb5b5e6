// Saving the window's frame as a PNG file.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

struct SavedFrame {
    QString path;  // the file written, or where writing failed
    QString error; // why it failed; empty on success
};

// The folder screenshots go to: the user's Pictures folder.
QString screenshotFolder();

// Writes the frame to FOLDER/velkar-YYYYMMDD-HHMMSS.png, named after WHEN (local time),
// adding -2, -3, ... when that name is taken; an existing file is never replaced. The
// folder is created when missing. A file that could not be written whole is removed.
SavedFrame saveFrame(const QImage &frame, const QString &folder, const QDateTime &when);
