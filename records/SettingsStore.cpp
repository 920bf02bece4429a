// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsStore.h"

#include "DurableFile.h"

#include <QLockFile>

namespace {
// Far beyond what the game writes; anything larger is not its file.
constexpr qint64 settingsLimit = 1 << 20;
// Another copy holds the lock only while it writes a few hundred bytes.
constexpr int lockWaitMs = 500;
} // namespace

SettingsStore::SettingsStore(QString path)
    : path_(std::move(path))
{
}

std::optional<IniDocument> SettingsStore::readFile(QString* why) const
{
    const DurableFile::Reading reading = DurableFile::read(path_, settingsLimit);
    using Status = DurableFile::Reading::Status;
    // A file too large to be the game's own may still be the player's, grown by hand or by
    // another program: it is kept as it is, like any file that cannot be read whole.
    if (reading.status != Status::Read && reading.status != Status::Missing) {
        if (why)
            *why = reading.error;
        return std::nullopt;
    }
    return IniDocument::parse(reading.bytes);
}

QString SettingsStore::unreadable() const
{
    QString why;
    return readFile(&why) ? QString() : why;
}

IniDocument SettingsStore::read() const
{
    IniDocument document = readFile().value_or(IniDocument());
    for (const Change& change : unwritten_)
        change(document);
    return document;
}

bool SettingsStore::change(Change change)
{
    if (sealed_)
        return true;
    unwritten_.push_back(std::move(change));
    // Without the lock (a full disk cannot take even the lock file) the write is still safe
    // for this copy; only a change another copy makes at the same moment could be missed.
    QLockFile lock(path_ + ".lock");
    lock.tryLock(lockWaitMs);
    std::optional<IniDocument> document = readFile(&failure_);
    if (!document)
        return false;
    for (const Change& unwritten : unwritten_)
        unwritten(*document);
    if (!DurableFile::write(path_, document->text(), &failure_))
        return false;
    unwritten_.clear();
    failure_.clear();
    return true;
}
