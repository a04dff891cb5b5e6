// The floor for start-up and memory: the smallest QGLWidget program, with the same
// toolkit, build flags, window size and event loop as velkar. It clears and swaps.
#include <QApplication>
#include <QGLWidget>

namespace {

class EmptyGLWidget : public QGLWidget
{
protected:
    void initializeGL() override { qglClearColor(Qt::white); }
    void paintGL() override { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    EmptyGLWidget widget;
    widget.setWindowTitle("empty QGLWidget");
    widget.resize(500, 500);
    widget.show();
    return app.exec();
}
