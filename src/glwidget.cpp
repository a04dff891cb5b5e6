// The toolkit adapter for each toolkit (glwidget.h), and the surface of the widget's window.
#include "glwidget.h"

#include <QOpenGLContext>

// The window's context. On Qt 6 with clip control the frame is drawn upside down and turned
// afterwards (see paintEvent); Qt 5 sets the clear colour with the toolkit's own call, as the
// window has always done.
class GLWidget::WindowSurface : public GLSurface
{
public:
    explicit WindowSurface(GLWidget &widget) : m_widget(widget) {}

    void makeCurrent() override { m_widget.makeCurrent(); }

    // The widget's context: none before Qt 6 first shows it, nor where Qt 5 made none.
    QFunctionPointer procAddress(const char *name) const override
    {
#if VELKAR_QT == 6
        const QOpenGLContext *gl = m_widget.context();
#else
        const QGLContext *widgetContext = m_widget.context();
        const QOpenGLContext *gl = widgetContext ? widgetContext->contextHandle() : nullptr;
#endif
        return gl ? gl->getProcAddress(name) : nullptr;
    }

#if VELKAR_QT == 6
    bool topRowFirst() const override;
#else
    void setClearColour(const QColor &colour) override;
#endif

private:
    GLWidget &m_widget;
};

#if VELKAR_QT == 6
bool GLWidget::WindowSurface::topRowFirst() const
{
    return m_widget.m_clipControl != nullptr;
}
#else
void GLWidget::WindowSurface::setClearColour(const QColor &colour)
{
    m_widget.qglClearColor(colour);
}
#endif

GLSurface &GLWidget::surface() const
{
    return *m_surface;
}

void GLWidget::drawIn(GLSurface &surface)
{
    m_surface = &surface;
}

#if VELKAR_QT == 6

#include <QCoreApplication>
#include <QEvent>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

GLWidget::GLWidget(QWidget *parent)
    : QOpenGLWidget(parent),
      m_window(std::make_unique<WindowSurface>(*this)),
      m_surface(m_window.get())
{
    // The figure is drawn with fixed-function GL, which a core profile does not have.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    setFormat(format);
    // No alpha channel, like the window Qt 5 draws in. Qt composes the widget's frame into
    // the window with premultiplied blending, and the translucent overlay and the smoothed
    // lines would leave an alpha below one there, letting the window's background through.
    setTextureFormat(GL_RGB8);
}

GLWidget::~GLWidget()
{
    if (m_flipped) {
        makeCurrent();
        m_flipped.reset();
    }
}

// Qt turns a repaint() that comes within one screen refresh (about 16 ms) of the window's
// last composition into an update that waits for the event loop, so of frames rendered back
// to back, such as the lid animation's, most would be dropped. When it has not painted, the
// update request it posted is sent at once instead: the window paints this widget and shows
// the result before returning. (Sending it every time would compose each frame twice, once
// more when the posted request arrives.)
void GLWidget::updateGL()
{
    const unsigned long long painted = m_paints;
    repaint();
    if (m_paints == painted) {
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(window(), &request);
    }
}

// The widget's frame is drawn into a framebuffer object. Where the GL has clip control it
// is rasterized as in a window, upside down (see findClipControl), and flipFrame() then
// turns it the right way up. The clip origin goes back to the usual one for Qt, which
// composes the window in the same context.
void GLWidget::paintEvent(QPaintEvent *event)
{
    ++m_paints;
    if (isValid() && !m_resolved) {
        m_resolved = true;
        makeCurrent();
        m_clipControl = findClipControl(context()->getProcAddress("glClipControl"));
    }
    if (!isValid()) {
        QOpenGLWidget::paintEvent(event);
        return;
    }
    if (m_clipControl) {
        makeCurrent();
        m_clipControl(GL_UPPER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
    }
    QOpenGLWidget::paintEvent(event);
    makeCurrent();
    if (m_clipControl) {
        m_clipControl(GL_LOWER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
        flipFrame();
    }
    composeUnfiltered();
}

// Qt draws the widget's frame into the window as a textured quad. It sets linear filtering
// on the frame's texture when it first draws it, and does not set it again. The quad covers
// the window pixel for pixel, where nearest sampling gives the same pixels, and on Mesa's
// software rasterizer a cheaper quad (about 0.6 ms less a frame at 500x500).
void GLWidget::composeUnfiltered()
{
    QOpenGLExtraFunctions *gl = context()->extraFunctions();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
    GLint frame = 0;
    gl->glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0,
                                              GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME, &frame);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glBindTexture(GL_TEXTURE_2D, GLuint(frame));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, GLuint(bound));
}

// Mirrors the widget's framebuffer top to bottom, through a second one: exact copies of
// whole pixels. A mirroring blit of the whole frame would run a shader over every pixel,
// on Mesa's software rasterizer about 1 ms a frame at 500x500. Each row on its own is a
// copy of the same size and orientation, which Mesa does as a memory copy, as it does the
// copy back.
void GLWidget::flipFrame()
{
    const QSize size = this->size() * devicePixelRatio();
    if (!m_flipped || m_flipped->size() != size)
        m_flipped = std::make_unique<QOpenGLFramebufferObject>(
            size, QOpenGLFramebufferObject::NoAttachment, GL_TEXTURE_2D, GL_RGB8);
    QOpenGLExtraFunctions *gl = context()->extraFunctions();
    const GLuint frame = defaultFramebufferObject();
    const int w = size.width();
    const int h = size.height();
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, frame);
    gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_flipped->handle());
    for (int y = 0; y < h; ++y)
        gl->glBlitFramebuffer(0, y, w, y + 1, 0, h - 1 - y, w, h - y, GL_COLOR_BUFFER_BIT,
                              GL_NEAREST);
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, m_flipped->handle());
    gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, frame);
    gl->glBlitFramebuffer(0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, frame);
}

QImage GLWidget::grabFrame()
{
    if (!isValid())
        return QImage();
    updateGL();
    makeCurrent();
    const QSize size = this->size() * devicePixelRatio();
    QImage frame(size, QImage::Format_RGB32);
    glReadPixels(0, 0, size.width(), size.height(), GL_BGRA, GL_UNSIGNED_BYTE, frame.bits());
    return frame.mirrored();
}

#else

GLWidget::GLWidget(QWidget *parent)
    : QGLWidget(parent),
      m_window(std::make_unique<WindowSurface>(*this)),
      m_surface(m_window.get())
{
}

GLWidget::~GLWidget() = default;

// After a swap the back buffer's contents are undefined, so the frame is read before it.
QImage GLWidget::grabFrame()
{
    setAutoBufferSwap(false);
    updateGL();
    const QImage frame = grabFrameBuffer();
    swapBuffers();
    setAutoBufferSwap(true);
    return frame;
}

#endif

#include <QLibraryInfo>

QString qtTranslationsFolder()
{
#if VELKAR_QT == 6
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}
