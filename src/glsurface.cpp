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

ClipControl findClipControl(QFunctionPointer glClipControl)
{
    GLint major = 0;
    GLint minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    const bool core = major > 4 || (major == 4 && minor >= 5);
    if (!core && !hasExtension(reinterpret_cast<const char *>(glGetString(GL_EXTENSIONS)),
                               "GL_ARB_clip_control"))
        return nullptr;
    return reinterpret_cast<ClipControl>(glClipControl);
}
