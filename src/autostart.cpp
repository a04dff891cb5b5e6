#include "autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Started at login with no picture named, velkar reads the standard picture, or the one
// chosen last, from the working directory, as the desktop menu's entry has it.
const char *const kEntry = "[Desktop Entry]\n"
                           "Type=Application\n"
                           "Name=Velkar\n"
                           "Comment=The folding phone's clocks, started at login\n"
                           "Exec=velkar\n"
                           "Icon=velkar\n"
                           "Path=" VELKAR_DATA_DIR "\n"
                           "Terminal=false\n";

} // namespace

QString autostartFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/autostart/velkar.desktop";
}

QString writeAutostart()
{
    const QString file = autostartFile();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return "its folder cannot be made";
    QSaveFile entry(file);
    if (!entry.open(QIODevice::WriteOnly) || entry.write(kEntry) < 0 || !entry.commit())
        return entry.errorString();
    return QString();
}

QString removeAutostart()
{
    QFile entry(autostartFile());
    if (!entry.remove())
        return entry.errorString();
    return QString();
}
