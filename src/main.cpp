#include <QApplication>

#include "heap.h"
#include "scene3D.h"

int qMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    Scene3D scene1(nullptr);
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
