#include "screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QStandardPaths>

namespace {

// More screenshots than anyone takes within one second; the bound keeps a folder full of
// names that cannot be checked (say, a loop of links) from holding the program.
constexpr int kMaxSameSecond = 1000;

// Why a folder could not be made: what stands in the way on the path to it.
QString whyNoFolder(const QString &folder)
{
    QFileInfo step(folder);
    while (!step.exists() && step.absoluteFilePath() != QDir::rootPath())
        step.setFile(step.absolutePath());
    if (!step.isDir())
        return QCoreApplication::translate("Screenshot", "%1 is not a folder")
            .arg(step.absoluteFilePath());
    if (!step.isWritable())
        return QCoreApplication::translate("Screenshot", "no permission to create a folder in %1")
            .arg(step.absoluteFilePath());
    return QCoreApplication::translate("Screenshot", "the folder cannot be created");
}

// Writes the whole picture, or nothing: a partial file is removed.
QString writePng(QFile &file, const QImage &frame)
{
    QImageWriter writer(&file, "png");
    const bool written = writer.write(frame);
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return QString();
    const QString why =
        file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
    file.remove();
    return why;
}

} // namespace

QString screenshotFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

SavedFrame saveFrame(const QImage &frame, const QString &folder, const QDateTime &when)
{
    if (folder.isEmpty())
        return {folder, QCoreApplication::translate("Screenshot", "there is no Pictures folder")};
    if (!QDir().mkpath(folder))
        return {folder, whyNoFolder(folder)};

    const QString stem = QDir(folder).filePath("velkar-" + when.toString("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= kMaxSameSecond; ++n) {
        const QString path = n == 1 ? stem + ".png" : QString("%1-%2.png").arg(stem).arg(n);
        QFile file(path);
        // NewOnly creates the file or fails, in one step: no other writer can slip in.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return {path, writePng(file, frame)};
        if (!QFileInfo(path).isSymLink() && !QFileInfo::exists(path))
            return {path, file.errorString()};
    }
    return {stem + ".png",
            QCoreApplication::translate("Screenshot", "%1 names of that second are taken")
                .arg(kMaxSameSecond)};
}
