// The window on the desk: above other windows, without a title bar, moved from the menu,
// started at login; and the frame copied to the clipboard.
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWindow>

#include "autostart.h"
#include "scene3D.h"

bool Scene3D::staysOnTop() const
{
    return windowFlags() & Qt::WindowStaysOnTopHint;
}

bool Scene3D::titleBarHidden() const
{
    return windowFlags() & Qt::FramelessWindowHint;
}

// A Wayland client cannot ask to be kept above others: the shell protocol has no such
// request, and the compositor alone stacks the windows.
QString Scene3D::stayOnTopUnavailable() const
{
    if (!platform.startsWith("wayland"))
        return QString();
    return QCoreApplication::translate("ContextMenu",
                                       "Wayland has no way for a program to keep its window "
                                       "above others; your desktop's own window menu may");
}

void Scene3D::toggleStayOnTop()
{
    setDeskFlag(Qt::WindowStaysOnTopHint, !staysOnTop());
}

// Undecorated, the window still turns the phone when dragged inside; the desktop moves it
// as any undecorated window (Alt- or Super-drag), and so does Move Window.
void Scene3D::toggleTitleBar()
{
    setDeskFlag(Qt::FramelessWindowHint, !titleBarHidden());
}

// A shown window is changed in place: setWindowFlags() would make a new native window, hidden
// at first, and with it on Qt 5 a new GL context that has none of this one's state.
void Scene3D::setDeskFlag(Qt::WindowType flag, bool on)
{
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(flag, on);
    if (QWindow *window = windowHandle()) {
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
    if (deskChosen)
        deskChosen();
}

void Scene3D::moveWindow()
{
    if (!windowHandle() || !windowHandle()->startSystemMove())
        qWarning("velkar: %s",
                 qUtf8Printable(QCoreApplication::translate(
                     "ContextMenu", "Move Window: the window system does not move windows "
                                    "for programs here; drag the window with Alt or Super held")));
}

bool Scene3D::startsAtLogin() const
{
    return QFileInfo::exists(autostartFile());
}

void Scene3D::toggleStartAtLogin()
{
    const QString why = startsAtLogin() ? removeAutostart() : writeAutostart();
    if (!why.isEmpty())
        qWarning("velkar: %s: %s: %s",
                 qUtf8Printable(QCoreApplication::translate("ContextMenu", "Start at Login")),
                 qUtf8Printable(autostartFile()), qUtf8Printable(why));
}

// The pixels F12 saves.
void Scene3D::copyFrame()
{
    QGuiApplication::clipboard()->setImage(grabFrame());
}
