// velkar --output without a window or display: the command line judged before anything
// starts, the output file written whole or not at all, and one picture drawn in-process.
// And the settings file the window keeps: written whole, read back, refused when bad.
#include <QImageReader>
#include <QtTest>
#include <csignal>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "commandline.h"
#include "commands.h"
#include "filenames.h"
#include "headless.h"
#include "language.h"
#include "outputfile.h"
#include "scene3D.h"
#include "settings.h"
#include "texture.h"

namespace {

CommandLine parse(const QString &line)
{
    return parseCommandLine(QStringList{"velkar"} + QProcess::splitCommand(line));
}

// Height of the part of the picture that is not white background.
int drawnHeight(const QImage &picture)
{
    int top = picture.height(), bottom = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != qRgb(255, 255, 255)) {
                top = qMin(top, y);
                bottom = y;
            }
    return bottom - top + 1;
}

// One picture, encoded as FILE's name asks and written as a set of one, as velkar --output
// writes it.
QString writeOutputFile(const QImage &picture, const QString &fileName)
{
    OutputFiles file;
    QString why = file.add(picture, fileName, outputFormat(fileName));
    if (why.isEmpty())
        why = file.commit();
    return why;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The messages of a translation file that a user would not see translated ("context: source"
// each): unfinished or empty, or with other placeholders than the source.
QStringList untranslated(const QString &ts)
{
    static const QRegularExpression message(
        "<name>(.*?)</name>|<source>(.*?)</source>\\s*<translation( type=\"\\w+\")?>(.*?)<",
        QRegularExpression::DotMatchesEverythingOption);
    const auto placeholders = [](const QString &text) {
        QStringList found;
        for (auto it = QRegularExpression("%\\d").globalMatch(text); it.hasNext();)
            found << it.next().captured();
        found.sort();
        return found;
    };
    QStringList faults;
    QString context;
    for (auto it = message.globalMatch(ts); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty())
            context = m.captured(1);
        else if (!m.captured(3).isEmpty() || m.captured(4).isEmpty() ||
                 placeholders(m.captured(2)) != placeholders(m.captured(4)))
            faults << context + ": " + m.captured(2);
    }
    return faults;
}

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList warnings; // since the last clear
QtMessageHandler previousHandler = nullptr;
void countWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    warnings << message;
    previousHandler(type, context, message);
}

// Pixels that differ between two pictures of one size.
int differing(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// Whether a straight-alpha pixel laid over a colour gives the one expected, give or take two.
bool laidOverIs(QRgb top, QRgb below, QRgb expected)
{
    const auto off = [a = qAlpha(top)](int t, int b, int e) {
        return qAbs((t * a + b * (255 - a) + 127) / 255 - e) > 2;
    };
    return !off(qRed(top), qRed(below), qRed(expected)) &&
           !off(qGreen(top), qGreen(below), qGreen(expected)) &&
           !off(qBlue(top), qBlue(below), qBlue(expected));
}

// The files this build's tests wrote, kept where scripts/test compares them with the other
// build's (VELKAR_OUTPUTS_DIR): the same arguments must give the same bytes in both.
void keepForTheOtherBuild(const QString &file, QString name)
{
    const QString folder = qEnvironmentVariable("VELKAR_OUTPUTS_DIR");
    if (folder.isEmpty())
        return;
    name.replace(QRegularExpression("[^A-Za-z0-9.]+"), "-");
    QDir().mkpath(folder);
    QFile::remove(folder + "/" + name);
    QVERIFY(QFile::copy(file, folder + "/" + name));
}

} // namespace

class tst_Output : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badLinesAreRefusedNamingTheProblem_data();
    void badLinesAreRefusedNamingTheProblem();
    void goodLinesAreUnderstood();
    void unwritableOutputsFailLeavingNothing_data();
    void unwritableOutputsFailLeavingNothing();
    void existingFileIsReplacedWhole();
    void drawsThePhoneWithoutADisplay();
    void namesChooseTheFormat_data();
    void namesChooseTheFormat();
    void antialiasIsTheKeyQ();
    void lidAnimationsEndAtTheirFinalState();
    void documentationNamesEveryCommand_data();
    void documentationNamesEveryCommand();
    void everyMarkedStringIsTranslated_data();
    void everyMarkedStringIsTranslated();
    void helpLinesTheControlsUpOnATerminal_data();
    void helpLinesTheControlsUpOnATerminal();
    void outputNeverReadsSettings();
    void pictureIsTheCommandLinesThenTheRemembered_data();
    void pictureIsTheCommandLinesThenTheRemembered();
    void namesThatAreNotUtf8AreRefused_data();
    void namesThatAreNotUtf8AreRefused();
    void settingsComeBackAsWritten();
    void badSettingsGiveAFirstStart_data();
    void badSettingsGiveAFirstStart();
    void twoSettingsWritersNeverMix();
    void framesAreNumberedToTheWidthOfTheLast_data();
    void framesAreNumberedToTheWidthOfTheLast();
    void transparentBackgroundIsThePhonesCoverage();
    void framesAreTheSinglePicturesOfTheirTime_data();
    void framesAreTheSinglePicturesOfTheirTime();
    void lidSequenceStartsAsTheLidBeginsToOpen();
    void standardOutputGetsTheFramesOneAfterAnother();
    void failedSequenceLeavesNoFrameOfItsOwn();
    void nothingButTheArgumentsChangesTheBytes();

private:
    QImage draw(const QString &options);
    int run(const QString &file, const QString &options);
    QString sequence(const QString &options);
    QTemporaryDir m_dir;
    QString settings() const { return m_dir.filePath("config/velkar/velkar.ini"); }
    QHash<QString, QString> m_sequences; // options -> the folder of their frames
};

// A home of the test's own: no settings of the developer's are read.
void tst_Output::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
    previousHandler = qInstallMessageHandler(countWarnings);
}

void tst_Output::badLinesAreRefusedNamingTheProblem_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("named");
    QTest::newRow("hour 25") << "--output a.png --time 25:00"
                             << "25:00";
    QTest::newRow("minute 60") << "--output a.png --time 12:60"
                               << "12:60";
    QTest::newRow("text time") << "--output a.png --time noon"
                               << "noon";
    QTest::newRow("size 0") << "--output a.png --size 0"
                            << "\"0\"";
    QTest::newRow("size -5") << "--output a.png --size -5"
                             << "-5";
    QTest::newRow("9000x9000") << "--output a.png --size 9000x9000"
                               << "9000x9000";
    QTest::newRow("size big") << "--output a.png --size big"
                              << "big";
    QTest::newRow("unknown key") << "--output a.png --keys \"T Jump\""
                                 << "Jump";
    QTest::newRow("F12, window only") << "--output a.png --keys F12"
                                      << "F12 only works in a window";
    QTest::newRow("H, window only") << "--output a.png --keys \"T H\""
                                    << "H only works in a window";
    QTest::newRow("Menu, window only") << "--output a.png --keys menu"
                                       << "menu only works in a window";
    QTest::newRow("escape, window only") << "--output a.png --keys \"R escape\""
                                         << "escape";
    QTest::newRow("gif") << "--output phone.gif"
                         << "phone.gif";
    QTest::newRow("no file name") << "--output \"\""
                                  << "--output";
    QTest::newRow("time without output") << "--time 10:08"
                                         << "--time";
    QTest::newRow("unknown option") << "--output a.png --frobnicate"
                                    << "frobnicate";
    QTest::newRow("two pictures") << "--output a.png one.png two.png"
                                  << "two.png";
    QTest::newRow("{frame} without --duration") << "--output lid-{frame}.png"
                                                << "{frame}";
    QTest::newRow("--duration, one file") << "--output lid.png --duration 3"
                                          << "{frame}";
    QTest::newRow("fps 0") << "--output - --duration 3 --fps 0"
                           << "\"0\"";
    QTest::newRow("fps 241") << "--output - --duration 3 --fps 241"
                             << "241";
    QTest::newRow("fps without --duration") << "--output a.png --fps 10"
                                            << "--fps";
    QTest::newRow("duration -1") << "--output - --duration -1"
                                 << "-1";
    QTest::newRow("transparent JPEG") << "--output a.jpg --background transparent"
                                      << "JPEG";
    QTest::newRow("not a colour") << "--output a.png --background sky"
                                  << "sky";
}

void tst_Output::badLinesAreRefusedNamingTheProblem()
{
    QFETCH(QString, line);
    QFETCH(QString, named);
    const QString error = parse(line).error;
    QVERIFY2(error.contains(named), qPrintable(error));
    QVERIFY2(!error.contains('\n'), "an error is one line");
}

void tst_Output::goodLinesAreUnderstood()
{
    const CommandLine line = parse("-platform xcb --output - --size 1920x1080 --time 9:05 "
                                   "--antialias --keys \"r Left\" --keys \"+ = - Space\" p.jpg");
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    QCOMPARE(line.output, QString("-"));
    QCOMPARE(line.size, QSize(1920, 1080));
    QCOMPARE(line.time, QTime(9, 5, 0));
    QCOMPARE(line.picture, QString("p.jpg"));
    const QVector<int> keys{Qt::Key_Q,     Qt::Key_R,     Qt::Key_Left, Qt::Key_Plus,
                            Qt::Key_Equal, Qt::Key_Minus, Qt::Key_Space};
    QCOMPARE(line.keys, keys);
    QCOMPARE(parse("--output x --size 300").size, QSize(300, 300));
    const CommandLine frames =
        parse("--output lid-{frame}.jpg --duration 2.5 --fps 24 --background #202020");
    QVERIFY2(frames.error.isEmpty(), qPrintable(frames.error));
    QCOMPARE(frames.background, QColor(0x20, 0x20, 0x20));
    QCOMPARE(frames.durationMs, 2500);
    QCOMPARE(frames.fps, 24);
    QCOMPARE(parse("--output - --duration 1").fps, 30);
    QVERIFY(parse("-display :9 -reverse --platform offscreen").error.isEmpty());
    QVERIFY(parse("--no-settings").noSettings && !parse("p.png").noSettings);
    QCOMPARE(parse("").picture, QString()); // none given: the remembered one, or nqw.bmp
}

void tst_Output::unwritableOutputsFailLeavingNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder"); // must stay as it was
    const QString dir = m_dir.path();
    QDir(dir).mkpath("taken.png");
    mkfifo(qPrintable(dir + "/fifo.png"), 0600);
    QTest::newRow("no such folder") << dir + "/none/a.png" << dir;
    QTest::newRow("a folder of that name") << dir + "/taken.png" << dir;
    QTest::newRow("a FIFO") << dir + "/fifo.png" << dir;
    QTest::newRow("a device") << "/dev/null"
                              << "/dev";
    QTest::newRow("no permission") << "/proc/velkar.png"
                                   << "/proc";
    QTest::newRow("disk full") << dir + "/full.png" << dir;
}

void tst_Output::unwritableOutputsFailLeavingNothing()
{
    QFETCH(QString, file);
    QFETCH(QString, folder);
    const QStringList before = entries(folder);
    // Noise, so that even compressed it is far larger than the limit below.
    QImage picture(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, QRandomGenerator::global()->generate());
    // A file size limit fails the writes as a full disk does.
    const bool full = file.endsWith("full.png");
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    rlimit small = unlimited;
    small.rlim_cur = 100;
    if (full) {
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    const QString why = writeOutputFile(picture, file);
    if (full)
        setrlimit(RLIMIT_FSIZE, &unlimited);
    QVERIFY2(!why.isEmpty(), "writing should have failed");
    if (folder != "/proc")
        QCOMPARE(entries(folder), before);
}

void tst_Output::existingFileIsReplacedWhole()
{
    const QString file = m_dir.filePath("phone.jpg");
    QFile old(file);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an older file") > 0);
    old.close();
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QCOMPARE(writeOutputFile(picture, file), QString());
    QImageReader reader(file);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.read().size(), QSize(40, 20));
}

void tst_Output::drawsThePhoneWithoutADisplay()
{
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    CommandLine line = parse(QString("--output %1 --size 300x200 --keys \"T T\" --time 10:08:30")
                                 .arg(m_dir.filePath("phone.png")));
    char program[] = "velkar";
    QCOMPARE(writePicture(line, program), 0);
    const QImage picture(line.output);
    QCOMPARE(picture.size(), QSize(300, 200));
    QCOMPARE(picture.pixel(5, 5), qRgb(255, 255, 255));
    QVERIFY2(qGray(picture.pixel(150, 100)) < 128, "the phone should be in the middle");
}

void tst_Output::namesChooseTheFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png") << "a.png" << QByteArray("png");
    QTest::newRow("PNG") << "dir.x/A.PNG" << QByteArray("png");
    QTest::newRow("no extension") << "phone" << QByteArray("png");
    QTest::newRow("standard output") << "-" << QByteArray("png");
    QTest::newRow("jpg") << "a.JPG" << QByteArray("jpeg");
    QTest::newRow("jpeg") << "a.jpeg" << QByteArray("jpeg");
    QTest::newRow("gif") << "a.gif" << QByteArray();
    QTest::newRow("png.txt") << "a.png.txt" << QByteArray();
}

void tst_Output::namesChooseTheFormat()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, format);
    QCOMPARE(outputFormat(file), format);
}

QImage tst_Output::draw(const QString &options)
{
    const QString file = m_dir.filePath("drawn.png");
    const CommandLine line = parse(QString("--output %1 --time 10:08:30 ").arg(file) + options);
    char program[] = "velkar";
    return writePicture(line, program) == 0 ? QImage(file) : QImage();
}

void tst_Output::antialiasIsTheKeyQ()
{
    const QImage plain = draw("");
    const QImage antialiased = draw("--antialias");
    QVERIFY(!plain.isNull() && antialiased != plain);
    QCOMPARE(draw("--keys Q"), antialiased);
    QCOMPARE(draw("--antialias --keys q"), plain);
}

// R opens the lid fully and F closes it again, at once: the open phone is about twice as
// tall as the closed one.
void tst_Output::lidAnimationsEndAtTheirFinalState()
{
    const int closed = drawnHeight(draw(""));
    QVERIFY2(drawnHeight(draw("--keys R")) > closed * 3 / 2, "R should open the lid");
    QVERIFY(qAbs(drawnHeight(draw("--keys \"R F\"")) - closed) <= 1);
}

void tst_Output::documentationNamesEveryCommand_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("from"); // the controls start here
    QTest::addColumn<QString>("to");   // and end here
    QTest::addColumn<QString>("key");  // how the text marks a key: %1 is its name
    QTest::newRow("manual page") << "../packaging/velkar.1"
                                 << ".SH CONTROLS"
                                 << ".SH "
                                 << "^\\.BR? (.*[\" ])?%1([\" ]|$)";
    QTest::newRow("README") << "../README.md"
                            << "## Controls"
                            << "\n## "
                            << "`%1`";
}

// Every key of every command is named where the controls are described, and so is every
// entry of the menu.
void tst_Output::documentationNamesEveryCommand()
{
    QFETCH(QString, file);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, key);
    QFile text(file);
    QVERIFY(text.open(QIODevice::ReadOnly));
    QString section = QString::fromUtf8(text.readAll()).replace("\\-", "-");
    section = section.mid(section.indexOf(from) + from.size());
    section = section.left(section.indexOf(to)).replace("...", "…");
    for (const Command &command : commands()) {
        for (const CommandKey &name : command.keys) {
            const QRegularExpression marked(
                key.arg(QRegularExpression::escape(name.name ? name.name : "")),
                QRegularExpression::MultilineOption);
            QVERIFY2(!name.name || section.contains(marked), name.name);
        }
        QVERIFY2(!command.menu.text || section.simplified().contains(command.menu.text),
                 command.menu.text);
    }
}

void tst_Output::everyMarkedStringIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("newSource"); // code marked since, that nobody translated
    QTest::addColumn<QStringList>("faults");
    for (const QString &language : shippedLanguages())
        QTest::newRow(qPrintable(language)) << language << QByteArray() << QStringList();
    QTest::newRow("a string marked since")
        << "de" << QByteArray("const char *s = QT_TRANSLATE_NOOP(\"Menu\", \"Copy\");\n")
        << QStringList{"Menu: Copy"};
}

// The sources are read again, as `update_translations` reads them, into a copy of each
// language's file: a string marked in them comes in unfinished until someone translates it.
void tst_Output::everyMarkedStringIsTranslated()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, newSource);
    QFETCH(QStringList, faults);
    QTemporaryDir dir;
    const QString ts = dir.filePath("velkar_" + language + ".ts");
    QVERIFY(QFile::copy(VELKAR_SOURCE_DIR "/translations/velkar_" + language + ".ts", ts));
    QFile code(dir.filePath("new.cpp")), file(ts);
    QVERIFY(code.open(QIODevice::WriteOnly) && code.write(newSource) == newSource.size());
    code.close();
    QProcess lupdate;
    lupdate.start(VELKAR_LUPDATE, {"-silent", "-no-obsolete", "-locations", "none",
                                   VELKAR_SOURCE_DIR "/src", code.fileName(), "-ts", ts});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList found = untranslated(QString::fromUtf8(file.readAll()));
    QVERIFY2(found == faults, qPrintable("not translated: " + found.join("; ")));
}

void tst_Output::helpLinesTheControlsUpOnATerminal_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("input"); // one of the card's, and the columns it takes
    QTest::addColumn<int>("columns");
    // clang-format off
    QTest::newRow("de")    << "de"    << "Strg+Umschalt+O"             << 15;
    QTest::newRow("fr")    << "fr"    << "Page suiv / Page préc"       << 21;
    QTest::newRow("ja")    << "ja"    << "右クリック、Shift+F10、Menu" << 27;
    QTest::newRow("zh_CN") << "zh_CN" << "右键单击、Shift+F10、Menu"   << 25;
    // clang-format on
}

// --help's actions start in one column of a terminal, where an East Asian character is
// two columns wide.
void tst_Output::helpLinesTheControlsUpOnATerminal()
{
    QFETCH(QString, language);
    QFETCH(QString, input);
    QFETCH(int, columns);
    char program[] = "tst_output";
    char *argv[] = {program, nullptr};
    int argc = 1;
    const QCoreApplication app(argc, argv); // its translators go with it
    installTranslations(QLocale(language));
    const QString help = controlsHelp();
    QVERIFY2(help.contains("\n  " + input + "  "), qPrintable(help));
    QCOMPARE(terminalColumns(input), columns);
    const std::vector<Control> rows = controls();
    const QStringList lines = help.split('\n').mid(2);
    QSet<int> starts;
    for (size_t i = 0; i < rows.size(); ++i) {
        QVERIFY2(lines.value(int(i)).endsWith(rows[i].action), qPrintable(help));
        starts << terminalColumns(lines[int(i)].chopped(rows[i].action.size()));
    }
    QCOMPARE(starts.size(), 1);
}

// A picture made from the command line depends on its arguments alone: a remembered
// picture changes nothing.
void tst_Output::outputNeverReadsSettings()
{
    const QImage before = draw("--keys R");
    QImage magenta(16, 16, QImage::Format_RGB32);
    magenta.fill(Qt::magenta);
    QVERIFY(magenta.save(m_dir.filePath("magenta.png")));
    Remembered remembered;
    remembered.picture = {PictureSource::Kind::File, m_dir.filePath("magenta.png")};
    QCOMPARE(writeSettings(settingsFile(), remembered), QString());
    QVERIFY(!before.isNull() && draw("--keys R") == before);
    QVERIFY(QFile::remove(settingsFile()));
}

void tst_Output::pictureIsTheCommandLinesThenTheRemembered_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("remembered"); // a PictureSource::Kind: nothing, a file
    QTest::addColumn<QString>("shown");
    QTest::newRow("PICTURE over a remembered file") << "a.png" << 1 << "a.png";
    QTest::newRow("PICTURE, nothing remembered") << "a.png" << 0 << "a.png";
    QTest::newRow("the remembered file") << "" << 1 << "/photos/b.png";
    QTest::newRow("neither: the standard picture") << "" << 0 << "nqw.bmp";
}

void tst_Output::pictureIsTheCommandLinesThenTheRemembered()
{
    QFETCH(QString, line);
    QFETCH(int, remembered);
    QFETCH(QString, shown);
    const PictureSource source = {PictureSource::Kind(remembered), "/photos/b.png", 300, true};
    const PictureSource start = startingPicture(parse(line).picture, source);
    QCOMPARE(start.file(), shown);
    QCOMPARE(start.intervalSeconds, 300); // the slideshow's own choice stays
}

void tst_Output::namesThatAreNotUtf8AreRefused_data()
{
    QTest::addColumn<bool>("output"); // the name is --output's, else PICTURE's
    QTest::newRow("PICTURE") << false;
    QTest::newRow("--output") << true;
}

// Bytes that are not UTF-8 in a name are neither dropped nor replaced: the name is refused
// in one line, and neither its own file nor the one a replaced name gives is touched.
void tst_Output::namesThatAreNotUtf8AreRefused()
{
    QFETCH(bool, output);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray bytes = folder + "/pic\xff.png", replaced = folder + "/pic\xef\xbf\xbd.png";
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    QVERIFY(output || (picture.save(QFile::decodeName(replaced)) &&
                       ::link(replaced.constData(), bytes.constData()) == 0));
    char program[] = "velkar";
    QByteArray argument = bytes;
    char *argv[] = {program, argument.data(), nullptr};
    const QString name = decodedArguments(2, argv).value(1);
    QCOMPARE(printableFileName(name), dir.path() + "/pic\\xff.png");
    const QStringList before = entries(dir.path());
    if (output) {
        QVERIFY(writeOutputFile(picture, name).contains("cannot be used"));
    } else {
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable("velkar: no screen picture: \"" + printableFileName(name) +
                                        "\" in " + QDir::currentPath() +
                                        ": its name is not valid UTF-8, and it "
                                        "cannot be used"));
        QVERIFY(loadScreenPicture(name).isNull());
    }
    QCOMPARE(entries(dir.path()), before);
    QVERIFY(output || ::unlink(bytes.constData()) == 0); // a name the toolkit cannot remove
    // A name that is UTF-8 is the file of that name.
    QVERIFY(usableFileName(decodeFileName("ph\xc3\xb6t\xc3\xb6.png")));
}

void tst_Output::settingsComeBackAsWritten()
{
    Remembered all;
    all.size = QSize(1234, 567);
    all.fullScreen = all.placed = all.stayOnTop = all.hideTitleBar = true;
    all.position = QPoint(-20, 30);
    all.picture = {PictureSource::Kind::Folder, m_dir.filePath("phötö 😀"), 3600, true};
    QVERIFY(QDir(m_dir.path()).mkpath(all.picture.path));
    warnings.clear();
    // Qt's own place for it, under the test's folder.
    QCOMPARE(QSettings(QSettings::IniFormat, QSettings::UserScope, "velkar", "velkar").fileName(),
             settingsFile());
    QCOMPARE(settingsFile(), settings());
    for (const Remembered &values : {Remembered(), all}) {
        QCOMPARE(writeSettings(settings(), values), QString());
        QVERIFY(readSettings(settings()).values == values);
        QVERIFY(contents(settings()).contains("width=" + QByteArray::number(values.size.width())));
        QCOMPARE(entries(QFileInfo(settings()).path()), QStringList{"velkar.ini"});
    }
    QVERIFY(warnings.isEmpty());
}

void tst_Output::badSettingsGiveAFirstStart_data()
{
    QTest::addColumn<QByteArray>("text"); // the file's; FOLDER, FIFO, LOOP: none, but that
    QTest::addColumn<QString>("why");     // in the warning line
    QTest::addColumn<int>("width");       // still read, when the file could be parsed
    const QByteArray w = "[window]\nwidth=640\n";
    const QString gone = m_dir.filePath("gone.png"), file = QFileInfo("nqw.bmp").absoluteFilePath();
    // clang-format off
    QTest::newRow("a folder")             << QByteArray("FOLDER")             << "it is a folder"       << 500;
    QTest::newRow("a named pipe")         << QByteArray("FIFO")               << "not a regular file"   << 500;
    QTest::newRow("a loop of links")      << QByteArray("LOOP")               << "cannot be read"       << 500;
    QTest::newRow("binary")               << QByteArray("\x7f" "ELF\n\0\xff", 7) << "not an INI file"   << 500;
    QTest::newRow("section never closed") << "[window\n" + w                  << "not an INI file"      << 500;
    QTest::newRow("width 0")              << QByteArray("[window]\nwidth=0\n") << "width \"0\" is not"  << 500;
    QTest::newRow("height 100000")        << w + "height=100000"              << "height \"100000\""    << 640;
    QTest::newRow("interval -5")          << w + "[picture]\ninterval=-5"     << "interval \"-5\""      << 640;
    QTest::newRow("a word for a number")  << w + "x=left\ny=1"                << "x \"left\""           << 640;
    QTest::newRow("a word for a flag")    << w + "stayOnTop=maybe"            << "stayOnTop \"maybe\""  << 640;
    QTest::newRow("an unknown kind")      << w + "[picture]\nkind=video"      << "kind \"video\""       << 640;
    QTest::newRow("a picture that is gone") << w + "[picture]\nkind=file\npath=" + gone.toUtf8()
                                            << "the file \"" + gone + "\" is gone" << 640;
    QTest::newRow("a file for a folder")  << w + "[picture]\nkind=folder\npath=" + file.toUtf8()
                                          << "the folder \"" + file + "\" is gone" << 640;
    // clang-format on
}

// What cannot be used is a first start's, said in one line; a file that could not be parsed
// is kept as it is, and where nothing can be written nothing is left.
void tst_Output::badSettingsGiveAFirstStart()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, why);
    QFETCH(int, width);
    QDir(m_dir.filePath("config")).removeRecursively();
    QVERIFY(QDir().mkpath(QFileInfo(settings()).path()));
    const QByteArray name = QFile::encodeName(settings());
    QFile file(settings());
    QVERIFY(text == "FOLDER" ? mkdir(name, 0700) == 0
            : text == "FIFO" ? mkfifo(name, 0600) == 0
            : text == "LOOP" ? symlink("velkar.ini", name) == 0
                             : file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    warnings.clear();
    const ReadSettings read = readSettings(settings());
    Remembered expected;
    expected.size.setWidth(width);
    QVERIFY(read.values == expected);
    QCOMPARE(read.writable, width != 500 || text.startsWith("[window]"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].startsWith("velkar: settings " + settings() + ": ") &&
                 warnings[0].contains(why) && !warnings[0].contains('\n'),
             qPrintable(warnings[0]));
    if (text.startsWith('[') || text.startsWith('\x7f'))
        QCOMPARE(contents(settings()), text);
    QVERIFY(!writeSettings("/proc/velkar.ini", expected).isEmpty()); // a read-only folder
    QVERIFY(!QFile::exists("/proc/velkar.ini"));
}

// Two windows writing at once: whoever writes last wins, whole, and a reader meanwhile
// always finds one of the two, never a mix.
void tst_Output::twoSettingsWritersNeverMix()
{
    Remembered one, two;
    one.picture = {PictureSource::Kind::Folder, m_dir.path(), 10, true};
    two.size = QSize(900, 700);
    two.stayOnTop = two.hideTitleBar = true;
    QDir(m_dir.filePath("config")).removeRecursively();
    QCOMPARE(writeSettings(settings(), one), QString());
    const auto writer = [this](const Remembered &values) {
        int failed = 0;
        for (int i = 0; i < 60; ++i)
            failed += !writeSettings(settings(), values).isEmpty();
        return failed;
    };
    std::future<int> first = std::async(std::launch::async, writer, one);
    std::future<int> second = std::async(std::launch::async, writer, two);
    const auto done = [](std::future<int> &f) {
        return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    };
    for (int reads = 0; !done(first) || !done(second) || reads < 10; ++reads) {
        const Remembered read = readSettings(settings()).values;
        QVERIFY2(read == one || read == two, contents(settings()).constData());
    }
    QCOMPARE(first.get() + second.get(), 0);
    QCOMPARE(entries(QFileInfo(settings()).path()), QStringList{"velkar.ini"});
}

int tst_Output::run(const QString &file, const QString &options)
{
    const CommandLine line = parse(QString("--output %1 ").arg(file) + options);
    char program[] = "velkar";
    return line.error.isEmpty() ? writePicture(line, program) : -1;
}

// The folder of a sequence's frames, named frame-N.png; each sequence is drawn once.
QString tst_Output::sequence(const QString &options)
{
    if (!m_sequences.contains(options)) {
        const QString folder = m_dir.filePath(QString("sequence-%1").arg(m_sequences.size()));
        QDir().mkpath(folder);
        if (run(folder + "/frame-{frame}.png", options) != 0)
            return QString();
        m_sequences.insert(options, folder);
    }
    return m_sequences.value(options);
}

void tst_Output::framesAreNumberedToTheWidthOfTheLast_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("3 s at 30") << "--duration 3" << 90 << "lid-00.png"
                               << "lid-89.png";
    QTest::newRow("4 s at 1") << "--duration 4 --fps 1" << 4 << "lid-0.png"
                              << "lid-3.png";
    QTest::newRow("a part of a frame") << "--duration 0.5 --fps 3" << 2 << "lid-0.png"
                                       << "lid-1.png";
    QTest::newRow("an hour at 240") << "--duration 3600 --fps 240" << 864000 << "lid-000000.png"
                                    << "lid-863999.png";
}

void tst_Output::framesAreNumberedToTheWidthOfTheLast()
{
    QFETCH(QString, options);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const CommandLine line = parse("--output lid-{frame}.png " + options);
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    QCOMPARE(frameCount(line), count);
    QCOMPARE(frameFileName(line.output, 0, count), first);
    QCOMPARE(frameFileName(line.output, count - 1, count), last);
}

// The phone's pixels are exactly the white frame's at alpha 255, and so are a coloured
// background's; the background is alpha 0, and the smoothed edges in between are coverage:
// laid over white or over the colour they give the frame drawn with that background.
void tst_Output::transparentBackgroundIsThePhonesCoverage()
{
    const QString options = "--time 10:08:30 --antialias --keys \"R Left\" --background ";
    const QString file = m_dir.filePath("transparent.png");
    const QString coloured = m_dir.filePath("coloured.png");
    QCOMPARE(run(file, options + "transparent"), 0);
    QCOMPARE(run(coloured, options + "#203040"), 0);
    keepForTheOtherBuild(file, "transparent.png");
    keepForTheOtherBuild(coloured, "coloured.png");
    QCOMPARE(run(m_dir.filePath("coloured.jpg"), options + "#203040"), 0);
    keepForTheOtherBuild(m_dir.filePath("coloured.jpg"), "coloured.jpg");
    const QImage matted = QImage(file).convertToFormat(QImage::Format_ARGB32);
    const QImage grey(coloured);
    const QImage white = draw("--antialias --keys \"R Left\"");
    QCOMPARE(matted.size(), white.size());
    QCOMPARE(qAlpha(matted.pixel(2, 2)), 0);
    QCOMPARE(grey.pixel(2, 2), qRgb(0x20, 0x30, 0x40));
    QCOMPARE(matted.pixel(250, 300), white.pixel(250, 300));
    int phone = 0, edges = 0;
    for (int y = 0; y < matted.height(); ++y)
        for (int x = 0; x < matted.width(); ++x) {
            const QRgb p = matted.pixel(x, y);
            phone += qAlpha(p) == 255;
            edges += qAlpha(p) > 0 && qAlpha(p) < 255;
            if (qAlpha(p) == 255 && (p != white.pixel(x, y) || p != grey.pixel(x, y)))
                QFAIL(qPrintable(QString("the phone changed at %1,%2").arg(x).arg(y)));
            if (!laidOverIs(p, qRgb(255, 255, 255), white.pixel(x, y)) ||
                !laidOverIs(p, qRgb(0x20, 0x30, 0x40), grey.pixel(x, y)))
                QFAIL(qPrintable(QString("coverage is wrong at %1,%2").arg(x).arg(y)));
        }
    QVERIFY(phone > 10000);
    QVERIFY2(edges > 100, "the smoothed edges should be partly covered");
}

void tst_Output::framesAreTheSinglePicturesOfTheirTime_data()
{
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<int>("frame");
    QTest::addColumn<QString>("single");       // the same bytes
    QTest::addColumn<QString>("notTheSingle"); // a picture the frame must differ from
    const QString clocks = "--time 10:08:58 --duration 4 --fps 1";
    QTest::newRow("10:08:58") << clocks << 0 << "--time 10:08:58"
                              << "--time 10:08:59";
    QTest::newRow("10:08:59") << clocks << 1 << "--time 10:08:59"
                              << "--time 10:08:58";
    QTest::newRow("10:09:00") << clocks << 2 << "--time 10:09:00"
                              << "--time 10:08:59";
    QTest::newRow("10:09:01") << clocks << 3 << "--time 10:09:01"
                              << "--time 10:09:00";
    const QString lid = "--time 10:08:30 --keys R --duration 4";
    QTest::newRow("R, 3 s") << lid << 90 << "--time 10:08:33 --keys R"
                            << "--time 10:08:30 --keys R";
    QTest::newRow("transparent, 1 s") << clocks + " --background transparent --antialias" << 1
                                      << "--time 10:08:59 --background transparent --antialias"
                                      << "--time 10:08:59 --antialias";
}

void tst_Output::framesAreTheSinglePicturesOfTheirTime()
{
    QFETCH(QString, sequence);
    QFETCH(int, frame);
    QFETCH(QString, single);
    QFETCH(QString, notTheSingle);
    const QString folder = this->sequence(sequence);
    QVERIFY(!folder.isEmpty());
    const int count = frameCount(parse("--output - " + sequence));
    QCOMPARE(entries(folder).size(), count);
    const QString framed = folder + "/" + frameFileName("frame-{frame}.png", frame, count);
    const QString file = m_dir.filePath("single.png");
    QCOMPARE(run(file, single), 0);
    QCOMPARE(contents(framed), contents(file));
    keepForTheOtherBuild(framed, QString("frame-%1.png").arg(QTest::currentDataTag()));
    QCOMPARE(run(file, notTheSingle), 0);
    QVERIFY(contents(framed) != contents(file));
}

// Frame 0 is the window's first after R: the lid a little open, less than in frame 1.
void tst_Output::lidSequenceStartsAsTheLidBeginsToOpen()
{
    const QString folder = sequence("--time 10:08:30 --keys R --duration 4");
    QVERIFY(!folder.isEmpty());
    const QImage closed = draw("");
    const int first = differing(QImage(folder + "/frame-000.png"), closed);
    QVERIFY2(first > 0, "frame 0 should show the lid opening");
    QVERIFY(first < differing(QImage(folder + "/frame-001.png"), closed));
}

// "-": the PNG files of the frames, one after another, and nothing else.
void tst_Output::standardOutputGetsTheFramesOneAfterAnother()
{
    const QString options = "--time 10:08:58 --duration 4 --fps 1";
    const QString folder = sequence(options);
    QVERIFY(!folder.isEmpty());
    QTemporaryFile captured;
    QVERIFY(captured.open());
    const int saved = dup(STDOUT_FILENO);
    dup2(captured.handle(), STDOUT_FILENO);
    const int status = run("-", options);
    dup2(saved, STDOUT_FILENO);
    QCOMPARE(status, 0);
    QByteArray frames;
    for (int k = 0; k < 4; ++k)
        frames += contents(folder + QString("/frame-%1.png").arg(k));
    QCOMPARE(contents(captured.fileName()), frames);
}

// A disk that fills after the first few frames: nothing of the run is left, and the frames
// of an earlier, longer run stay as they were, even those of the same names.
void tst_Output::failedSequenceLeavesNoFrameOfItsOwn()
{
    const QString folder = m_dir.filePath("partway");
    QDir().mkpath(folder);
    const QString frames = folder + "/lid-{frame}.png";
    QCOMPARE(run(frames, "--time 10:08:30 --keys R --duration 2 --fps 10"), 0);
    QMap<QString, QByteArray> earlier;
    for (const QString &name : entries(folder))
        earlier.insert(name, contents(folder + "/" + name));
    QCOMPARE(earlier.size(), 20);

    // The frames grow as the lid opens: the limit lets the first through and not the last.
    const QString measured = sequence("--time 11:00:00 --keys R --duration 1 --fps 10");
    const qint64 smallest = QFileInfo(measured + "/frame-0.png").size();
    const qint64 largest = QFileInfo(measured + "/frame-9.png").size();
    QVERIFY(smallest + 200 < largest);
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    rlimit limited = unlimited;
    limited.rlim_cur = rlim_t((smallest + largest) / 2);
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    const int status = run(frames, "--time 11:00:00 --keys R --duration 1 --fps 10");
    setrlimit(RLIMIT_FSIZE, &unlimited);
    QCOMPARE(status, 1);
    QCOMPARE(entries(folder), earlier.keys());
    for (auto file = earlier.cbegin(); file != earlier.cend(); ++file)
        QVERIFY2(contents(folder + "/" + file.key()) == file.value(), qPrintable(file.key()));
}

// The same arguments give the same bytes: run again, with the toolkit told to scale, and in
// another working directory (the picture named in full).
void tst_Output::nothingButTheArgumentsChangesTheBytes()
{
    const QString options = "--time 10:08:30 --size 320x240 --antialias --keys \"R Left\" "
                            "--background transparent " +
                            QFileInfo("nqw.bmp").absoluteFilePath();
    const QString first = m_dir.filePath("first.png");
    QCOMPARE(run(first, options), 0);
    QCOMPARE(run(m_dir.filePath("again.png"), options), 0);
    qputenv("QT_SCALE_FACTOR", "2");
    const int scaled = run(m_dir.filePath("scaled.png"), options);
    qunsetenv("QT_SCALE_FACTOR");
    const QString home = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    const int elsewhere = run(m_dir.filePath("elsewhere.png"), options);
    QDir::setCurrent(home);
    QVERIFY(scaled == 0 && elsewhere == 0 && !contents(first).isEmpty());
    for (const char *second : {"again.png", "scaled.png", "elsewhere.png"})
        QVERIFY2(contents(m_dir.filePath(second)) == contents(first), second);
}

QTEST_APPLESS_MAIN(tst_Output)
#include "tst_output.moc"
