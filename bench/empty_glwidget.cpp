// The floor for start-up, memory and idle CPU: the smallest GL widget program, on the same
// toolkit adapter (QGLWidget with Qt 5, QOpenGLWidget with Qt 6), build flags, window size
// and event loop as velkar, repainting once a second as velkar's clock does. It clears and
// swaps.
#include <QApplication>
#include <QTimer>

#include "glwidget.h"

namespace {

class EmptyGLWidget : public GLWidget
{
protected:
    void initializeGL() override { surface().setClearColour(Qt::white); }
    void paintGL() override { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    EmptyGLWidget widget;
    widget.setWindowTitle("empty GL widget");
    widget.resize(500, 500);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &widget, &EmptyGLWidget::updateGL);
    timer.start(1000);
    widget.show();
    return app.exec();
}
