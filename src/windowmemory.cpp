#include "windowmemory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>

#include "scene3D.h"

namespace {

// Only on X11 may a program place its own window; a Wayland compositor places it.
bool placeable()
{
    return QGuiApplication::platformName() == "xcb";
}

} // namespace

void showAsRemembered(Scene3D &window, const Remembered &remembered)
{
    window.resize(remembered.size);
    if (remembered.placed && placeable())
        window.move(remembered.position);
    if (window.stayOnTopUnavailable().isEmpty())
        window.setWindowFlag(Qt::WindowStaysOnTopHint, remembered.stayOnTop);
    window.setWindowFlag(Qt::FramelessWindowHint, remembered.hideTitleBar);
    if (remembered.fullScreen)
        window.showFullScreen();
    else
        window.show();
}

WindowMemory::WindowMemory(Scene3D &window, const QString &file, const Remembered &written)
    : QObject(&window),
      m_window(window),
      m_file(file),
      m_now(written),
      m_written(written)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &WindowMemory::save);
    // Whatever has not settled at exit is written then.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_settle.isActive())
            save();
    });
    window.installEventFilter(this);
    window.deskChosen = [this] { save(); };
    window.pictureSourceChosen = [this](const PictureSource &source) {
        m_now.picture = source;
        save();
    };
}

bool WindowMemory::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize || type == QEvent::Move || type == QEvent::WindowStateChange)
        m_settle.start();
    return QObject::eventFilter(watched, event);
}

// A full-screen window keeps the size and place it had before, which it returns to.
void WindowMemory::save()
{
    m_settle.stop();
    m_now.fullScreen = m_window.isFullScreen();
    if (!m_now.fullScreen)
        m_now.size = m_window.size();
    // Where they cannot be had, the place and the choice made where they can are kept.
    if (!m_now.fullScreen && placeable()) {
        m_now.placed = true;
        m_now.position = m_window.pos();
    }
    if (m_window.stayOnTopUnavailable().isEmpty())
        m_now.stayOnTop = m_window.staysOnTop();
    m_now.hideTitleBar = m_window.titleBarHidden();
    if (m_now == m_written)
        return;
    const QString why = writeSettings(m_file, m_now);
    if (why.isEmpty())
        m_written = m_now;
    else if (!m_warned)
        qWarning("velkar: %s", qUtf8Printable(QCoreApplication::translate(
                                                  "Settings", "settings not saved: %1: %2")
                                                  .arg(m_file, why)));
    m_warned = m_warned || !why.isEmpty();
}
