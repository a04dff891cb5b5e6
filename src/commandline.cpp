#include "commandline.h"
#include "controls.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

void describe(QCommandLineParser &parser)
{
    // Single-dash words stay whole, as the toolkit's own -platform and -display are.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        "An interactive 3D model of a folding phone whose lid shows the local time.\n"
        "Qt's own options, such as -platform and -display, are accepted too.");
    // The toolkit's --help-all is left out: its list of toolkit options cannot be followed
    // by the controls, which belong in the help.
    parser.addOption(QCommandLineOption({"h", "help"}, "Show this help and quit."));
    parser.addOption(QCommandLineOption({"v", "version"}, "Show the version and quit."));
    parser.addPositionalArgument("PICTURE",
                                 "The picture for the phone's main screen, in any format Qt "
                                 "reads (default: nqw.bmp in the working directory).",
                                 "[PICTURE]");
}

QStringList decoded(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

std::optional<int> answerWithoutWindow(int argc, char **argv)
{
    QCommandLineParser parser;
    describe(parser);
    // The toolkit's options are unknown here, so the result is not judged yet: only
    // whether help or the version was asked for.
    parser.parse(decoded(argc, argv));
    const bool help = parser.isSet("help");
    if (!help && !parser.isSet("version"))
        return std::nullopt;

    // A core application names the program in the usage line; it needs no display.
    QCoreApplication app(argc, argv);
    const QString text =
        help ? parser.helpText() + controlsHelp() : QString("velkar %1\n").arg(VELKAR_VERSION);
    std::fputs(qUtf8Printable(text), stdout);
    return 0;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    const QStringList pictures = parser.positionalArguments();
    if (pictures.size() > 1)
        line.error = QString("one PICTURE at most, %1 given: %2")
                         .arg(pictures.size())
                         .arg(pictures.join(", "));
    else if (pictures.size() == 1)
        line.picture = pictures.first();
    return line;
}
