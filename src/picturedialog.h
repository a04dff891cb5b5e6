// Open Picture: the platform's file dialog, for the picture on the main screen.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The MIME types offered, the ones the desktop entry lists: every one the image readers read.
QStringList pictureTypes();

// The dialog's filters: the picture types, then all files.
QString pictureFilters();

// Asks for a picture with the platform's dialog (the portal's, on a desktop that has one),
// starting in FOLDER. Gives the file chosen, or nothing when cancelled.
QString choosePicture(QWidget *parent, const QString &folder);

// Asks for a folder of pictures with the platform's dialog, starting in FOLDER. Gives the
// folder chosen, or nothing when cancelled.
QString choosePictureFolder(QWidget *parent, const QString &folder);
