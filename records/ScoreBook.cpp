// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreBook.h"

#include "DifficultyBands.h"
#include "GameMode.h"
#include "PuzzleSizes.h"
#include "SettingsStore.h"

#include <algorithm>
#include <cstring>

namespace {

QString groupOf(int mode)
{
    Q_ASSERT(mode >= Beginner && mode <= Expert);
    return QString("best") + modeName(mode);
}

ScoreBook::Record recordOf(const IniDocument& file, const QString& group, const QString& prefix)
{
    return {QString::number(file.count(group, prefix + "Time", 999)),
        QString::number(file.count(group, prefix + "Faults", 999)),
        QString::number(file.count(group, prefix + "Wins", 0))};
}

// Counts a win under the prefix, keeping it as the best when it is; true when it was.
bool countWin(
    IniDocument& file, const QString& group, const QString& prefix, const QString& time, const QString& faults)
{
    const int bestTime = file.count(group, prefix + "Time", 999);
    const int bestFaults = file.count(group, prefix + "Faults", 999);
    file.countOneMore(group, prefix + "Wins");
    // Fewer faults beat any time; a tie keeps the older game.
    if (faults.toInt() < bestFaults || (faults.toInt() == bestFaults && time.toInt() < bestTime)) {
        file.setValue(group, prefix + "Time", time);
        file.setValue(group, prefix + "Faults", faults);
        return true;
    }
    return false;
}

const QString filesGroup = QStringLiteral("puzzleFiles");
const QString picturesGroup = QStringLiteral("pictures");

} // namespace

namespace ScoreBook {

QString sizeKey(const char* label, int band)
{
    return QString::fromLatin1(label) + (band >= 0 ? QString::fromLatin1(difficultyBands()[band].key) : QString());
}

Record lookup(const SettingsStore& store, const QString& sizeLabel, int mode)
{
    return recordOf(store.read(), groupOf(mode), sizeLabel);
}

Record recordWin(SettingsStore& store, const QString& sizeLabel, int mode, const QString& time, const QString& faults)
{
    // Made on the file as it stands when written, so a win another copy of the game counted
    // meanwhile is counted too.
    store.change([group = groupOf(mode), sizeLabel, time, faults](
                     IniDocument& file) { countWin(file, group, sizeLabel, time, faults); });
    return lookup(store, sizeLabel, mode);
}

Record recordFileWin(SettingsStore& store, const FileRecord& won, const QString& time, const QString& faults)
{
    store.change([won, time, faults](IniDocument& file) {
        const QString& key = won.fingerprint;
        // The title the puzzle was last won under, whatever was best.
        file.setValue(filesGroup, key + "Title", QString::fromLatin1(won.title.toUtf8().toPercentEncoding()));
        file.setValue(filesGroup, key + "Size", won.size);
        if (countWin(file, filesGroup, key, time, faults))
            file.setValue(filesGroup, key + "Date", won.date);
    });
    return recordOf(store.read(), filesGroup, won.fingerprint);
}

std::vector<FileRecord> fileRecords(const SettingsStore& store)
{
    const IniDocument file = store.read();
    std::vector<FileRecord> records;
    for (const QString& key : file.keys(filesGroup)) {
        if (!key.endsWith("Wins"))
            continue;
        const QString fingerprint = key.chopped(4);
        records.push_back({fingerprint,
            QString::fromUtf8(
                QByteArray::fromPercentEncoding(file.value(filesGroup, fingerprint + "Title").toLatin1())),
            file.value(filesGroup, fingerprint + "Size"), file.value(filesGroup, fingerprint + "Date"),
            recordOf(file, filesGroup, fingerprint)});
    }
    std::stable_sort(records.begin(), records.end(),
        [](const FileRecord& a, const FileRecord& b) { return a.title.localeAwareCompare(b.title) < 0; });
    return records;
}

Record recordPictureWin(SettingsStore& store, const QString& id, int mode, const QString& time, const QString& faults)
{
    const QString prefix = id + modeName(mode);
    store.change([prefix, time, faults](IniDocument& file) { countWin(file, picturesGroup, prefix, time, faults); });
    return recordOf(store.read(), picturesGroup, prefix);
}

Record pictureRecord(const SettingsStore& store, const QString& id, int mode)
{
    return recordOf(store.read(), picturesGroup, id + modeName(mode));
}

QSet<QString> solvedPictures(const SettingsStore& store)
{
    QSet<QString> solved;
    const IniDocument file = store.read();
    for (const QString& key : file.keys(picturesGroup))
        for (const char* mode : modeNames)
            if (key.endsWith(QString(mode) + "Wins") && file.count(picturesGroup, key, 0) > 0)
                solved.insert(key.chopped(int(std::strlen(mode)) + 4));
    return solved;
}

void clearAll(SettingsStore& store)
{
    store.change([](IniDocument& file) {
        for (int mode = Beginner; mode <= Expert; ++mode)
            file.removeGroup(groupOf(mode));
        file.removeGroup(filesGroup);
        file.removeGroup(picturesGroup);
    });
}

} // namespace ScoreBook
