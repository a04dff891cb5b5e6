#include "glsurface.h"

#include <cstring>

// What QGLContext::bindTexture made of a picture: one with an alpha channel becomes
// non-premultiplied ARGB, any other opaque RGB; then RGBA bytes, bottom row first.
GLuint GLSurface::uploadPicture(const QImage &picture)
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

void GLSurface::deletePicture(GLuint texture)
{
    glDeleteTextures(1, &texture);
}

void GLSurface::setClearColour(const QColor &colour)
{
    glClearColor(GLfloat(colour.redF()), GLfloat(colour.greenF()), GLfloat(colour.blueF()),
                 GLfloat(colour.alphaF()));
}

// Pixels written straight into the framebuffer, blended: no texture, matrix or shader is
// involved, so the fixed-function state of the frame needs only saving and restoring.
void GLSurface::drawOver(const QImage &picture)
{
    using WindowPos = void (*)(GLint, GLint);
    const auto windowPos = reinterpret_cast<WindowPos>(procAddress("glWindowPos2i"));
    if (!windowPos)
        return;
    // The framebuffer's first row is the frame's bottom one, unless the frame is upside down.
    const QImage rows = (topRowFirst() ? picture : picture.mirrored())
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

ClipControl findClipControl(const GLSurface &surface)
{
    GLint major = 0;
    GLint minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    const bool core = major > 4 || (major == 4 && minor >= 5);
    if (!core && !hasExtension(reinterpret_cast<const char *>(glGetString(GL_EXTENSIONS)),
                               "GL_ARB_clip_control"))
        return nullptr;
    return reinterpret_cast<ClipControl>(surface.procAddress("glClipControl"));
}
