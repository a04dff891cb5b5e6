#define GL_GLEXT_PROTOTYPES
#include "offscreen.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <cstring>

namespace {

bool hasExtension(const char *list, const char *name)
{
    if (!list)
        return false;
    const size_t length = std::strlen(name);
    for (const char *at = std::strstr(list, name); at; at = std::strstr(at + length, name))
        if ((at == list || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

// Core from OpenGL 4.5, an extension before it.
bool hasClipControl()
{
    GLint major = 0;
    GLint minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    return major > 4 || (major == 4 && minor >= 5) ||
           hasExtension(reinterpret_cast<const char *>(glGetString(GL_EXTENSIONS)),
                        "GL_ARB_clip_control");
}

} // namespace

OffscreenContext::OffscreenContext()
{
    if (!hasExtension(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS),
                      "EGL_MESA_platform_surfaceless")) {
        m_error = "EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)";
        return;
    }
    EGLDisplay display =
        eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
        m_error = "EGL's surfaceless platform did not start";
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
        m_error = "EGL offers no desktop OpenGL";
        return;
    }
    m_context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (m_context == EGL_NO_CONTEXT) {
        m_context = nullptr;
        m_error = "EGL made no OpenGL compatibility context";
        return;
    }
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context))
        m_error = "the OpenGL context could not be made current without a surface";
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

void OffscreenContext::attach(int width, int height)
{
    m_width = width;
    m_height = height;
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

    // Mesa rasterizes a window the other way up from a framebuffer object (a window's rows
    // run top down), and the two round differently where an outline meets a face. With
    // the upper-left clip origin the frame is rasterized exactly as in a window, and its
    // rows are stored top row first, as a QImage has them. Without clip control the frame
    // is drawn the usual way up and turned over when read.
    m_topRowFirst = hasClipControl();
    if (m_topRowFirst)
        glClipControl(GL_UPPER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
}

QImage OffscreenContext::read() const
{
    QImage frame(m_width, m_height, QImage::Format_RGB32);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, m_width, m_height, GL_BGRA, GL_UNSIGNED_BYTE, frame.bits());
    return m_topRowFirst ? frame : frame.mirrored();
}
