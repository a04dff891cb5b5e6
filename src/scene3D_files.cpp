// The files the window reads and writes besides its start-up picture: pictures opened or
// dropped, and screenshots.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "scene3D.h"
#include "screenshot.h"
#include "texture.h"

// A picture the user opened or dropped: shown as soon as it is read, and from then on the
// picture source. A picture that cannot be read leaves the one shown, and says why.
void Scene3D::showPicture(const QString &fileName)
{
    loadNamed(fileName, Load::InBackground, [this, fileName](const LoadedPicture &picture) {
        showLoaded(picture);
        choosePictureSource(pictureSource.movedTo(PictureSource::Kind::File,
                                                  QFileInfo(fileName).absoluteFilePath()));
    });
}

// Back to what a first start shows: the standard picture, and the choice forgotten.
void Scene3D::useStandardPicture()
{
    choosePictureSource(pictureSource.movedTo(PictureSource::Kind::Standard, QString()));
    showSource(Load::InBackground);
}

// The first dialog starts in the Pictures folder, each later one where the last picture was
// chosen. A folder that is not there would be typed into the dialog's name box as a file
// name, so the home folder stands in for it. The choice goes through the same loader as a
// drop.
void Scene3D::openPicture()
{
    if (pictureFolder.isEmpty())
        pictureFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString start = QFileInfo(pictureFolder).isDir() ? pictureFolder : QDir::homePath();
    const QString file = pictureChooser(this, start);
    if (file.isEmpty())
        return;
    pictureFolder = QFileInfo(file).absolutePath();
    showPicture(file);
}

// Saving never changes the view; a failure is one warning line and nothing more.
void Scene3D::saveScreenshot()
{
    const QImage frame = grabFrame();
    const SavedFrame saved = saveFrame(frame, screenshotFolder(), QDateTime::currentDateTime());
    if (!saved.error.isEmpty()) {
        const QString line =
            QCoreApplication::translate("Screenshot", "screenshot not saved: %1: %2")
                .arg(saved.path, saved.error);
        qWarning("velkar: %s", qUtf8Printable(line));
        return;
    }
    const QString line = QCoreApplication::translate("Screenshot", "saved %1").arg(saved.path);
    std::printf("velkar: %s\n", qUtf8Printable(line));
    std::fflush(stdout);
}
