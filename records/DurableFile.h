// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

// The only way the game reads and writes the files it keeps ("tessarin.ini", "auto.sav").
// Only regular files are read or written (a symbolic link is followed only to one): a pipe or
// a device is refused without waiting on it. A write replaces a file only by a complete copy
// that has reached the disk, so on any failure the old file stays exactly as it was.
namespace DurableFile {

struct Reading {
    enum class Status {
        Read,
        Missing,
        NotAFile, // a folder, a pipe, a device: never opened for reading
        TooLarge, // larger than the caller's limit, counting the bytes actually there
        Failed,
    };
    Status status = Status::Missing;
    QByteArray bytes;
    // Why, for the player, when the status is neither Read nor Missing.
    QString error;
};

Reading read(const QString& path, qint64 limit);

// Writes bytes to a new file beside path, flushes it to the disk, checks its size and renames
// it over path. False on any failure, with why ("No space left on device") in error.
bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Removes the copies write() left beside path when it was killed before it could rename
// one, once they are older than age: by then no write is still making them.
void removeStaleCopies(const QString& path, std::chrono::seconds age);

// Removes the file only while it holds exactly these bytes, so that what another copy of
// the game wrote there since is kept.
void removeIfHolding(const QString& path, const QByteArray& bytes);

} // namespace DurableFile
