// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IniDocument.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// "tessarin.ini", which another copy of the game may write at any time. Every read sees the
// file as it stands, and every change is made to the file as it stands and written at once
// through DurableFile, under a lock the copies share. A change that cannot be written is kept
// and tried again with the next one, and reads see it meanwhile, so a win on a full disk
// still counts once space is freed.
class SettingsStore {
public:
    using Change = std::function<void(IniDocument&)>;

    explicit SettingsStore(QString path);

    const QString& path() const { return path_; }
    IniDocument read() const;
    // False when the file could not be written; failure() then says why.
    bool change(Change change);
    // Why the last write failed; empty once one succeeded.
    const QString& failure() const { return failure_; }
    // Why the file as it stands cannot be read whole (not a regular file, too large, a read
    // error); empty when it can be, or is missing. Such a file is never overwritten: reads
    // give what changes this run made, and every change fails with this reason.
    QString unreadable() const;
    // From now on nothing is written: the game has left, and what it wrote last stands.
    void seal() { sealed_ = true; }

private:
    // The file as it stands; nothing when it may not be replaced: a file that could not be
    // read (not a regular file, a read error) is never overwritten. why says why.
    std::optional<IniDocument> readFile(QString* why = nullptr) const;

    QString path_;
    std::vector<Change> unwritten_;
    QString failure_;
    bool sealed_ = false;
};
