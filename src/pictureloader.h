// Reading pictures away from the GUI thread: a 4096x4096 JPEG takes longer to decode and
// halve into mipmap levels than the clock may wait for its second.
#pragma once

#include <QByteArray>
#include <QPointer>
#include <QThreadPool>
#include <functional>

#include "mipmaps.h"
#include "texture.h"

// A picture read and made ready for the GL, or why not.
struct LoadedPicture {
    QByteArray path;      // as asked
    FileStamp stamp;      // of the file read
    TextureLevels levels; // empty when it could not be read
    QString why;
};

// Reads the picture at PATH and builds its levels, on the calling thread.
LoadedPicture loadPicture(const QByteArray &path);

// One picture at a time: a later request replaces an earlier one not yet delivered.
class PictureLoader
{
public:
    using Done = std::function<void(LoadedPicture picture)>; // moved in: it may be large

    // Results are delivered on RECEIVER's thread, through its event loop.
    explicit PictureLoader(QObject *receiver);
    ~PictureLoader(); // waits for a read under way; its result is dropped

    void load(const QByteArray &path, Done done);
    void cancel();
    bool busy() const { return m_pending; }

private:
    QPointer<QObject> m_receiver;
    QThreadPool m_pool;
    unsigned m_request = 0; // the latest; only its result is delivered
    bool m_pending = false;
};
