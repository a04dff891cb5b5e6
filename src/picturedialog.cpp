#include "picturedialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMimeDatabase>

namespace {

constexpr const char *kPictureTypes[] = {
    "image/bmp",
    "image/gif",
    "image/jpeg",
    "image/png",
    "image/vnd.microsoft.icon",
    "image/x-portable-bitmap",
    "image/x-portable-graymap",
    "image/x-portable-pixmap",
    "image/x-xbitmap",
    "image/x-xpixmap",
};

} // namespace

QStringList pictureTypes()
{
    QStringList types;
    for (const char *type : kPictureTypes)
        types << type;
    return types;
}

QString pictureFilters()
{
    const QMimeDatabase mimes;
    QStringList patterns;
    for (const QString &type : pictureTypes())
        patterns << mimes.mimeTypeForName(type).globPatterns();
    patterns.removeDuplicates();
    return QCoreApplication::translate("OpenPicture", "Pictures (%1)").arg(patterns.join(' ')) +
           ";;" + QCoreApplication::translate("OpenPicture", "All files (*)");
}

QString choosePicture(QWidget *parent, const QString &folder)
{
    return QFileDialog::getOpenFileName(parent,
                                        QCoreApplication::translate("OpenPicture", "Open Picture"),
                                        folder, pictureFilters());
}

QString choosePictureFolder(QWidget *parent, const QString &folder)
{
    return QFileDialog::getExistingDirectory(
        parent, QCoreApplication::translate("OpenPicture", "Open Folder"), folder);
}
