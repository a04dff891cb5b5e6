#define GL_GLEXT_PROTOTYPES
#include "offscreen.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <QCoreApplication>
#include <algorithm>

OffscreenContext::OffscreenContext()
{
    if (!hasExtension(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS),
                      "EGL_MESA_platform_surfaceless")) {
        m_error = QCoreApplication::translate(
            "CommandLine", "EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)");
        return;
    }
    EGLDisplay display =
        eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
        m_error =
            QCoreApplication::translate("CommandLine", "EGL's surfaceless platform did not start");
        return;
    }
    m_display = display;
    // The figure is drawn with fixed-function GL: desktop OpenGL, compatibility profile.
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                       EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configs = 0;
    const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                        EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    if (!eglBindAPI(EGL_OPENGL_API) ||
        !eglChooseConfig(display, configAttributes, &config, 1, &configs) || configs < 1) {
        m_error = QCoreApplication::translate("CommandLine", "EGL offers no desktop OpenGL");
        return;
    }
    m_context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (m_context == EGL_NO_CONTEXT) {
        m_context = nullptr;
        m_error =
            QCoreApplication::translate("CommandLine", "EGL made no OpenGL compatibility context");
        return;
    }
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context))
        m_error = QCoreApplication::translate(
            "CommandLine", "the OpenGL context could not be made current without a surface");
}

OffscreenContext::~OffscreenContext()
{
    if (m_framebuffer) {
        glDeleteFramebuffers(1, &m_framebuffer);
        glDeleteRenderbuffers(2, m_renderbuffers);
    }
    if (m_context) {
        eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(m_display, m_context);
    }
    if (m_display)
        eglTerminate(m_display);
}

int OffscreenContext::maxSide() const
{
    GLint renderbuffer = 0;
    GLint viewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    return std::min({renderbuffer, viewport[0], viewport[1]});
}

QFunctionPointer OffscreenContext::procAddress(const char *name) const
{
    return eglGetProcAddress(name);
}

void OffscreenContext::attach(QSize size)
{
    m_size = size;
    const int width = size.width();
    const int height = size.height();
    // Colour, depth and stencil as a window's.
    glGenRenderbuffers(2, m_renderbuffers);
    glBindRenderbuffer(GL_RENDERBUFFER, m_renderbuffers[0]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, m_renderbuffers[1]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glGenFramebuffers(1, &m_framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                              m_renderbuffers[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                              m_renderbuffers[1]);

    // Rasterized as in a window where the GL allows (see findClipControl): the rows are
    // then stored top row first, as a QImage has them, and otherwise turned over when read.
    const ClipControl clipControl = findClipControl(eglGetProcAddress("glClipControl"));
    m_topRowFirst = clipControl != nullptr;
    if (clipControl)
        clipControl(GL_UPPER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
}

void OffscreenContext::finish() const
{
    glFinish();
}

QImage OffscreenContext::read() const
{
    QImage frame(m_size, QImage::Format_RGB32);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, m_size.width(), m_size.height(), GL_BGRA, GL_UNSIGNED_BYTE, frame.bits());
    return m_topRowFirst ? frame : frame.mirrored();
}
