#include <QApplication>

#include "commandline.h"
#include "headless.h"
#include "heap.h"
#include "scene3D.h"

int qMain(int argc, char **argv)
{
    // The whole line is judged before the toolkit starts, which would need a display.
    const CommandLine line = parseCommandLine(decodedArguments(argc, argv));
    if (line.help || line.version) {
        printHelpOrVersion(line, argc, argv);
        return 0;
    }
    if (!line.error.isEmpty()) {
        printUsageError(line.error);
        return 2;
    }
    if (!line.output.isEmpty())
        return writePicture(line, argv[0]);

    QApplication app(argc, argv);
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
