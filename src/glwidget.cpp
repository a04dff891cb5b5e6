#include "glwidget.h"

#include <QOpenGLContext>

namespace {

// What QGLContext::bindTexture made of a picture: one with an alpha channel becomes
// non-premultiplied ARGB, any other opaque RGB; then RGBA bytes, bottom row first.
GLuint uploadTexels(const QImage &picture)
{
    const QImage texels = picture
                              .convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                         : QImage::Format_RGB32)
                              .convertToFormat(QImage::Format_RGBA8888)
                              .mirrored();
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, texels.width(), texels.height(), 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, texels.constBits());
    return texture;
}

} // namespace

void GLWidget::detachFromWindow()
{
    m_detached = true;
}

void GLWidget::makeCurrent()
{
    if (!m_detached)
        GLWidgetBase::makeCurrent();
}

#if VELKAR_QT == 6

#include <QCoreApplication>
#include <QEvent>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

GLWidget::GLWidget(QWidget *parent) : QOpenGLWidget(parent)
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
    if (m_detached)
        return;
    const unsigned long long painted = m_paints;
    repaint();
    if (m_paints == painted) {
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(window(), &request);
    }
}

// Mesa rasterizes a window the other way up from a framebuffer object (a window's rows run
// top down), and the two round differently where an outline meets a face: drawn straight
// into the widget's framebuffer object, a few pixels of a view differed from the Qt 5
// window's. With the upper-left clip origin the frame is rasterized exactly as in a
// window, upside down; flipFrame() then turns it the right way up. Without clip control
// (OpenGL before 4.5) the frame is drawn straight.
void GLWidget::paintEvent(QPaintEvent *event)
{
    ++m_paints;
    if (isValid() && !m_resolved) {
        m_resolved = true;
        makeCurrent();
        const QOpenGLContext *gl = context();
        if (gl->format().version() >= qMakePair(4, 5) || gl->hasExtension("GL_ARB_clip_control"))
            m_clipControl =
                reinterpret_cast<PFNGLCLIPCONTROLPROC>(gl->getProcAddress("glClipControl"));
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

GLuint GLWidget::uploadPicture(const QImage &picture)
{
    return uploadTexels(picture);
}

void GLWidget::deletePicture(GLuint texture)
{
    glDeleteTextures(1, &texture);
}

// With clip control the frame is drawn upside down and turned afterwards (see paintEvent).
bool GLWidget::frameUpsideDown() const
{
    return m_clipControl != nullptr;
}

void GLWidget::setClearColour(const QColor &colour)
{
    glClearColor(GLfloat(colour.redF()), GLfloat(colour.greenF()), GLfloat(colour.blueF()),
                 GLfloat(colour.alphaF()));
}

#else

GLWidget::GLWidget(QWidget *parent) : QGLWidget(parent) {}

GLWidget::~GLWidget() = default;

void GLWidget::updateGL()
{
    if (!m_detached)
        QGLWidget::updateGL();
}

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

GLuint GLWidget::uploadPicture(const QImage &picture)
{
    if (m_detached)
        return uploadTexels(picture);
    // Qt's default options less MipmapBindOption: the levels are built on the CPU.
    return bindTexture(picture, GL_TEXTURE_2D, GL_RGBA,
                       QGLContext::LinearFilteringBindOption | QGLContext::InvertedYBindOption);
}

void GLWidget::deletePicture(GLuint texture)
{
    if (m_detached)
        glDeleteTextures(1, &texture);
    else
        deleteTexture(texture);
}

void GLWidget::setClearColour(const QColor &colour)
{
    if (m_detached)
        glClearColor(GLfloat(colour.redF()), GLfloat(colour.greenF()), GLfloat(colour.blueF()),
                     GLfloat(colour.alphaF()));
    else
        qglClearColor(colour);
}

bool GLWidget::frameUpsideDown() const
{
    return false;
}

#endif

// Pixels written straight into the framebuffer, blended: no texture, matrix or shader is
// involved, so the fixed-function state of the frame needs only saving and restoring.
void GLWidget::drawOver(const QImage &picture)
{
    using WindowPos = void (*)(GLint, GLint);
    const auto windowPos = reinterpret_cast<WindowPos>(
        QOpenGLContext::currentContext()->getProcAddress("glWindowPos2i"));
    if (!windowPos)
        return;
    // The framebuffer's first row is the window's bottom one, unless the frame is upside down.
    const QImage rows = (frameUpsideDown() ? picture : picture.mirrored())
                            .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    windowPos(0, 0);
    glDrawPixels(rows.width(), rows.height(), GL_RGBA, GL_UNSIGNED_BYTE, rows.constBits());
    glPopClientAttrib();
    glPopAttrib();
}

#include <QLibraryInfo>

QString qtTranslationsFolder()
{
#if VELKAR_QT == 6
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}
