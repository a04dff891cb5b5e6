#include <QApplication>

#include "commandline.h"
#include "headless.h"
#include "heap.h"
#include "language.h"
#include "scene3D.h"

int qMain(int argc, char **argv)
{
    // The whole line is judged before the toolkit starts, which would need a display.
    const QStringList arguments = decodedArguments(argc, argv);
    const CommandLine line = parseCommandLine(arguments);
    if (line.help || line.version || !line.error.isEmpty())
        return answerOnTerminal(arguments, argc, argv);
    if (!line.output.isEmpty())
        return writePicture(line, argv[0]);

    QApplication app(argc, argv);
    installTranslations();
    Scene3D scene1(nullptr);
    scene1.setPictureSource({PictureSource::Kind::File, line.picture});
    scene1.setWindowTitle("My mobile phone: Velkar");
    scene1.resize(500, 500);
    scene1.show();
    return app.exec();
}

int main(int argc, char **argv)
{
    tuneHeapForFrames();
    return qMain(argc, argv);
}
