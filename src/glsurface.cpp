#include "glsurface.h"

#include <cstring>

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
