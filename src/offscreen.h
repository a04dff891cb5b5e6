// Pictures without a window: an OpenGL context of Mesa's surfaceless EGL platform, which
// needs no display server, and a framebuffer object the widget draws its frame into.
#pragma once

#include <QImage>
#include <QString>

class OffscreenContext
{
public:
    // Makes the context and makes it current.
    OffscreenContext();
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext &) = delete;
    OffscreenContext &operator=(const OffscreenContext &) = delete;

    // Why there is no context; empty when there is one.
    QString error() const { return m_error; }

    // The largest side of a frame here: the largest renderbuffer and viewport.
    int maxSide() const;

    // Makes a framebuffer object of this size the one frames are drawn into.
    void attach(int width, int height);
    // The frame drawn there, top row first, as a window of that size shows it.
    QImage read() const;

private:
    void *m_display = nullptr;
    void *m_context = nullptr;
    QString m_error;
    unsigned m_framebuffer = 0;
    unsigned m_renderbuffers[2] = {0, 0};
    int m_width = 0;
    int m_height = 0;
    bool m_topRowFirst = false;
};
