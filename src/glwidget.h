// The one place that knows which toolkit this build uses: Qt 5's QGLWidget or Qt 6's
// QOpenGLWidget. Scene3D is written once against GLWidget; the calls that differ between
// the two toolkits are here and in glwidget.cpp, nowhere else.
//
// Both draw the same frames, pixel for pixel. The hooks keep their names: initializeGL,
// resizeGL, paintGL, and updateGL() to paint now. On a scaled display Qt 5 hands resizeGL
// the size in device pixels and Qt 6 in logical ones; the projection depends only on the
// proportions, and on Qt 6 the widget sets the device-pixel viewport before every paintGL.
//
// The widget draws in its window's context, or in offscreen.cpp's without a window:
// whatever differs between the two, the widget asks of surface().
#pragma once

#include <memory>

#include "glsurface.h"

#if VELKAR_QT == 6
#include <QOpenGLWidget>
class QOpenGLFramebufferObject;
using GLWidgetBase = QOpenGLWidget;
#else
#include <QGLWidget>
using GLWidgetBase = QGLWidget;
#endif

class GLWidget : public GLWidgetBase
{
public:
    explicit GLWidget(QWidget *parent = nullptr);
    ~GLWidget() override;

#if VELKAR_QT == 6
    // Paints a frame and shows it before returning, as QGLWidget's updateGL() does, so a
    // loop that renders its own frames shows every one of them.
    void updateGL();
#endif

    // Draws a frame, shows it and returns it as shown, in device pixels.
    QImage grabFrame();

protected:
    // Where the frames are drawn: the window's context, unless drawIn() gave another. A
    // widget that is never shown draws nothing by itself (updateGL() and repaint() paint
    // only a mapped widget), so there its hooks are called only by its owner.
    GLSurface &surface() const;
    void drawIn(GLSurface &surface);

#if VELKAR_QT == 6
    void paintEvent(QPaintEvent *event) override;
#endif

private:
    class WindowSurface;
    std::unique_ptr<WindowSurface> m_window;
    GLSurface *m_surface;
#if VELKAR_QT == 6
    void flipFrame();
    void composeUnfiltered();

    unsigned long long m_paints = 0;
    bool m_resolved = false;
    ClipControl m_clipControl = nullptr;
    std::unique_ptr<QOpenGLFramebufferObject> m_flipped;
#endif
};

// Where this toolkit's own translations are (qtbase_de.qm, ...).
QString qtTranslationsFolder();
