// The frames of a run without a window, encoded and written on a thread of their own while
// the next frame is drawn: the drawing keeps one core, the encoding the other.
#pragma once

#include <QImage>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "commandline.h"
#include "outputfile.h"

class FrameWriter
{
public:
    explicit FrameWriter(const CommandLine &line);
    ~FrameWriter();
    FrameWriter(const FrameWriter &) = delete;
    FrameWriter &operator=(const FrameWriter &) = delete;

    // Hands over the next frame: as drawn, or drawn over black and over white for a
    // transparent background (matte.h). Waits while two are still to be written. False
    // once writing has failed: the frames after it need not be drawn.
    bool add(QImage frame, QImage overWhite = QImage());

    // Waits for every frame to be written, then puts the set in place. The file that could
    // not be written and why; empty when all was written.
    struct Failure {
        QString file, why;
    };
    Failure finish();

    // Milliseconds the writing thread spent encoding (the matte included) and writing.
    double encodingMs() const { return m_encodingMs; }

private:
    struct Frame {
        int number;
        QImage picture, overWhite;
    };
    void run();
    void writeFrame(const Frame &frame);

    const CommandLine &m_line;
    const int m_count;
    const QByteArray m_format;
    OutputFiles m_files;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Frame> m_queue;
    int m_added = 0;
    bool m_closed = false;
    Failure m_failure; // the first; guarded by m_mutex
    double m_encodingMs = 0;
    std::thread m_thread;
};
