#include <QApplication>
#include <memory>

#include "commandline.h"
#include "headless.h"
#include "heap.h"
#include "language.h"
#include "scene3D.h"
#include "settings.h"
#include "windowmemory.h"

int qMain(int argc, char **argv)
{
    // The whole line is judged before the toolkit starts, which would need a display.
    const QStringList arguments = decodedArguments(argc, argv);
    const CommandLine line = parseCommandLine(arguments);
    if (line.help || line.version || !line.error.isEmpty())
        return answerOnTerminal(arguments, argc, argv);
    // A picture made from the command line depends on its arguments alone: no settings.
    if (!line.output.isEmpty())
        return writePicture(line, argv[0]);

    QApplication app(argc, argv);
    installTranslations();
    const QString file = line.noSettings ? QString() : settingsFile();
    ReadSettings settings;
    if (!file.isEmpty())
        settings = readSettings(file);
    Scene3D scene1(nullptr);
    scene1.setPictureSource(startingPicture(line.picture, settings.values.picture));
    scene1.setWindowTitle("My mobile phone: Velkar");
    std::unique_ptr<WindowMemory> memory;
    if (!file.isEmpty() && settings.writable)
        memory = std::make_unique<WindowMemory>(scene1, file, settings.values);
    showAsRemembered(scene1, settings.values);
    return app.exec();
}

int main(int argc, char **argv)
{
    tuneHeapForFrames();
    return qMain(argc, argv);
}
