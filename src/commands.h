// Every command of the window, written once: its keys and their names for --keys, whether it
// needs a window, its row on the controls card and in --help, its menu entry, and the Scene3D
// member that does it. The key handler, the menu, --keys, the card and --help all read it.
#pragma once

#include <QString>
#include <QVector>
#include <vector>

class QKeyEvent;
class Scene3D;

struct CommandKey {
    int chord;        // a Qt::Key, with Qt::ControlModifier or Qt::ShiftModifier if it needs one
    const char *name; // as --keys, the card and the manual page write it
};

// Its entry in the menu: the group (set off from the next by a line), its place in the group
// and its text; a check mark there shows what `checked` says. Entries of a submenu share
// their place, in the order of the table.
struct MenuEntry {
    int group, order; // group 0: not in the menu
    const char *text;
    bool (Scene3D::*checked)() const;
    const char *submenu = nullptr; // its title; nullptr: in the menu itself
    bool choice = false;           // one of the submenu's choices, of which one is checked
};

// Its row on the card and in --help; nullptr for both when the row above covers it too.
struct CardRow {
    const char *input, *action;
};

struct Command {
    void (Scene3D::*run)(); // nullptr: the mouse does it (a drag, a drop)
    CommandKey keys[2];     // the first is the one the menu shows; {0, nullptr}: none
    bool windowOnly;        // about the window itself: refused by --keys
    MenuEntry menu;
    CardRow card;
    // Why the command cannot work here, in the user's language; empty or nullptr: it can.
    // Its key then says why in one line, and its menu entry is disabled with that tool tip.
    QString (Scene3D::*unavailable)() const = nullptr;
};

// Every command, in the order of the card.
const std::vector<Command> &commands();

// The command a key press runs, or nothing. A key bound with a modifier (Ctrl+O) needs it;
// any other key is itself whatever the modifiers, so letters work with or without Shift and
// + is + however it is typed.
const Command *commandForKey(const QKeyEvent *event);
const Command *commandForChord(int chord);

// Runs the command on the scene as its key does, and repaints.
void runCommand(Scene3D &scene, const Command &command);

// Key names for pictures made without a window: "R Q Left Left W +".
struct KeyNames {
    QVector<int> keys; // the chords, in the order given
    QString error;     // what is wrong; empty when every name is known
};

// Names as the card writes them, separated by spaces, in any case. A name no key has, or a
// key that only makes sense in a window, is an error that names it.
KeyNames parseKeyNames(const QString &text);

// One row of the controls card, in the user's language.
struct Control {
    QString input;  // what the user does: keys, a click, a drag
    QString action; // what it does
};
std::vector<Control> controls();

// The columns TEXT takes on a terminal: two for an East Asian wide or fullwidth character.
int terminalColumns(const QString &text);

// The "Controls:" part of --help: one row a line, the actions in one column of the terminal.
QString controlsHelp();
