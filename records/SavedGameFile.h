// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DurableFile.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>

// "auto.sav", the game in progress kept between runs. A resumed game's file stays on disk
// while it is played, so a crash or a logout after resuming loses nothing; it goes once the
// game is won, given up for a new one, or left unsaved at the player's word.
//
// Copies of the game may share the file. While a copy has its game there it holds a claim on
// it ("auto.sav.lock", which a copy that died leaves to the next), so that another copy
// neither offers that game nor removes it. A copy writes over only what it read or wrote
// itself, or what the player said it may replace, and removes only what it wrote.
class SavedGameFile {
public:
    explicit SavedGameFile(QString path);

    const QString& path() const { return path_; }
    // Larger than any game this program writes (a full board of the largest puzzle with its
    // clues is about 16 MB); a larger file is not read at all.
    static constexpr qint64 limit = 32 << 20;
    DurableFile::Reading read() const { return DurableFile::read(path_, limit); }

    // Another copy of the game, still running, has its game in the file (and this copy did
    // not take it over).
    bool claimedElsewhere();

    enum class Writing {
        Written,
        Failed, // error says why
        Taken, // the file holds a game of another copy: not written, unless replacing
    };
    // Writes the game in play; on success the file holds it from now on. Sealed, it writes
    // nothing and reports success.
    Writing write(const QByteArray& bytes, QString* error, bool replace = false);
    // The game in play came from these bytes.
    void adopt(const QByteArray& bytes);
    // The game in play ends unsaved: its file goes, unless it holds another game by now.
    void release();
    // Removes the file if it still holds these bytes: a game offered and declined.
    void discard(const QByteArray& bytes);
    // From now on nothing is written or removed: the game has left, and what it wrote last
    // stands, for the next copy to offer.
    void seal();

private:
    // Claims the file for this copy: false only when another running copy holds it; a folder
    // that takes no lock file leaves the content check alone to guard it.
    bool claim();
    void unclaim();

    QString path_;
    QByteArray held_;
    QLockFile claim_;
    bool sealed_ = false;
};
