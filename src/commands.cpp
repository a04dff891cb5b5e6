#include "commands.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QStringList>
#include <algorithm>
#include <iterator>

#include "scene3D.h"

namespace {

constexpr int kCtrl = int(Qt::ControlModifier);
constexpr int kShift = int(Qt::ShiftModifier);
constexpr bool kAnywhere = false;
constexpr bool kWindow = true;
constexpr CommandKey kNoKey = {0, nullptr};
constexpr MenuEntry kNotInMenu = {0, 0, nullptr, nullptr};
constexpr CardRow kCardAbove = {nullptr, nullptr}; // the row above covers it
constexpr CardRow kNoCardRow = {nullptr, nullptr};
constexpr const char *kSlideshow = QT_TRANSLATE_NOOP("ContextMenu", "Slideshow");
constexpr bool kChoice = true;

// Characters a terminal gives two columns: East Asian wide and fullwidth ones (Unicode's
// EastAsianWidth W and F), from Hangul to the CJK ideographs, their punctuation and emoji.
struct CodeRange {
    char32_t first, last;
};
constexpr CodeRange kWide[] = {
    {0x1100, 0x115F}, {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF}, {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF}, {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD},
};

} // namespace

// A friend of Scene3D, so that the table may name its private commands.
struct CommandTable {
    static const std::vector<Command> rows;
};

// One row a command, in the order of the card.
// clang-format off
const std::vector<Command> CommandTable::rows = {
//   member                        keys, each with its --keys name                                where      menu: group, order, text, check mark
//   card row: input, action
    {nullptr,                      {kNoKey, kNoKey},                                              kWindow,   kNotInMenu,
     {QT_TRANSLATE_NOOP("Controls", "drag with the mouse"), QT_TRANSLATE_NOOP("Controls", "turn the phone")}},
    {&Scene3D::scale_plus,         {{Qt::Key_Plus, "+"}, {Qt::Key_Equal, "="}},                   kAnywhere, kNotInMenu,
     {QT_TRANSLATE_NOOP("Controls", "mouse wheel, + = -"), QT_TRANSLATE_NOOP("Controls", "zoom in and out")}},
    {&Scene3D::scale_minus,        {{Qt::Key_Minus, "-"}, kNoKey},                                kAnywhere, kNotInMenu, kCardAbove},
    {&Scene3D::rotate_up,          {{Qt::Key_Up, "Up"}, kNoKey},                                  kAnywhere, kNotInMenu,
     {QT_TRANSLATE_NOOP("Controls", "Up Down Left Right"), QT_TRANSLATE_NOOP("Controls", "turn the phone")}},
    {&Scene3D::rotate_down,        {{Qt::Key_Down, "Down"}, kNoKey},                              kAnywhere, kNotInMenu, kCardAbove},
    {&Scene3D::rotate_left,        {{Qt::Key_Left, "Left"}, kNoKey},                              kAnywhere, kNotInMenu, kCardAbove},
    {&Scene3D::rotate_right,       {{Qt::Key_Right, "Right"}, kNoKey},                            kAnywhere, kNotInMenu, kCardAbove},
    {&Scene3D::translate_up,       {{Qt::Key_W, "W"}, kNoKey},                                    kAnywhere, kNotInMenu,
     {QT_TRANSLATE_NOOP("Controls", "W A S D"), QT_TRANSLATE_NOOP("Controls", "move it up, left, down, right")}},
    {&Scene3D::translate_left,     {{Qt::Key_A, "A"}, kNoKey},                                    kAnywhere, kNotInMenu, kCardAbove},
    {&Scene3D::translate_down,     {{Qt::Key_S, "S"}, kNoKey},                                    kAnywhere, kNotInMenu, kCardAbove},
    {&Scene3D::translate_right,    {{Qt::Key_D, "D"}, kNoKey},                                    kAnywhere, kNotInMenu, kCardAbove},
    {&Scene3D::openroof_up,        {{Qt::Key_T, "T"}, kNoKey},                                    kAnywhere, {3, 3, QT_TRANSLATE_NOOP("ContextMenu", "Lid One Step Open"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "T / G"), QT_TRANSLATE_NOOP("Controls", "open / close the lid by one step")}},
    {&Scene3D::openroof_down,      {{Qt::Key_G, "G"}, kNoKey},                                    kAnywhere, {3, 4, QT_TRANSLATE_NOOP("ContextMenu", "Lid One Step Closed"), nullptr}, kCardAbove},
    {&Scene3D::openroof_auto_up,   {{Qt::Key_R, "R"}, kNoKey},                                    kAnywhere, {3, 1, QT_TRANSLATE_NOOP("ContextMenu", "Open Lid"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "R / F"), QT_TRANSLATE_NOOP("Controls", "open / close the lid fully (about three seconds)")}},
    {&Scene3D::openroof_auto_down, {{Qt::Key_F, "F"}, kNoKey},                                    kAnywhere, {3, 2, QT_TRANSLATE_NOOP("ContextMenu", "Close Lid"), nullptr}, kCardAbove},
    {&Scene3D::endisAntiAliasing,  {{Qt::Key_Q, "Q"}, kNoKey},                                    kAnywhere, {4, 1, QT_TRANSLATE_NOOP("ContextMenu", "Antialiasing"), &Scene3D::antialiased},
     {QT_TRANSLATE_NOOP("Controls", "Q"), QT_TRANSLATE_NOOP("Controls", "antialiasing on or off")}},
    {&Scene3D::defaultScene,       {{Qt::Key_Space, "Space"}, kNoKey},                            kAnywhere, {4, 2, QT_TRANSLATE_NOOP("ContextMenu", "Reset View"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "Space"), QT_TRANSLATE_NOOP("Controls", "back to the start-up view")}},
    {&Scene3D::saveScreenshot,     {{Qt::Key_F12, "F12"}, kNoKey},                                kWindow,   {2, 1, QT_TRANSLATE_NOOP("ContextMenu", "Save Screenshot"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "F12"), QT_TRANSLATE_NOOP("Controls", "save a screenshot in your Pictures folder")}},
    {&Scene3D::copyFrame,          {{kCtrl | Qt::Key_C, "Ctrl+C"}, kNoKey},                       kWindow,   {2, 2, QT_TRANSLATE_NOOP("ContextMenu", "Copy"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "Ctrl+C"), QT_TRANSLATE_NOOP("Controls", "copy the frame, as F12 would save it")}},
    {&Scene3D::openPicture,        {{kCtrl | Qt::Key_O, "Ctrl+O"}, kNoKey},                       kWindow,   {1, 1, QT_TRANSLATE_NOOP("ContextMenu", "Open Picture…"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "Ctrl+O"), QT_TRANSLATE_NOOP("Controls", "open a picture for the main screen")}},
    {nullptr,                      {kNoKey, kNoKey},                                              kWindow,   kNotInMenu,
     {QT_TRANSLATE_NOOP("Controls", "drop an image file"), QT_TRANSLATE_NOOP("Controls", "show it on the main screen")}},
    {&Scene3D::openFolder,         {{kCtrl | kShift | Qt::Key_O, "Ctrl+Shift+O"}, kNoKey},        kWindow,   {1, 2, QT_TRANSLATE_NOOP("ContextMenu", "Open Folder…"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "Ctrl+Shift+O"), QT_TRANSLATE_NOOP("Controls", "show the pictures of a folder in turn")}},
    {&Scene3D::nextPicture,        {{Qt::Key_PageDown, "PageDown"}, kNoKey},                      kWindow,   {1, 5, QT_TRANSLATE_NOOP("ContextMenu", "Next Picture"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "PageDown / PageUp"), QT_TRANSLATE_NOOP("Controls", "the next / previous picture of the folder")}},
    {&Scene3D::previousPicture,    {{Qt::Key_PageUp, "PageUp"}, kNoKey},                          kWindow,   {1, 6, QT_TRANSLATE_NOOP("ContextMenu", "Previous Picture"), nullptr}, kCardAbove},
    {&Scene3D::showEach<10>,       {kNoKey, kNoKey},                                              kWindow,   {1, 4, QT_TRANSLATE_NOOP("ContextMenu", "10 Seconds"), &Scene3D::showsEach<10>, kSlideshow, kChoice}, kNoCardRow},
    {&Scene3D::showEach<60>,       {kNoKey, kNoKey},                                              kWindow,   {1, 4, QT_TRANSLATE_NOOP("ContextMenu", "1 Minute"), &Scene3D::showsEach<60>, kSlideshow, kChoice}, kNoCardRow},
    {&Scene3D::showEach<300>,      {kNoKey, kNoKey},                                              kWindow,   {1, 4, QT_TRANSLATE_NOOP("ContextMenu", "5 Minutes"), &Scene3D::showsEach<300>, kSlideshow, kChoice}, kNoCardRow},
    {&Scene3D::showEach<3600>,     {kNoKey, kNoKey},                                              kWindow,   {1, 4, QT_TRANSLATE_NOOP("ContextMenu", "1 Hour"), &Scene3D::showsEach<3600>, kSlideshow, kChoice}, kNoCardRow},
    {&Scene3D::toggleShuffle,      {kNoKey, kNoKey},                                              kWindow,   {1, 4, QT_TRANSLATE_NOOP("ContextMenu", "Shuffle"), &Scene3D::shuffled, kSlideshow}, kNoCardRow},
    {&Scene3D::toggleFullScreen,   {{Qt::Key_F11, "F11"}, kNoKey},                                kWindow,   {4, 3, QT_TRANSLATE_NOOP("ContextMenu", "Full Screen"), &QWidget::isFullScreen},
     {QT_TRANSLATE_NOOP("Controls", "F11"), QT_TRANSLATE_NOOP("Controls", "full screen on or off")}},
    {&Scene3D::toggleStayOnTop,    {{kCtrl | Qt::Key_T, "Ctrl+T"}, kNoKey},                       kWindow,   {5, 1, QT_TRANSLATE_NOOP("ContextMenu", "Stay on Top"), &Scene3D::staysOnTop},
     {QT_TRANSLATE_NOOP("Controls", "Ctrl+T"), QT_TRANSLATE_NOOP("Controls", "keep the window above others, or not")}, &Scene3D::stayOnTopUnavailable},
    {&Scene3D::useStandardPicture, {kNoKey, kNoKey},                                              kWindow,   {1, 3, QT_TRANSLATE_NOOP("ContextMenu", "Standard Picture"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "menu only"), QT_TRANSLATE_NOOP("Controls", "Standard Picture, Start at Login,")}},
    {&Scene3D::toggleStartAtLogin, {kNoKey, kNoKey},                                              kWindow,   {5, 4, QT_TRANSLATE_NOOP("ContextMenu", "Start at Login"), &Scene3D::startsAtLogin}, kCardAbove},
    {&Scene3D::toggleTitleBar,     {kNoKey, kNoKey},                                              kWindow,   {5, 2, QT_TRANSLATE_NOOP("ContextMenu", "Hide Title Bar"), &Scene3D::titleBarHidden},
     {"", QT_TRANSLATE_NOOP("Controls", "Hide Title Bar, Move Window")}},
    {&Scene3D::moveWindow,         {kNoKey, kNoKey},                                              kWindow,   {5, 3, QT_TRANSLATE_NOOP("ContextMenu", "Move Window"), nullptr}, kCardAbove},
    {&Scene3D::toggleControls,     {{Qt::Key_F1, "F1"}, {Qt::Key_H, "H"}},                        kWindow,   {6, 1, QT_TRANSLATE_NOOP("ContextMenu", "Controls"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "F1 / H"), QT_TRANSLATE_NOOP("Controls", "show or hide this list on the window")}},
    {&Scene3D::showAbout,          {kNoKey, kNoKey},                                              kWindow,   {6, 2, QT_TRANSLATE_NOOP("ContextMenu", "About Velkar"), nullptr}, kNoCardRow},
    {&Scene3D::openMenuAtCentre,   {{kShift | Qt::Key_F10, "Shift+F10"}, {Qt::Key_Menu, "Menu"}}, kWindow,   kNotInMenu,
     {QT_TRANSLATE_NOOP("Controls", "right-click, Shift+F10, Menu"), QT_TRANSLATE_NOOP("Controls", "a menu of every command")}},
    {&Scene3D::quit,               {{kCtrl | Qt::Key_Q, "Ctrl+Q"}, {Qt::Key_Escape, "Escape"}},   kWindow,   {7, 1, QT_TRANSLATE_NOOP("ContextMenu", "Quit"), nullptr},
     {QT_TRANSLATE_NOOP("Controls", "Escape, Ctrl+Q"), QT_TRANSLATE_NOOP("Controls", "quit")}},
};
// clang-format on

const std::vector<Command> &commands()
{
    return CommandTable::rows;
}

const Command *commandForChord(int chord)
{
    for (const Command &command : commands())
        for (const CommandKey &key : command.keys)
            if (key.chord && key.chord == chord)
                return &command;
    return nullptr;
}

const Command *commandForKey(const QKeyEvent *event)
{
    const int modifiers = int(event->modifiers()) & (kCtrl | kShift);
    if (modifiers)
        if (const Command *bound = commandForChord(event->key() | modifiers))
            return bound;
    return commandForChord(event->key());
}

void runCommand(Scene3D &scene, const Command &command)
{
    scene.perform(&command);
}

// Any command but the card's own hides the controls card, and then does what it always does.
// One that cannot work here says why instead of doing nothing.
void Scene3D::perform(const Command *command)
{
    if (!command || command->run != &Scene3D::toggleControls)
        controlsShown = false;
    const QString unavailable =
        command && command->unavailable ? (this->*command->unavailable)() : QString();
    if (!unavailable.isEmpty())
        qWarning("velkar: %s: %s",
                 qUtf8Printable(QCoreApplication::translate("ContextMenu", command->menu.text)),
                 qUtf8Printable(unavailable));
    else if (command && command->run)
        (this->*command->run)();
    updateGL();
}

KeyNames parseKeyNames(const QString &text)
{
    KeyNames result;
    for (const QString &name : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const CommandKey *found = nullptr;
        const Command *owner = nullptr;
        for (const Command &command : commands())
            for (const CommandKey &key : command.keys)
                if (key.name && name.compare(QLatin1String(key.name), Qt::CaseInsensitive) == 0)
                    found = &key, owner = &command;
        if (!found) {
            result.error =
                QCoreApplication::translate("CommandLine", "--keys: no key is called \"%1\"")
                    .arg(name);
            return result;
        }
        if (owner->windowOnly) {
            result.error =
                QCoreApplication::translate("CommandLine", "--keys: %1 only works in a window")
                    .arg(name);
            return result;
        }
        result.keys << found->chord;
    }
    return result;
}

std::vector<Control> controls()
{
    std::vector<Control> rows;
    for (const Command &command : commands())
        if (command.card.input)
            rows.push_back({QCoreApplication::translate("Controls", command.card.input),
                            QCoreApplication::translate("Controls", command.card.action)});
    return rows;
}

int terminalColumns(const QString &text)
{
    int columns = 0;
    for (const uint code : text.toUcs4()) {
        const bool wide = std::any_of(std::begin(kWide), std::end(kWide), [code](CodeRange r) {
            return code >= r.first && code <= r.last;
        });
        columns += wide ? 2 : 1;
    }
    return columns;
}

QString controlsHelp()
{
    const std::vector<Control> rows = controls();
    int width = 0;
    for (const Control &row : rows)
        width = std::max(width, terminalColumns(row.input));
    QString text = "\n" + QCoreApplication::translate("Controls", "Controls:") + "\n";
    for (const Control &row : rows)
        text += "  " + row.input + QString(width + 2 - terminalColumns(row.input), ' ') +
                row.action + "\n";
    return text;
}
