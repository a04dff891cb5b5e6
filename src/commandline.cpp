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
           "  velkar --output - --size 1920x1080 --keys \"R Q Left Left W +\" | display -\n"
           "  velkar --output phone.png --background transparent --antialias\n"
           "  velkar --output lid-{frame}.png --duration 3 --fps 30 --keys R\n"
           "  velkar --output - --duration 3 --keys R | ffmpeg -f image2pipe -i - lid.mp4\n";
}

// Below the examples: what a sequence does to files already there.
const char *const kSequenceNote = QT_TRANSLATE_NOOP(
    "CommandLine",
    "The frames of --duration are put in place together once all are written: a run that\n"
    "fails leaves none of its own behind. Files of an earlier run with more frames are\n"
    "left as they are; remove them first if the new set must stand alone.\n");

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
const char *const kOutputOptions[] = {"time",       "keys",     "size", "antialias",
                                      "background", "duration", "fps"};

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
    parser.addOption(QCommandLineOption(
        "background",
        QCoreApplication::translate(
            "CommandLine",
            "With --output: what shows around the phone, a colour (#202020, black, ...; "
            "default: white) or transparent (PNG only)."),
        QCoreApplication::translate("CommandLine", "COLOUR")));
    parser.addOption(QCommandLineOption(
        "duration",
        QCoreApplication::translate(
            "CommandLine",
            "With --output: frames of the window over SECONDS from the start, R and F "
            "animated as in the window; FILE then holds {frame}, the frame's number, or is "
            "- (the PNGs one after another)."),
        QCoreApplication::translate("CommandLine", "SECONDS")));
    parser.addOption(QCommandLineOption(
        "fps",
        QCoreApplication::translate("CommandLine",
                                    "With --duration: frames a second, 1 to 240 (default: 30)."),
        "N"));
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

// A colour QColor reads, opaque, or "transparent".
QString parseBackground(const QString &text, QColor &colour)
{
    colour = QColor(text);
    if (!colour.isValid() || (colour.alpha() != 0 && colour.alpha() != 255))
        return QCoreApplication::translate(
                   "CommandLine",
                   "--background: \"%1\" is not a colour (#RRGGBB, a name such as black, or "
                   "transparent)")
            .arg(text);
    return QString();
}

// Seconds, to the millisecond: "3", "2.5".
QString parseDuration(const QString &text, int &ms)
{
    static const QRegularExpression form("^(\\d{1,4})(?:\\.(\\d{1,3}))?$");
    const QRegularExpressionMatch match = form.match(text);
    if (match.hasMatch())
        ms = match.captured(1).toInt() * 1000 +
             match.captured(2).leftJustified(3, QLatin1Char('0')).toInt();
    if (!match.hasMatch() || ms < 1 || ms > kMaxDurationSeconds * 1000)
        return QCoreApplication::translate(
                   "CommandLine",
                   "--duration: \"%1\" is not a duration (seconds above 0, at most %2)")
            .arg(text)
            .arg(kMaxDurationSeconds);
    return QString();
}

QString parseFps(const QString &text, int &fps)
{
    static const QRegularExpression form("^\\d{1,3}$");
    if (form.match(text).hasMatch())
        fps = text.toInt();
    if (!form.match(text).hasMatch() || fps < 1 || fps > kMaxFps)
        return QCoreApplication::translate(
                   "CommandLine", "--fps: \"%1\" is not a frame rate (1 to %2 frames a second)")
            .arg(text)
            .arg(kMaxFps);
    return QString();
}

// A sequence names its files with {frame} or streams them; a single picture has one name.
QString checkSequence(const QCommandLineParser &parser, const CommandLine &line)
{
    const bool numbered = line.output.contains(QLatin1String(kFrameField));
    if (line.durationMs > 0 && !numbered && line.output != "-")
        return QCoreApplication::translate(
            "CommandLine",
            "--duration: the file name must hold {frame}, for the frame's number, or "
            "be - for standard output");
    if (line.durationMs == 0 && numbered)
        return QCoreApplication::translate(
                   "CommandLine",
                   "--output: %1: {frame} numbers the frames of --duration, which is not "
                   "given")
            .arg(line.output);
    if (line.durationMs == 0 && parser.isSet("fps"))
        return QCoreApplication::translate("CommandLine", "--fps works only with --duration");
    if (line.background.alpha() == 0 && outputFormat(line.output) == "jpeg")
        return QCoreApplication::translate(
                   "CommandLine",
                   "--background transparent: %1: JPEG has no transparency, use .png")
            .arg(line.output);
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
    if (error.isEmpty() && parser.isSet("background"))
        error = parseBackground(parser.value("background"), line.background);
    if (error.isEmpty() && parser.isSet("duration"))
        error = parseDuration(parser.value("duration"), line.durationMs);
    if (error.isEmpty() && parser.isSet("fps"))
        error = parseFps(parser.value("fps"), line.fps);
    if (error.isEmpty())
        error = checkSequence(parser, line);
    if (!error.isEmpty())
        return error;
    if (parser.isSet("antialias"))
        line.keys << Qt::Key_Q;
    const KeyNames keys = parseKeyNames(parser.values("keys").join(' '));
    line.keys << keys.keys;
    return keys.error;
}

} // namespace

int frameCount(const CommandLine &line)
{
    if (line.durationMs == 0)
        return 1;
    // k / fps < duration, in whole milliseconds times fps so that no rounding can add a frame.
    const long long scaled = static_cast<long long>(line.durationMs) * line.fps;
    return int((scaled + 999) / 1000);
}

QString frameFileName(const QString &pattern, int frame, int count)
{
    const int width = QString::number(qMax(count - 1, 0)).size();
    QString name = pattern;
    return name.replace(QLatin1String(kFrameField),
                        QString::number(frame).rightJustified(width, QLatin1Char('0')));
}

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
    return parser.helpText() + outputExamples() + "\n" +
           QCoreApplication::translate("CommandLine", kSequenceNote) + controlsHelp();
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
