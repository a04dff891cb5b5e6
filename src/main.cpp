#include <QApplication>
#include <cstdio>

#include "commandline.h"
#include "heap.h"
#include "scene3D.h"

int qMain(int argc, char **argv)
{
    if (const std::optional<int> status = answerWithoutWindow(argc, argv))
        return *status;

    QApplication app(argc, argv);
    const CommandLine line = parseCommandLine(QApplication::arguments());
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "velkar: %s\nTry 'velkar --help' for more information.\n",
                     qUtf8Printable(line.error));
        return 2;
    }

    Scene3D scene1(nullptr);
    scene1.setPictureFile(line.picture);
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
