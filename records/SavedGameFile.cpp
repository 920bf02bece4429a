// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedGameFile.h"

#include <QCoreApplication>

SavedGameFile::SavedGameFile(QString path)
    : path_(std::move(path))
    , claim_(path_ + ".lock")
{
    // A claim lasts as long as its game is played: it goes stale only with its copy's death.
    claim_.setStaleLockTime(0);
}

bool SavedGameFile::claim()
{
    if (claim_.isLocked() || claim_.tryLock(0))
        return true;
    return claim_.error() != QLockFile::LockFailedError;
}

void SavedGameFile::unclaim()
{
    if (claim_.isLocked())
        claim_.unlock();
}

bool SavedGameFile::claimedElsewhere()
{
    return !claim();
}

SavedGameFile::Writing SavedGameFile::write(const QByteArray& bytes, QString* error, bool replace)
{
    if (sealed_)
        return Writing::Written;
    const bool claimed = claim();
    if (!replace) {
        // What cannot be read is no game at all, and the write says why it fails, if it does.
        const DurableFile::Reading there = read();
        const bool read = there.status == DurableFile::Reading::Status::Read;
        if (read && there.bytes == bytes && claimed) {
            held_ = bytes;
            return Writing::Written;
        }
        if (!claimed || (read && there.bytes != held_)) {
            if (error)
                *error = QCoreApplication::translate("SavedGameFile", "another copy of Tessarin keeps its game there");
            return Writing::Taken;
        }
    }
    if (!DurableFile::write(path_, bytes, error))
        return Writing::Failed;
    held_ = bytes;
    return Writing::Written;
}

void SavedGameFile::adopt(const QByteArray& bytes)
{
    claim();
    held_ = bytes;
}

void SavedGameFile::release()
{
    discard(held_);
    held_.clear();
}

void SavedGameFile::discard(const QByteArray& bytes)
{
    // A file another running copy claims is its game, whatever it holds.
    if (sealed_ || !claim())
        return;
    if (!bytes.isEmpty())
        DurableFile::removeIfHolding(path_, bytes);
    unclaim();
}

void SavedGameFile::seal()
{
    sealed_ = true;
    unclaim();
}
