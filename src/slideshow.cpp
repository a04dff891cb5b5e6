#include "slideshow.h"

#include <QCoreApplication>
#include <QMimeDatabase>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

#include "picturedialog.h"

namespace {

// By name as a person reads it, capitals or not; names that differ only there, by bytes.
bool byName(const QByteArray &a, const QByteArray &b)
{
    const int text = QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive);
    return text != 0 ? text < 0 : a < b;
}

QString listError(int error)
{
    switch (error) {
    case ENOENT: return QCoreApplication::translate("Slideshow", "no such folder");
    case EACCES: return QCoreApplication::translate("Slideshow", "no permission to read it");
    case ENOTDIR: return QCoreApplication::translate("Slideshow", "it is not a folder");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

// The extensions of the types Open Picture offers, as the desktop's MIME database names them.
QSet<QByteArray> pictureExtensions()
{
    QSet<QByteArray> extensions;
    const QMimeDatabase mimes;
    for (const QString &type : pictureTypes())
        for (const QString &glob : mimes.mimeTypeForName(type).globPatterns())
            if (glob.startsWith("*."))
                extensions << glob.mid(2).toLower().toUtf8();
    return extensions;
}

} // namespace

bool hasPictureExtension(const QByteArray &name)
{
    static const QSet<QByteArray> extensions = pictureExtensions();
    const int dot = name.lastIndexOf('.');
    return dot > 0 && extensions.contains(name.mid(dot + 1).toLower());
}

std::vector<QByteArray> folderPictures(const QByteArray &folder, QString *why)
{
    std::vector<QByteArray> names;
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.constData()), ::closedir);
    if (why)
        *why = dir ? QString() : listError(errno);
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        struct stat info = {};
        if (name.startsWith('.') || !hasPictureExtension(name) ||
            ::fstatat(::dirfd(dir.get()), entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode))
            continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), byName);
    return names;
}

void Slideshow::start(const QByteArray &folder, bool shuffle, const QByteArray &after)
{
    m_folder = folder;
    m_shuffle = shuffle;
    m_current = after;
    m_order.clear();
    m_position = -1;
    m_roundStart = 0;
}

// The picture shown stays; the next step begins a new round in the new order.
void Slideshow::setShuffle(bool shuffle)
{
    if (shuffle == m_shuffle)
        return;
    m_shuffle = shuffle;
    m_order.clear();
    m_position = -1;
    m_roundStart = 0;
}

QByteArray Slideshow::step(int direction)
{
    const std::vector<QByteArray> names = folderPictures(m_folder, &m_why);
    const int count = int(names.size());
    m_count = count;
    if (names.empty()) {
        m_order.clear();
        m_position = -1;
        m_roundStart = 0;
        return {};
    }
    if (!m_shuffle) {
        // From where the current name sorts, whether or not it is still there.
        m_order = names;
        const auto at = std::lower_bound(names.begin(), names.end(), m_current, byName);
        const int index = int(at - names.begin());
        const bool present = at != names.end() && *at == m_current;
        if (m_current.isEmpty())
            m_position = direction > 0 ? 0 : count - 1;
        else if (direction > 0)
            m_position = (present ? index + 1 : index) % count;
        else
            m_position = (index - 1 + count) % count;
    } else {
        reconcile(names);
        if (m_order.empty())
            newRound(names);
        if (direction > 0 && m_position + 1 == int(m_order.size()))
            newRound(names);
        if (direction > 0)
            ++m_position;
        else if (!m_currentGone)
            --m_position;
        if (m_position < 0)
            m_position = int(m_order.size()) - 1;
    }
    m_current = m_order[size_t(m_position)];
    m_currentGone = false;
    return m_folder + '/' + m_current;
}

// The round goes on with the pictures still there; new ones come later in this round, each
// at a random place, so that every picture is shown once before any is shown again.
void Slideshow::reconcile(const std::vector<QByteArray> &names)
{
    const QSet<QByteArray> present(names.begin(), names.end());
    std::vector<QByteArray> order;
    int position = -1;
    int roundStart = m_roundStart;
    m_currentGone = !m_current.isEmpty();
    for (int i = 0; i < int(m_order.size()); ++i) {
        if (!present.contains(m_order[size_t(i)])) {
            roundStart -= i < m_roundStart;
            continue;
        }
        order.push_back(m_order[size_t(i)]);
        if (i <= m_position)
            position = int(order.size()) - 1;
        if (i == m_position)
            m_currentGone = false;
    }
    m_roundStart = roundStart;
    if (m_order.empty()) {
        m_order = order;
        m_position = position;
        return;
    }
    const QSet<QByteArray> known(order.begin(), order.end());
    for (const QByteArray &name : names)
        if (!known.contains(name)) {
            std::uniform_int_distribution<int> place(position + 1, int(order.size()));
            order.insert(order.begin() + place(random), name);
        }
    m_order = order;
    m_position = position;
}

// Every picture once, in a random order that does not begin with the one just shown. The
// round before stays, so that Previous can go back into it.
void Slideshow::newRound(const std::vector<QByteArray> &names)
{
    std::vector<QByteArray> round = names;
    std::shuffle(round.begin(), round.end(), random);
    if (round.size() > 1 && round.front() == m_current)
        std::swap(round.front(), round.back());
    m_order.erase(m_order.begin(), m_order.begin() + m_roundStart);
    m_roundStart = int(m_order.size());
    m_position = m_roundStart - 1;
    m_order.insert(m_order.end(), round.begin(), round.end());
}
