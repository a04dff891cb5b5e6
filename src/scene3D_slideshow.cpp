// The picture on the main screen after the first frame: a folder's pictures in turn, the
// neighbours of a single picture, and the picture shown following its file. Pictures are read
// in the background and reach the screen when they are ready; the clock never waits for them.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include "filenames.h"
#include "scene3D.h"
#include "texture.h"

namespace {

QByteArray folderOf(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QString noPictureWarning(const QString &folder, const QString &why)
{
    if (why.isEmpty())
        return QCoreApplication::translate(
                   "Slideshow", "no picture in \"%1\" can be read; the standard picture is shown")
            .arg(folder);
    return QCoreApplication::translate(
               "Slideshow", "no picture in \"%1\" can be read: %2; the standard picture is shown")
        .arg(folder, why);
}

} // namespace

// The user's choice in the window: the source changes and whoever remembers it is told.
void Scene3D::choosePictureSource(const PictureSource &source)
{
    pictureSource = source;
    if (pictureSourceChosen)
        pictureSourceChosen(pictureSource);
}

void Scene3D::setPictureSource(const PictureSource &source)
{
    pictureSource = source;
    if (textureTried)
        showSource(Load::InBackground);
}

// The first frame reads its picture at once, so that it shows in that frame; later ones are
// read in the background.
void Scene3D::showSource(Load when)
{
    if (pictureSource.kind != PictureSource::Kind::Folder) {
        loadNamed(pictureSource.file(), when,
                  [this](const LoadedPicture &picture) { showLoaded(picture); });
        return;
    }
    slideshow.start(QFile::encodeName(pictureSource.path), pictureSource.shuffle);
    folderReported = false;
    stepPictures(1, -1, when);
}

// Tries the pictures in turn from the one after (or before) the current, until one can be
// read; TRIES is how many more may be tried, -1 for every picture of the folder. A folder
// with none that can be read shows the standard picture.
void Scene3D::stepPictures(int direction, int tries, Load when)
{
    const QByteArray path = slideshow.step(direction);
    lastStep = tick(); // the next is due an interval after this step, however long it takes
    if (tries < 0)
        tries = slideshow.count();
    if (path.isEmpty() || tries == 0) {
        if (!folderReported)
            qWarning("velkar: %s", qUtf8Printable(noPictureWarning(
                                       printableFileName(slideshow.folder()), slideshow.why())));
        folderReported = true;
        showStandardPicture(when);
        return;
    }
    load(path, when, [this, direction, tries, when](const LoadedPicture &picture) {
        if (picture.levels.empty()) {
            reportOnce(picture);
            stepPictures(direction, tries - 1, when);
            return;
        }
        folderReported = false;
        showLoaded(picture);
        // A single picture's neighbour becomes the picture chosen, as if it had been opened;
        // a name that is not text could not be remembered as itself, so the choice stays.
        const QString file = QFile::decodeName(picture.path);
        if (pictureSource.kind == PictureSource::Kind::File &&
            QFile::encodeName(file) == picture.path)
            choosePictureSource(pictureSource.movedTo(PictureSource::Kind::File,
                                                      QFileInfo(file).absoluteFilePath()));
    });
}

void Scene3D::showStandardPicture(Load when)
{
    const QByteArray path = QFile::encodeName(kStandardPicture);
    if (shownFile == path)
        return;
    load(path, when, [this](const LoadedPicture &picture) { showOrReport(picture); });
}

// A picture named by the user, read by its name's bytes; one that cannot be read is reported.
// A name holding bytes that are not text is refused: it would name another file.
void Scene3D::loadNamed(const QString &file, Load when,
                        std::function<void(const LoadedPicture &)> shown)
{
    if (!usableFileName(file)) {
        qWarning("%s", qUtf8Printable(pictureWarning(file, unusableNameReason())));
        return;
    }
    load(QFile::encodeName(file), when, [file, shown](const LoadedPicture &picture) {
        if (picture.levels.empty())
            qWarning("%s", qUtf8Printable(pictureWarning(file, picture.why)));
        else
            shown(picture);
    });
}

void Scene3D::load(const QByteArray &path, Load when,
                   std::function<void(const LoadedPicture &)> done)
{
    if (when == Load::Now) {
        done(loadPicture(path));
        return;
    }
    arrived = nullptr; // a picture read earlier and not shown yet is no longer wanted
    pictureLoader.load(path, [this, done](LoadedPicture picture) {
        const int uploadMs = uploadMsFor(picture.levels);
        arrived = [this, done, picture = std::move(picture)] {
            surface().makeCurrent();
            done(picture);
            updateGL();
        };
        if (!repaintTimer->isActive() || repaintTimer->remainingTime() > uploadMs)
            showArrived();
    });
}

// Uploading a large picture takes the GUI thread long enough to hold the clock's next frame
// back: its 85 MiB of levels took 115 to 140 ms on a quiet two-core machine, and more than
// 300 ms when other programs kept both cores busy. So a picture that arrives too close to the
// next second waits for that second's frame, and then has the whole second.
int Scene3D::uploadMsFor(const TextureLevels &levels)
{
    size_t bytes = 0;
    for (const TextureLevel &level : levels)
        bytes += level.texels.size();
    return 20 + int(6 * (bytes >> 20)); // 6 ms a MiB: four times the quiet machine's
}

bool Scene3D::pictureLoading() const
{
    return pictureLoader.busy() || arrived;
}

void Scene3D::showArrived()
{
    if (!arrived)
        return;
    const std::function<void()> show = std::move(arrived);
    arrived = nullptr;
    show();
}

// With the levels ready only the upload is left to do here. Needs the context current.
void Scene3D::showLoaded(const LoadedPicture &picture)
{
    if (texture)
        glDeleteTextures(1, &texture);
    texture = uploadTextureLevels(picture.levels);
    textureTried = true;
    shownFile = picture.path;
    shownStamp = picture.stamp;
}

void Scene3D::showOrReport(const LoadedPicture &picture)
{
    if (picture.levels.empty())
        reportOnce(picture);
    else
        showLoaded(picture);
}

void Scene3D::reportOnce(const LoadedPicture &picture)
{
    if (reported.contains(picture.path))
        return;
    reported << picture.path;
    qWarning("%s", qUtf8Printable(pictureWarning(decodeFileName(picture.path), picture.why)));
}

// Called once a second, after the clock's frame. A folder's next picture is due an interval
// after the last came on screen; otherwise the file shown is looked at, and read again when
// it has been rewritten or replaced. Comparing a stamp is one stat() a second, and it sees a
// file replaced by a rename, which a watch on the name loses. A file deleted stays on screen.
void Scene3D::followPictures()
{
    if (!textureTried || pictureLoading())
        return;
    if (pictureSource.kind == PictureSource::Kind::Folder &&
        tick() - lastStep >= pictureSource.intervalSeconds * 1000LL) {
        stepPictures(1, -1, Load::InBackground);
        return;
    }
    const std::optional<FileStamp> now = currentStamp(shownFile);
    if (shownFile.isEmpty() || !now || *now == shownStamp)
        return;
    shownStamp = *now; // a file that cannot be read now is tried again when it changes again
    load(shownFile, Load::InBackground,
         [this](const LoadedPicture &picture) { showOrReport(picture); });
}

void Scene3D::openFolder()
{
    if (pictureFolder.isEmpty())
        pictureFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString folder = folderChooser(this, pictureFolder);
    if (folder.isEmpty())
        return;
    pictureFolder = folder;
    pictureSource =
        pictureSource.movedTo(PictureSource::Kind::Folder, QFileInfo(folder).absoluteFilePath());
    showSource(Load::InBackground);
    choosePictureSource(pictureSource);
}

// A folder steps through its pictures; a single picture through its own folder's, by name.
// The standard picture has no neighbours.
void Scene3D::nextPicture()
{
    stepFromShown(1);
}

void Scene3D::previousPicture()
{
    stepFromShown(-1);
}

void Scene3D::stepFromShown(int direction)
{
    if (pictureSource.kind == PictureSource::Kind::Standard)
        return;
    if (pictureSource.kind == PictureSource::Kind::File) {
        const QByteArray from =
            shownFile.isEmpty() ? QFile::encodeName(pictureSource.path) : shownFile;
        slideshow.start(folderOf(from), false, nameOf(from));
    }
    stepPictures(direction, -1, Load::InBackground);
}

void Scene3D::setSlideshowInterval(int seconds)
{
    if (pictureSource.intervalSeconds == seconds)
        return;
    pictureSource.intervalSeconds = seconds;
    choosePictureSource(pictureSource);
}

void Scene3D::toggleShuffle()
{
    pictureSource.shuffle = !pictureSource.shuffle;
    slideshow.setShuffle(pictureSource.shuffle);
    choosePictureSource(pictureSource);
}
