// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DurableFile.h"

#include <QByteArray>
#include <QString>

// "auto.sav", the game in progress kept between runs. A resumed game's file stays on disk
// while it is played, so a crash or a logout after resuming loses nothing; it goes once the
// game is won, given up for a new one, or left unsaved at the player's word. It is removed
// only while it still holds that game: a save another copy of the game made meanwhile stays.
class SavedGameFile {
public:
    explicit SavedGameFile(QString path);

    const QString& path() const { return path_; }
    // Larger than any game this program writes; a larger file is not read at all.
    static constexpr qint64 limit = 1 << 20;
    DurableFile::Reading read() const { return DurableFile::read(path_, limit); }

    // Writes the game in play; on success the file holds it from now on.
    bool write(const QByteArray& bytes, QString* error);
    // The game in play came from these bytes.
    void adopt(const QByteArray& bytes) { held_ = bytes; }
    // The game in play ends unsaved: its file goes, unless it holds another game by now.
    void release();
    // Removes the file if it still holds these bytes: a game offered and declined.
    void discard(const QByteArray& bytes);
    // From now on nothing is written or removed: the game has left, and what it wrote last
    // stands.
    void seal() { sealed_ = true; }

private:
    QString path_;
    QByteArray held_;
    bool sealed_ = false;
};
