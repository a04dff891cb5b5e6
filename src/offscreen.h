// The GL context that pictures without a window are drawn in: Mesa's surfaceless EGL
// platform, which needs no display server, and a framebuffer object of the picture's size.
// It knows nothing of the widget or of the frame drawn: headless.cpp runs that.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "glsurface.h"

class OffscreenContext : public GLSurface
{
public:
    // Makes the context and makes it current.
    OffscreenContext();
    ~OffscreenContext() override;
    OffscreenContext(const OffscreenContext &) = delete;
    OffscreenContext &operator=(const OffscreenContext &) = delete;

    // Why there is no context; empty when there is one.
    QString error() const { return m_error; }

    // The largest side of a frame here: the largest renderbuffer and viewport.
    int maxSide() const;

    // Makes a framebuffer object of this size the one frames are drawn into.
    void attach(QSize size);
    // The frame drawn there, top row first, as a window of that size shows it.
    QImage read() const;
    // Waits until the frame drawn is finished.
    void finish() const;

    // The context is made current when made and stays current: nothing else makes one.
    void makeCurrent() override {}
    bool topRowFirst() const override { return m_topRowFirst; }
    QFunctionPointer procAddress(const char *name) const override;

private:
    void *m_display = nullptr;
    void *m_context = nullptr;
    QString m_error;
    unsigned m_framebuffer = 0;
    unsigned m_renderbuffers[2] = {0, 0};
    QSize m_size;
    bool m_topRowFirst = false;
};
