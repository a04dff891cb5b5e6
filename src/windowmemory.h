// Remembering the window as the user leaves it: its size, full screen, place, Stay on Top,
// Hide Title Bar and the picture source chosen in it are written to the settings file when
// they change, not only at exit, so a session's end that kills the program loses nothing.
#pragma once

#include <QObject>
#include <QTimer>

#include "settings.h"

class Scene3D;

// Gives the window what was remembered, before it is first shown, and shows it.
void showAsRemembered(Scene3D &window, const Remembered &remembered);

class WindowMemory : public QObject
{
public:
    // From now on writes FILE when something remembered changes; WRITTEN is what the file
    // holds now.
    WindowMemory(Scene3D &window, const QString &file, const Remembered &written);

    // Resizing and moving send many events; they are written once they have settled.
    static constexpr int kSettleMs = 400;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void save();

    Scene3D &m_window;
    QString m_file;
    Remembered m_now;     // as the window is, with the picture source last chosen in it
    Remembered m_written; // as the file has it
    QTimer m_settle;
    bool m_warned = false; // a file that cannot be written is reported once
};
