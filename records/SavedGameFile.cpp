// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedGameFile.h"

SavedGameFile::SavedGameFile(QString path)
    : path_(std::move(path))
{
}

bool SavedGameFile::write(const QByteArray& bytes, QString* error)
{
    if (sealed_)
        return true;
    if (!DurableFile::write(path_, bytes, error))
        return false;
    held_ = bytes;
    return true;
}

void SavedGameFile::release()
{
    discard(held_);
    held_.clear();
}

void SavedGameFile::discard(const QByteArray& bytes)
{
    if (!sealed_ && !bytes.isEmpty())
        DurableFile::removeIfHolding(path_, bytes);
}
