// What velkar remembers from one run to the next, and the file it keeps it in: every setting
// with its default and the values it may take is named once, in settings.cpp.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include "picturesource.h"

struct Remembered {
    QSize size{500, 500}; // the window's, when it is not full screen
    bool fullScreen = false;
    bool placed = false; // whether position is known: only where a program may place itself
    QPoint position;
    bool stayOnTop = false;
    bool hideTitleBar = false;
    PictureSource picture; // as chosen in the window; by default the standard picture

    bool operator==(const Remembered &other) const;
    bool operator!=(const Remembered &other) const { return !(*this == other); }
};

// $XDG_CONFIG_HOME/velkar/velkar.ini (~/.config/velkar/velkar.ini by default), where Qt keeps
// an INI file for the program "velkar".
QString settingsFile();

struct ReadSettings {
    Remembered values;    // a first start's for whatever could not be used
    QString problem;      // what could not be used and why, in one line; empty when all could
    bool writable = true; // false for a file that could not be read or parsed: kept as it is
};

// Reads the file. A missing file is a first start; one that cannot be read or parsed, or a
// folder in its place, gives a first start's values; a value out of its range, or a picture
// that is gone, gives that setting's default. What could not be used is reported in one
// warning line that names the file.
ReadSettings readSettings(const QString &file);

// Replaces the file with one holding these values, whole: written beside it, then renamed
// over it, so a crash leaves the old file or the new one and two writers never mix. The
// folder is made when missing. Returns why it failed; empty on success.
QString writeSettings(const QString &file, const Remembered &values);

// The picture of this run: PICTURE from the command line when given (not remembered),
// otherwise the one remembered.
PictureSource startingPicture(const QString &commandLinePicture, const PictureSource &remembered);
