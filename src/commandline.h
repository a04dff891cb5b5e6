// The command line: velkar [options] [PICTURE].
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct CommandLine {
    QString picture = "nqw.bmp"; // relative names are taken from the working directory
    QString error;               // what is wrong with the line; empty when it is usable
};

// Answers --help and --version, on standard output, before anything needs a window system
// (they work over ssh with no display). Returns the exit status when one of them was asked
// for, nothing otherwise.
std::optional<int> answerWithoutWindow(int argc, char **argv);

// The rest of the line, once the toolkit has taken its own options (-platform, -display,
// ...) out of it. arguments[0] is the program.
CommandLine parseCommandLine(const QStringList &arguments);
