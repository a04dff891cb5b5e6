// What velkar remembers: written whole and read back, and every kind of bad settings file
// met with a first start's values and one warning line, the file left as it was.
#include <QDir>
#include <QFile>
#include <QtTest>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

#include "settings.h"

Q_DECLARE_METATYPE(Remembered)

namespace {

QStringList warnings;
QtMessageHandler previousHandler = nullptr;
void countWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg)
        warnings << message;
    previousHandler(type, context, message);
}

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

bool writeFile(const QString &file, const QByteArray &text)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

} // namespace

class tst_Settings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_picture; // a file that is there
    QString file() const { return m_dir.filePath("velkar/velkar.ini"); }

private slots:
    void initTestCase();
    void init();
    void fileIsQtsOwnUnderTheConfigFolder();
    void valuesComeBackAsWritten_data();
    void valuesComeBackAsWritten();
    void badSettingsGiveAFirstStart_data();
    void badSettingsGiveAFirstStart();
    void unwritableFolderFailsLeavingNothing();
    void twoWritersNeverMix();
    void commandLinePictureWinsThenTheRemembered_data();
    void commandLinePictureWinsThenTheRemembered();
};

void tst_Settings::initTestCase()
{
    QVERIFY(m_dir.isValid());
    previousHandler = qInstallMessageHandler(countWarnings);
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
    m_picture = m_dir.filePath("holiday.png");
    QVERIFY(writeFile(m_picture, "any bytes"));
    QVERIFY(QDir(m_dir.path()).mkdir("photos"));
}

void tst_Settings::init()
{
    QDir(m_dir.filePath("velkar")).removeRecursively();
    QFile::remove(m_dir.filePath("velkar"));
    QVERIFY(QDir(m_dir.path()).mkdir("velkar"));
    warnings.clear();
}

// Where Qt keeps a program's INI file, under the XDG config folder (here the test's own).
void tst_Settings::fileIsQtsOwnUnderTheConfigFolder()
{
    QCOMPARE(settingsFile(), m_dir.filePath("config/velkar/velkar.ini"));
}

void tst_Settings::valuesComeBackAsWritten_data()
{
    QTest::addColumn<Remembered>("values");
    QTest::newRow("a first start's") << Remembered();
    Remembered all;
    all.size = QSize(1234, 567);
    all.fullScreen = true;
    all.placed = true;
    all.position = QPoint(-20, 30);
    all.stayOnTop = true;
    all.hideTitleBar = true;
    all.picture = {PictureSource::Kind::File, m_picture, 10, true};
    QTest::newRow("every one changed") << all;
    Remembered folder;
    folder.picture = {PictureSource::Kind::Folder, m_dir.filePath("photos"), 3600, false};
    QTest::newRow("a folder, hourly") << folder;
}

void tst_Settings::valuesComeBackAsWritten()
{
    QFETCH(Remembered, values);
    QCOMPARE(writeSettings(file(), values), QString());
    const ReadSettings read = readSettings(file());
    QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem));
    QVERIFY(read.values == values);
    QVERIFY(read.writable && warnings.isEmpty());
    // A person can read it: one key a line.
    QVERIFY(contents(file()).contains("width=" + QByteArray::number(values.size.width())));
    QCOMPARE(QDir(m_dir.filePath("velkar")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"velkar.ini"});
}

void tst_Settings::badSettingsGiveAFirstStart_data()
{
    QTest::addColumn<QByteArray>("text"); // the file's; "FOLDER", "FIFO", "LOOP": no file
    QTest::addColumn<QString>("why");     // in the warning
    QTest::addColumn<bool>("writable");   // may be written over later
    QTest::addColumn<Remembered>("kept"); // what is still used
    const QByteArray good = "[window]\nwidth=640\nheight=480\n";
    Remembered sized;
    sized.size = QSize(640, 480);
    QTest::newRow("a folder") << QByteArray("FOLDER") << "it is a folder" << false << Remembered();
    QTest::newRow("a FIFO") << QByteArray("FIFO") << "not a regular file" << false << Remembered();
    QTest::newRow("a loop of links")
        << QByteArray("LOOP") << "cannot be read" << false << Remembered();
    QTest::newRow("binary") << QByteArray("\x7f"
                                          "ELF\x01\x02\n\x00\xff",
                                          9)
                            << "not an INI file" << false << Remembered();
    QTest::newRow("section never closed")
        << QByteArray("[window\nwidth=640\n") << "not an INI file" << false << Remembered();
    QTest::newRow("width 0") << QByteArray("[window]\nwidth=0\nheight=480\n")
                             << "window/width \"0\"" << true << [] {
                                    Remembered r;
                                    r.size.setHeight(480);
                                    return r;
                                }();
    QTest::newRow("height 100000") << QByteArray("[window]\nwidth=640\nheight=100000\n")
                                   << "window/height \"100000\"" << true << [] {
                                          Remembered r;
                                          r.size.setWidth(640);
                                          return r;
                                      }();
    QTest::newRow("interval -5") << good + "[picture]\ninterval=-5\n"
                                 << "picture/interval \"-5\"" << true << sized;
    QTest::newRow("a word for a number") << good + "x=left\ny=10\n"
                                         << "window/x \"left\"" << true << sized;
    QTest::newRow("a word for a flag") << good + "stayOnTop=maybe\n"
                                       << "window/stayOnTop \"maybe\"" << true << sized;
    QTest::newRow("a picture that is gone")
        << good + "[picture]\nkind=file\npath=" + QFile::encodeName(m_dir.filePath("gone.png"))
        << "the file \"" + m_dir.filePath("gone.png") + "\" is gone" << true << sized;
    QTest::newRow("a file where a folder was")
        << good + "[picture]\nkind=folder\npath=" + QFile::encodeName(m_picture)
        << "the folder \"" + m_picture + "\" is gone" << true << sized;
    QTest::newRow("an unknown kind") << good + "[picture]\nkind=video\n"
                                     << "picture/kind \"video\"" << true << sized;
}

void tst_Settings::badSettingsGiveAFirstStart()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, why);
    QFETCH(bool, writable);
    QFETCH(Remembered, kept);
    if (text == "FOLDER")
        QVERIFY(QDir().mkdir(file()));
    else if (text == "FIFO")
        QCOMPARE(mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
    else if (text == "LOOP")
        QCOMPARE(symlink("velkar.ini", QFile::encodeName(file()).constData()), 0);
    else
        QVERIFY(writeFile(file(), text));

    const ReadSettings read = readSettings(file());
    QVERIFY(read.values == kept);
    QCOMPARE(read.writable, writable);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].startsWith("velkar: settings " + file() + ": "), qPrintable(warnings[0]));
    QVERIFY2(warnings[0].contains(why), qPrintable(warnings[0]));
    QVERIFY(!warnings[0].contains('\n'));
    if (!text.startsWith("FOLDER") && text != "FIFO" && text != "LOOP")
        QCOMPARE(contents(file()), text); // reading never changes it
}

// Nothing is left behind where the file cannot be written: not a part of it, not a
// temporary file.
void tst_Settings::unwritableFolderFailsLeavingNothing()
{
    QVERIFY(!writeSettings("/proc/velkar/velkar.ini", Remembered()).isEmpty());
    QVERIFY(!writeSettings("/proc/velkar.ini", Remembered()).isEmpty());
    QVERIFY(!QFile::exists("/proc/velkar.ini"));
    QVERIFY(QDir(m_dir.path()).rmdir("velkar"));
    QVERIFY(writeFile(m_dir.filePath("velkar"), "a file where the folder should be"));
    QVERIFY(!writeSettings(file(), Remembered()).isEmpty());
    QCOMPARE(contents(m_dir.filePath("velkar")), QByteArray("a file where the folder should be"));
}

// Two windows writing at once: whoever writes last wins, whole, and a reader meanwhile
// always finds one of the two, never a mix.
void tst_Settings::twoWritersNeverMix()
{
    Remembered one, two;
    one.size = QSize(300, 300);
    one.picture = {PictureSource::Kind::File, m_picture, 10, true};
    two.size = QSize(900, 700);
    two.stayOnTop = two.hideTitleBar = true;
    QCOMPARE(writeSettings(file(), one), QString());
    const auto writer = [this](const Remembered &values) {
        int failed = 0;
        for (int i = 0; i < 60; ++i)
            failed += !writeSettings(file(), values).isEmpty();
        return failed;
    };
    std::future<int> first = std::async(std::launch::async, writer, one);
    std::future<int> second = std::async(std::launch::async, writer, two);
    const auto running = [](std::future<int> &f) {
        return f.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
    };
    int reads = 0;
    while (running(first) || running(second) || reads < 10) {
        const ReadSettings read = readSettings(file());
        QVERIFY2(read.values == one || read.values == two, qPrintable(contents(file())));
        ++reads;
    }
    QCOMPARE(first.get() + second.get(), 0);
    QVERIFY(warnings.isEmpty());
    QCOMPARE(QDir(m_dir.filePath("velkar")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"velkar.ini"});
}

void tst_Settings::commandLinePictureWinsThenTheRemembered_data()
{
    QTest::addColumn<QString>("picture"); // PICTURE on the command line
    QTest::addColumn<int>("remembered");  // a PictureSource::Kind
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("kind");
    const int standard = int(PictureSource::Kind::Standard);
    const int file = int(PictureSource::Kind::File);
    QTest::newRow("PICTURE, nothing remembered") << "a.png" << standard << "a.png" << file;
    QTest::newRow("PICTURE over a remembered file") << "a.png" << file << "a.png" << file;
    QTest::newRow("the remembered file") << "" << file << m_picture << file;
    QTest::newRow("neither: the standard picture") << "" << standard << "nqw.bmp" << standard;
}

void tst_Settings::commandLinePictureWinsThenTheRemembered()
{
    QFETCH(QString, picture);
    QFETCH(int, remembered);
    QFETCH(QString, shown);
    QFETCH(int, kind);
    PictureSource source;
    source.kind = PictureSource::Kind(remembered);
    if (source.kind == PictureSource::Kind::File)
        source.path = m_picture;
    source.intervalSeconds = 300;
    const PictureSource start = startingPicture(picture, source);
    QCOMPARE(start.file(), shown);
    QCOMPARE(int(start.kind), kind);
    QCOMPARE(start.intervalSeconds, 300); // the slideshow's own choice stays
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
