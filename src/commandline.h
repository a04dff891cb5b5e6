// The command line: velkar [options] [PICTURE], and velkar --output FILE [...] [PICTURE].
#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>

struct CommandLine {
    QString picture; // PICTURE, if given; relative names are taken from the working directory
    QString error;   // what is wrong with the line; empty when it is usable
    bool help = false;
    bool version = false;
    bool noSettings = false; // neither read nor write what the window remembers

    // A picture without a window: the file it goes to ("-" is standard output), the time
    // the clocks show (none: the current time), the keys pressed before it and its size.
    QString output;
    QTime time;
    QVector<int> keys;
    QSize size{500, 500};
    // What shows where the phone does not: a colour, or nothing (alpha 0: transparent).
    QColor background{Qt::white};
    // A sequence of frames when above 0: the window over this many milliseconds from the
    // start, at fps frames a second; output then holds kFrameField, or is "-".
    int durationMs = 0;
    int fps = 30;
};

// Where a frame's number goes in the name of a sequence's files.
constexpr char kFrameField[] = "{frame}";
constexpr int kMaxFps = 240;
constexpr int kMaxDurationSeconds = 3600;

// How many frames the line asks for: frame k is the window at k / fps seconds, for every k
// with k / fps < the duration; 1 for a single picture.
int frameCount(const CommandLine &line);

// The file of frame `frame` of `count`: the number zero-padded to the width of the last
// one, in place of every kFrameField.
QString frameFileName(const QString &pattern, int frame, int count);

// The largest side --size accepts; the GL implementation may allow less.
constexpr int kMaxOutputSide = 8192;

// The whole line, the toolkit's own options (-platform, -display, ...) included, so that
// every mistake is answered before anything needs a display. arguments[0] is the program.
CommandLine parseCommandLine(const QStringList &arguments);

// --help: the usage, the options and the controls, in the user's language.
QString helpText();

// Prints a usage error on standard error, with a hint to use --help.
void printUsageError(const QString &error);

// Answers a line that asks for help or the version, or has an error, on the terminal in the
// user's language, with no display. Returns the exit status: 0, or 2 for an error. Makes the
// application object itself, so none may exist yet.
int answerOnTerminal(const QStringList &arguments, int argc, char **argv);

// The arguments as the program received them, decoded; bytes that cannot be decoded stay
// marked (filenames.h), so that a name is never taken for another.
QStringList decodedArguments(int argc, char **argv);
