// Every control of the window, in one table: --help prints it and the controls card shows it.
#pragma once

#include <QString>
#include <vector>

struct Control {
    QString input;  // what the user does: keys, a click, a drag
    QString action; // what it does
};

// The rows in the user's language, in the order they are shown.
std::vector<Control> controls();

// The "Controls:" part of --help: one row a line, the actions in one column.
QString controlsHelp();
