#include "pictureloader.h"

#include <QMetaObject>
#include <memory>

LoadedPicture loadPicture(const QByteArray &path)
{
    PictureRead read = readScreenPicture(path);
    LoadedPicture loaded{path, read.stamp, {}, read.why};
    if (!read.image.isNull())
        loaded.levels = textureLevels(read.image);
    return loaded;
}

// One worker: two decodes at once would only share the same core, and the newest request
// is the only one whose picture is wanted.
PictureLoader::PictureLoader(QObject *receiver) : m_receiver(receiver)
{
    m_pool.setMaxThreadCount(1);
}

PictureLoader::~PictureLoader()
{
    cancel();
    m_pool.clear();
    m_pool.waitForDone();
}

void PictureLoader::load(const QByteArray &path, Done done)
{
    const unsigned request = ++m_request;
    m_pending = true;
    m_pool.clear(); // a request still queued is no longer wanted
    QObject *receiver = m_receiver;
    m_pool.start([this, receiver, request, path, done] {
        auto loaded = std::make_shared<LoadedPicture>(loadPicture(path));
        // Queued to the receiver, which drops it when it is gone by then; the loader lives
        // as long as its receiver.
        QMetaObject::invokeMethod(
            receiver,
            [this, request, loaded, done] {
                if (request != m_request)
                    return;
                m_pending = false;
                done(std::move(*loaded));
            },
            Qt::QueuedConnection);
    });
}

void PictureLoader::cancel()
{
    ++m_request;
    m_pending = false;
}
