// Where the widget's frames are drawn: a window's GL context, or one made without a window
// (offscreen.cpp). The widget draws the same way in either; the few things that differ
// between them are asked of the surface. glwidget.cpp has the window's, offscreen.cpp the
// other.
#pragma once

#include <QColor>
#include <qopengl.h>

class GLSurface
{
public:
    virtual ~GLSurface() = default;

    // Makes the surface's context current, for GL calls made outside a frame.
    virtual void makeCurrent() = 0;

    virtual void setClearColour(const QColor &colour);

    // Whether the framebuffer's first row is the frame's top one: the frame is rasterized
    // with the upper-left clip origin (see findClipControl).
    virtual bool topRowFirst() const { return false; }

    // A GL function of the surface's context; null when there is none.
    virtual QFunctionPointer procAddress(const char *name) const = 0;
};

// Whether a list of extension names, separated by spaces, has this one.
bool hasExtension(const char *list, const char *name);

// Mesa rasterizes a window the other way up from a framebuffer object (a window's rows run
// top down), and the two round differently where an outline meets a face: drawn straight
// into a framebuffer object, a few pixels of a view differ from a window's. With the
// upper-left clip origin the frame is rasterized exactly as in a window, upside down in
// the framebuffer, and is turned the right way up when shown or read.
//
// glClipControl, as the current context names it, where that context has it (core from
// OpenGL 4.5, an extension before); null where it has not, and the frame is then drawn the
// usual way up.
using ClipControl = void (*)(GLenum origin, GLenum depth);
ClipControl findClipControl(QFunctionPointer glClipControl);
