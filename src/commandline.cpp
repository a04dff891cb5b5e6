#include "commandline.h"
#include "commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <cstdio>

#include "filenames.h"
#include "language.h"
#include "outputfile.h"

namespace {

// The commands are typed as they are in any language: the key names above all.
QString outputExamples()
{
    return "\n" +
           QCoreApplication::translate("CommandLine",
                                       "Pictures without a window (no display server needed):") +
           "\n"
           "  velkar --output phone.png --time 10:08:30 --keys \"R\"\n"
           "  velkar --output - --size 1920x1080 --keys \"R Q Left Left W +\" | display -\n";
}

// The toolkit's own options, which it takes out of the line itself: they are accepted
// here so that the rest can be judged before the toolkit starts.
struct ToolkitOption {
    const char *name;
    bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"display", true},
    {"geometry", true},
    {"qwindowgeometry", true},
    {"title", true},
    {"qwindowtitle", true},
    {"qwindowicon", true},
    {"icon", true},
    {"name", true},
    {"session", true},
    {"style", true},
    {"stylesheet", true},
    {"visual", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"sync", false},
    {"nograb", false},
    {"dograb", false},
    {"testability", false},
};

// Only with --output.
const char *const kOutputOptions[] = {"time", "keys", "size", "antialias"};

void describe(QCommandLineParser &parser)
{
    // Single-dash words stay whole, as the toolkit's own -platform and -display are.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "An interactive 3D model of a folding phone whose lid shows the local "
                       "time.\nQt's own options, such as -platform and -display, are accepted "
                       "too."));
    // The toolkit's --help-all is left out: its list of toolkit options cannot be followed
    // by the controls, which belong in the help.
    parser.addOption(QCommandLineOption(
        {"h", "help"}, QCoreApplication::translate("CommandLine", "Show this help and quit.")));
    parser.addOption(QCommandLineOption(
        {"v", "version"},
        QCoreApplication::translate("CommandLine", "Show the version and quit.")));
    parser.addOption(QCommandLineOption(
        "no-settings",
        QCoreApplication::translate("CommandLine", "Neither read nor write the settings: start "
                                                   "as the very first time.")));
    parser.addOption(QCommandLineOption(
        "output",
        QCoreApplication::translate("CommandLine", "Draw one picture into FILE (.png or .jpg; - "
                                                   "is PNG on standard output) with no window, "
                                                   "and quit."),
        QCoreApplication::translate("CommandLine", "FILE")));
    parser.addOption(QCommandLineOption(
        "time",
        QCoreApplication::translate("CommandLine",
                                    "With --output: the time the clocks show (default: now)."),
        "HH:MM[:SS]"));
    parser.addOption(QCommandLineOption(
        "keys",
        QCoreApplication::translate(
            "CommandLine", "With --output: keys pressed first, named as in the controls below."),
        QCoreApplication::translate("CommandLine", "KEYS")));
    parser.addOption(QCommandLineOption(
        "size",
        QCoreApplication::translate("CommandLine",
                                    "With --output: the picture's size in pixels (default: 500)."),
        "N|WxH"));
    parser.addOption(QCommandLineOption(
        "antialias",
        QCoreApplication::translate("CommandLine", "With --output: the same as the key Q.")));
    for (const ToolkitOption &option : kToolkitOptions) {
        QCommandLineOption toolkit(option.name, QString(), option.takesValue ? "value" : "");
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "PICTURE"),
        QCoreApplication::translate("CommandLine",
                                    "The picture for the phone's main screen, in any format Qt "
                                    "reads (default: the one chosen in the window last, else "
                                    "nqw.bmp in the working directory)."),
        QCoreApplication::translate("CommandLine", "[PICTURE]"));
}

// "HH:MM" or "HH:MM:SS", a time of day.
QString parseTime(const QString &text, QTime &time)
{
    static const QRegularExpression form("^(\\d{1,2}):(\\d\\d)(?::(\\d\\d))?$");
    const QRegularExpressionMatch match = form.match(text);
    if (match.hasMatch())
        time =
            QTime(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!match.hasMatch() || !time.isValid())
        return QCoreApplication::translate("CommandLine",
                                           "--time: \"%1\" is not a time of day (HH:MM or "
                                           "HH:MM:SS, 00:00 to 23:59:59)")
            .arg(text);
    return QString();
}

// "N" or "WxH", each side 1 to kMaxOutputSide.
QString parseSize(const QString &text, QSize &size)
{
    static const QRegularExpression form("^(\\d{1,9})(?:x(\\d{1,9}))?$");
    const QRegularExpressionMatch match = form.match(text);
    if (match.hasMatch()) {
        const int width = match.captured(1).toInt();
        size = QSize(width, match.captured(2).isEmpty() ? width : match.captured(2).toInt());
    }
    const auto fits = [](int side) { return side >= 1 && side <= kMaxOutputSide; };
    if (!match.hasMatch() || !fits(size.width()) || !fits(size.height()))
        return QCoreApplication::translate(
                   "CommandLine", "--size: \"%1\" is not a size (N or WxH, 1 to %2 pixels a side)")
            .arg(text)
            .arg(kMaxOutputSide);
    return QString();
}

QString parseOutput(const QCommandLineParser &parser, CommandLine &line)
{
    line.output = parser.value("output");
    if (line.output.isEmpty())
        return QCoreApplication::translate("CommandLine",
                                           "--output needs a file name (or - for standard output)");
    if (outputFormat(line.output).isEmpty())
        return QCoreApplication::translate("CommandLine",
                                           "--output: %1: the name must end in .png, .jpg or "
                                           ".jpeg (or be - for PNG on standard output)")
            .arg(line.output);
    QString error;
    if (parser.isSet("time"))
        error = parseTime(parser.value("time"), line.time);
    if (error.isEmpty() && parser.isSet("size"))
        error = parseSize(parser.value("size"), line.size);
    if (!error.isEmpty())
        return error;
    if (parser.isSet("antialias"))
        line.keys << Qt::Key_Q;
    const KeyNames keys = parseKeyNames(parser.values("keys").join(' '));
    line.keys << keys.keys;
    return keys.error;
}

} // namespace

QStringList decodedArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << decodeFileName(argv[i]);
    return arguments;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    CommandLine line;
    const bool parsed = parser.parse(arguments);
    line.help = parser.isSet("help");
    line.version = parser.isSet("version");
    line.noSettings = parser.isSet("no-settings");
    if (line.help || line.version)
        return line;
    if (!parsed) {
        line.error = parser.errorText();
        return line;
    }
    const QStringList pictures = parser.positionalArguments();
    if (pictures.size() > 1) {
        line.error = QCoreApplication::translate("CommandLine", "one PICTURE at most, %1 given: %2")
                         .arg(pictures.size())
                         .arg(pictures.join(", "));
        return line;
    }
    if (pictures.size() == 1)
        line.picture = pictures.first();
    if (parser.isSet("output")) {
        line.error = parseOutput(parser, line);
        return line;
    }
    for (const char *option : kOutputOptions)
        if (parser.isSet(option))
            line.error = QCoreApplication::translate("CommandLine", "--%1 works only with --output")
                             .arg(option);
    return line;
}

QString helpText()
{
    QCommandLineParser parser;
    describe(parser);
    return parser.helpText() + outputExamples() + controlsHelp();
}

void printUsageError(const QString &error)
{
    const QString hint =
        QCoreApplication::translate("CommandLine", "Try 'velkar --help' for more information.");
    std::fprintf(stderr, "velkar: %s\n%s\n", qUtf8Printable(error), qUtf8Printable(hint));
}

int answerOnTerminal(const QStringList &arguments, int argc, char **argv)
{
    // A core application names the program in the usage line and carries the translators,
    // and needs no display. The line is judged again under them, so that its error reads in
    // the user's language.
    QCoreApplication app(argc, argv);
    installTranslations();
    const CommandLine line = parseCommandLine(arguments);
    if (line.help || line.version) {
        const QString text = line.help ? helpText() : QString("velkar %1\n").arg(VELKAR_VERSION);
        std::fputs(qUtf8Printable(text), stdout);
        return 0;
    }
    printUsageError(line.error);
    return 2;
}
