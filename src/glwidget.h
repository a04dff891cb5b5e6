// The one place that knows which toolkit this build uses: Qt 5's QGLWidget or Qt 6's
// QOpenGLWidget. Scene3D is written once against GLWidget; the calls that differ between
// the two toolkits are here and in glwidget.cpp, nowhere else.
//
// Both draw the same frames, pixel for pixel. The hooks keep their names: initializeGL,
// resizeGL, paintGL, and updateGL() to paint now. On a scaled display Qt 5 hands resizeGL
// the size in device pixels and Qt 6 in logical ones; the projection depends only on the
// proportions, and on Qt 6 the widget sets the device-pixel viewport before every paintGL.
#pragma once

#include <QColor>
#include <QImage>

#if VELKAR_QT == 6
#include <QOpenGLWidget>
#include <memory>
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
#else
    void updateGL() override; // draws nothing while detached
#endif

    // Draws a frame, shows it and returns it as shown, in device pixels.
    QImage grabFrame();

    // For pictures made without a window: from here on the widget draws into whatever GL
    // context and framebuffer are current, when its owner calls its hooks. makeCurrent()
    // leaves that context alone, updateGL() draws nothing, and pictures are uploaded with
    // plain GL.
    void detachFromWindow();

    // Hides the toolkit's: a detached widget has no context of its own to make current.
    void makeCurrent();

protected:
    // Makes the picture a GL_TEXTURE_2D with linear filtering, leaves it bound and returns
    // its name. Its texels are the picture's colours as eight-bit RGBA, not premultiplied,
    // bottom row first; there are no mipmaps. Needs the context current.
    GLuint uploadPicture(const QImage &picture);
    void deletePicture(GLuint texture);

    void setClearColour(const QColor &colour);

    // From within paintGL: lays a picture of the window's size in device pixels, with
    // premultiplied alpha, over the frame. Its fully transparent pixels leave the frame as it
    // is, and the GL state is as before afterwards.
    void drawOver(const QImage &picture);

#if VELKAR_QT == 6
    void paintEvent(QPaintEvent *event) override;
#endif

private:
    bool frameUpsideDown() const;
    bool m_detached = false;
#if VELKAR_QT == 6
    void flipFrame();
    void composeUnfiltered();

    unsigned long long m_paints = 0;
    bool m_resolved = false;
    PFNGLCLIPCONTROLPROC m_clipControl = nullptr;
    std::unique_ptr<QOpenGLFramebufferObject> m_flipped;
#endif
};

// Where this toolkit's own translations are (qtbase_de.qm, ...).
QString qtTranslationsFolder();
