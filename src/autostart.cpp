#include "autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Started at login with no picture named, velkar reads the standard picture, or the one
// chosen last, from the working directory, as the desktop menu's entry has it. The entry is
// the user's own, so its comment is in the language of the one who chose it.
QByteArray entryText()
{
    const QByteArrayList lines = {
        "[Desktop Entry]",
        "Type=Application",
        "Name=Velkar",
        "Comment=" +
            QCoreApplication::translate("Desk", "The folding phone's clocks, started at login")
                .toUtf8(),
        "Exec=velkar",
        "Icon=velkar",
        "Path=" VELKAR_DATA_DIR,
        "Terminal=false",
    };
    return lines.join('\n') + '\n';
}

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
        return QCoreApplication::translate("Desk", "its folder cannot be made");
    QSaveFile entry(file);
    if (!entry.open(QIODevice::WriteOnly) || entry.write(entryText()) < 0 || !entry.commit())
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
