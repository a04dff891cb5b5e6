#include "controls.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Row {
    const char *input, *action;
};

// clang-format off
constexpr Row kControls[] = {
    {QT_TRANSLATE_NOOP("Controls", "drag with the mouse"),    QT_TRANSLATE_NOOP("Controls", "turn the phone")},
    {QT_TRANSLATE_NOOP("Controls", "mouse wheel, + = -"),     QT_TRANSLATE_NOOP("Controls", "zoom in and out")},
    {QT_TRANSLATE_NOOP("Controls", "Up Down Left Right"),     QT_TRANSLATE_NOOP("Controls", "turn the phone")},
    {QT_TRANSLATE_NOOP("Controls", "W A S D"),                QT_TRANSLATE_NOOP("Controls", "move it up, left, down, right")},
    {QT_TRANSLATE_NOOP("Controls", "T / G"),                  QT_TRANSLATE_NOOP("Controls", "open / close the lid by one step")},
    {QT_TRANSLATE_NOOP("Controls", "R / F"),                  QT_TRANSLATE_NOOP("Controls", "open / close the lid fully (about three seconds)")},
    {QT_TRANSLATE_NOOP("Controls", "Q"),                      QT_TRANSLATE_NOOP("Controls", "antialiasing on or off")},
    {QT_TRANSLATE_NOOP("Controls", "Space"),                  QT_TRANSLATE_NOOP("Controls", "back to the start-up view")},
    {QT_TRANSLATE_NOOP("Controls", "F12"),                    QT_TRANSLATE_NOOP("Controls", "save a screenshot in your Pictures folder")},
    {QT_TRANSLATE_NOOP("Controls", "Ctrl+O"),                 QT_TRANSLATE_NOOP("Controls", "open a picture for the main screen")},
    {QT_TRANSLATE_NOOP("Controls", "drop an image file"),     QT_TRANSLATE_NOOP("Controls", "show it on the main screen")},
    {QT_TRANSLATE_NOOP("Controls", "F11"),                    QT_TRANSLATE_NOOP("Controls", "full screen on or off")},
    {QT_TRANSLATE_NOOP("Controls", "F1 / H"),                 QT_TRANSLATE_NOOP("Controls", "show or hide this list on the window")},
    {QT_TRANSLATE_NOOP("Controls", "right-click, Shift+F10"), QT_TRANSLATE_NOOP("Controls", "a menu of every command")},
    {QT_TRANSLATE_NOOP("Controls", "Escape, Ctrl+Q"),         QT_TRANSLATE_NOOP("Controls", "quit")},
};
// clang-format on

} // namespace

std::vector<Control> controls()
{
    std::vector<Control> rows;
    for (const Row &row : kControls)
        rows.push_back({QCoreApplication::translate("Controls", row.input),
                        QCoreApplication::translate("Controls", row.action)});
    return rows;
}

QString controlsHelp()
{
    const std::vector<Control> rows = controls();
    int width = 0;
    for (const Control &row : rows)
        width = std::max(width, int(row.input.size()));
    QString text = "\n" + QCoreApplication::translate("Controls", "Controls:") + "\n";
    for (const Control &row : rows)
        text += "  " + row.input.leftJustified(width + 2) + row.action + "\n";
    return text;
}
