#include "framewriter.h"

#include <QCoreApplication>
#include <chrono>

#include "matte.h"

namespace {

// A frame waiting is one the drawing need not wait for; more would only hold memory.
constexpr size_t kWaiting = 2;

} // namespace

FrameWriter::FrameWriter(const CommandLine &line)
    : m_line(line),
      m_count(frameCount(line)),
      m_format(outputFormat(line.output)),
      m_thread(&FrameWriter::run, this)
{
}

FrameWriter::~FrameWriter()
{
    finish();
}

bool FrameWriter::add(QImage frame, QImage overWhite)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_queue.size() < kWaiting || !m_failure.why.isEmpty(); });
    if (!m_failure.why.isEmpty())
        return false;
    m_queue.push_back({m_added++, std::move(frame), std::move(overWhite)});
    m_changed.notify_all();
    return true;
}

FrameWriter::Failure FrameWriter::finish()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
        m_changed.notify_all();
    }
    if (m_thread.joinable())
        m_thread.join();
    if (m_failure.why.isEmpty() && m_line.output != "-") {
        const QString why = m_files.commit();
        if (!why.isEmpty())
            m_failure = {m_line.output, why};
    }
    return m_failure;
}

void FrameWriter::run()
{
    for (;;) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_queue.empty() || m_closed; });
        if (m_queue.empty())
            return;
        const Frame frame = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        writeFrame(frame);
        lock.lock();
        m_changed.notify_all();
        if (!m_failure.why.isEmpty())
            return;
    }
}

// Called on the writing thread; the first failure is kept and ends the writing.
void FrameWriter::writeFrame(const Frame &frame)
{
    const auto start = std::chrono::steady_clock::now();
    const QImage picture =
        frame.overWhite.isNull() ? frame.picture : matte(frame.picture, frame.overWhite);
    const QString file = m_line.durationMs > 0 && m_line.output != "-"
                             ? frameFileName(m_line.output, frame.number, m_count)
                             : m_line.output;
    const QString why = m_files.add(picture, file, m_format);
    m_encodingMs +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!why.isEmpty()) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_failure = {file == "-" ? QCoreApplication::translate("CommandLine", "standard output")
                                 : file,
                     why};
    }
}
