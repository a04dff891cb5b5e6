#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// X11 keeps window sizes and places in 16 bits; anything beyond was never a real window.
constexpr int kLargestSide = 16384;
constexpr int kFarthestPlace = 32767;
constexpr int kLongestInterval = 24 * 60 * 60;

// Each setting reaches its field through one of these, so that reading and writing share
// the table below.
using NumberField = int &(*)(Remembered &);
using FlagField = bool &(*)(Remembered &);

struct NumberSetting {
    const char *key;
    NumberField field;
    int lowest, highest;
};

struct FlagSetting {
    const char *key;
    FlagField field;
};

// Every setting, with the values it may take; the defaults are Remembered's. The window's
// place is written only where the window system lets a program place itself.
// clang-format off
const NumberSetting kNumbers[] = {
//   key                   field                                                                    lowest           highest
    {"window/width",       [](Remembered &r) -> int & { return r.size.rwidth(); },                 1,               kLargestSide},
    {"window/height",      [](Remembered &r) -> int & { return r.size.rheight(); },                1,               kLargestSide},
    {"window/x",           [](Remembered &r) -> int & { return r.position.rx(); },                 -kFarthestPlace, kFarthestPlace},
    {"window/y",           [](Remembered &r) -> int & { return r.position.ry(); },                 -kFarthestPlace, kFarthestPlace},
    {"picture/interval",   [](Remembered &r) -> int & { return r.picture.intervalSeconds; },       1,               kLongestInterval},
};
const FlagSetting kFlags[] = {
    {"window/fullScreen",  [](Remembered &r) -> bool & { return r.fullScreen; }},
    {"window/stayOnTop",   [](Remembered &r) -> bool & { return r.stayOnTop; }},
    {"window/hideTitleBar",[](Remembered &r) -> bool & { return r.hideTitleBar; }},
    {"picture/shuffle",    [](Remembered &r) -> bool & { return r.picture.shuffle; }},
};
// clang-format on
const char *const kPictureKind = "picture/kind";
const char *const kPicturePath = "picture/path";
const char *const kKindNames[] = {"standard", "file", "folder"}; // PictureSource::Kind's order

bool isPlace(const char *key)
{
    return std::strcmp(key, "window/x") == 0 || std::strcmp(key, "window/y") == 0;
}

void readNumbers(const QSettings &ini, Remembered &values, QStringList &problems)
{
    bool placeRead = ini.contains("window/x") && ini.contains("window/y");
    for (const NumberSetting &setting : kNumbers) {
        if (!ini.contains(setting.key))
            continue;
        const QString text = ini.value(setting.key).toString();
        bool ok = false;
        const int value = text.toInt(&ok);
        if (ok && value >= setting.lowest && value <= setting.highest) {
            setting.field(values) = value;
            continue;
        }
        problems << QCoreApplication::translate("Settings",
                                                "%1 \"%2\" is not a number from %3 to %4")
                        .arg(setting.key, text, QString::number(setting.lowest),
                             QString::number(setting.highest));
        placeRead = placeRead && !isPlace(setting.key);
    }
    values.placed = placeRead;
    if (!placeRead)
        values.position = QPoint();
}

void readFlags(const QSettings &ini, Remembered &values, QStringList &problems)
{
    for (const FlagSetting &setting : kFlags) {
        if (!ini.contains(setting.key))
            continue;
        const QString text = ini.value(setting.key).toString();
        if (text == "true" || text == "false")
            setting.field(values) = text == "true";
        else
            problems << QCoreApplication::translate("Settings",
                                                    "%1 \"%2\" is neither true nor false")
                            .arg(setting.key, text);
    }
}

// The picture only when it is still there: a file as a file, a folder as a folder.
void readPicture(const QSettings &ini, Remembered &values, QStringList &problems)
{
    const QString kind = ini.value(kPictureKind, kKindNames[0]).toString();
    const QFileInfo path(ini.value(kPicturePath).toString());
    const bool file = kind == kKindNames[1], folder = kind == kKindNames[2];
    if (kind == kKindNames[0])
        return;
    if (!file && !folder)
        problems << QCoreApplication::translate("Settings",
                                                "%1 \"%2\" is none of standard, file, folder")
                        .arg(kPictureKind, kind);
    else if (file ? !path.isFile() : !path.isDir())
        problems << (file ? QCoreApplication::translate("Settings", "the file \"%1\" is gone")
                          : QCoreApplication::translate("Settings", "the folder \"%1\" is gone"))
                        .arg(path.filePath());
    else
        values.picture =
            values.picture.movedTo(file ? PictureSource::Kind::File : PictureSource::Kind::Folder,
                                   path.absoluteFilePath());
}

ReadSettings unusable(const QString &why)
{
    ReadSettings read;
    read.problem = QCoreApplication::translate(
                       "Settings", "%1; starting as the first time, and leaving the file as it is")
                       .arg(why);
    read.writable = false;
    return read;
}

} // namespace

bool Remembered::operator==(const Remembered &other) const
{
    return size == other.size && fullScreen == other.fullScreen && placed == other.placed &&
           position == other.position && stayOnTop == other.stayOnTop &&
           hideTitleBar == other.hideTitleBar && picture == other.picture;
}

// Where QSettings puts the INI file of a program "velkar" (organisation "velkar"); named here
// without opening one, which would read the file into the toolkit's cache.
QString settingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/velkar/velkar.ini";
}

namespace {

// Opening a named pipe or a device could wait for good: only a regular file is opened.
ReadSettings readFile(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        return ReadSettings();
    if (info.isDir())
        return unusable(QCoreApplication::translate("Settings", "it is a folder"));
    if (info.exists() && !info.isFile())
        return unusable(QCoreApplication::translate("Settings", "it is not a regular file"));
    QFile readable(file);
    if (!readable.open(QIODevice::ReadOnly))
        return unusable(QCoreApplication::translate("Settings", "it cannot be read: %1")
                            .arg(readable.errorString()));
    // The toolkit's reader takes much that is not text for an INI file with no keys in it.
    const QByteArray bytes = readable.readAll();
    const bool text = !bytes.contains('\0') && QString::fromUtf8(bytes).toUtf8() == bytes;
    // The toolkit keeps the files it has read by name and reads one again only when its time
    // or size has changed, which a rewrite within the same moment may not: the bytes checked
    // are parsed from a copy of their own.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        return unusable(
            QCoreApplication::translate("Settings", "it cannot be copied to be read: %1")
                .arg(copy.errorString()));
    const QSettings ini(copy.fileName(), QSettings::IniFormat);
    if (!text || ini.status() != QSettings::NoError)
        return unusable(QCoreApplication::translate("Settings", "it is not an INI file"));

    ReadSettings read;
    QStringList problems;
    readNumbers(ini, read.values, problems);
    readFlags(ini, read.values, problems);
    readPicture(ini, read.values, problems);
    if (!problems.isEmpty())
        read.problem = QCoreApplication::translate("Settings", "%1; using the defaults for those")
                           .arg(problems.join(QCoreApplication::translate("Settings", "; ",
                                                                          "between two problems")));
    return read;
}

} // namespace

ReadSettings readSettings(const QString &file)
{
    const ReadSettings read = readFile(file);
    if (!read.problem.isEmpty())
        qWarning("velkar: %s",
                 qUtf8Printable(QCoreApplication::translate("Settings", "settings %1: %2")
                                    .arg(file, read.problem)));
    return read;
}

QString writeSettings(const QString &file, const Remembered &values)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("Settings", "the folder %1 cannot be made").arg(folder);
    // Beside the file, so that the rename stays within one file system.
    QTemporaryFile written(file + ".XXXXXX");
    if (!written.open())
        return written.errorString();
    written.close();
    {
        QSettings ini(written.fileName(), QSettings::IniFormat);
        Remembered copy = values;
        for (const NumberSetting &setting : kNumbers)
            if (values.placed || !isPlace(setting.key))
                ini.setValue(setting.key, setting.field(copy));
        for (const FlagSetting &setting : kFlags)
            ini.setValue(setting.key, setting.field(copy));
        ini.setValue(kPictureKind, kKindNames[int(values.picture.kind)]);
        ini.setValue(kPicturePath, values.picture.path);
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return QCoreApplication::translate("Settings", "it cannot be written");
    }
    if (std::rename(QFile::encodeName(written.fileName()).constData(),
                    QFile::encodeName(file).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return QString();
}

PictureSource startingPicture(const QString &commandLinePicture, const PictureSource &remembered)
{
    if (commandLinePicture.isEmpty())
        return remembered;
    // The slideshow's interval and order stay the remembered ones.
    return remembered.movedTo(PictureSource::Kind::File, commandLinePicture);
}
