// A folder's pictures shown in turn: which comes next, by name or shuffled. The folder is
// listed again at every step, so pictures added, removed or renamed meanwhile are seen.
#pragma once

#include <QByteArray>
#include <QString>
#include <random>
#include <vector>

// The pictures of FOLDER by name: regular files (links followed) of the types Open Picture
// offers, by their extension, in any case; no subfolders and no hidden files. Names are the
// exact bytes the file system gives. WHY says what is wrong when the folder cannot be read.
std::vector<QByteArray> folderPictures(const QByteArray &folder, QString *why = nullptr);

// Whether a file name has the extension of a picture type Open Picture offers.
bool hasPictureExtension(const QByteArray &name);

class Slideshow
{
public:
    // Starts over in FOLDER (a path's exact bytes), with no picture current yet. AFTER: a
    // picture's name in it, which the first step leaves behind, as from a picture opened.
    void start(const QByteArray &folder, bool shuffle, const QByteArray &after = {});
    void setShuffle(bool shuffle);

    // Lists the folder again and moves to the next picture (+1) or the one before (-1).
    // Gives its path, or nothing when the folder has no picture.
    QByteArray step(int direction);

    QByteArray folder() const { return m_folder; }
    QString why() const { return m_why; } // why the folder could not be listed, at the last step
    int count() const { return m_count; } // pictures in the folder at the last step

    std::mt19937 random{std::random_device{}()}; // the tests seed it themselves

private:
    void reconcile(const std::vector<QByteArray> &names);
    void newRound(const std::vector<QByteArray> &names);

    QByteArray m_folder;
    QString m_why;
    bool m_shuffle = false;
    std::vector<QByteArray> m_order; // by name, or the shuffled round after the one before
    QByteArray m_current;            // a name, which may be gone from the folder by now
    int m_position = -1;             // of m_current in m_order; -1 before the first step
    int m_roundStart = 0;            // where this round begins in m_order, after the round before
    bool m_currentGone = false;
    int m_count = 0;
};
