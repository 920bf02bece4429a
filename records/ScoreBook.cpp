// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreBook.h"

#include "GameMode.h"
#include "PuzzleSizes.h"
#include "SettingsStore.h"

namespace {

QString groupOf(int mode)
{
    Q_ASSERT(mode >= Beginner && mode <= Expert);
    return QString("best") + modeName(mode);
}

} // namespace

namespace ScoreBook {

Record lookup(const SettingsStore& store, const QString& sizeLabel, int mode)
{
    const IniDocument file = store.read();
    const QString group = groupOf(mode);
    return {QString::number(file.count(group, sizeLabel + "Time", 999)),
        QString::number(file.count(group, sizeLabel + "Faults", 999)),
        QString::number(file.count(group, sizeLabel + "Wins", 0))};
}

Record recordWin(SettingsStore& store, const QString& sizeLabel, int mode, const QString& time, const QString& faults)
{
    // Made on the file as it stands when written, so a win another copy of the game counted
    // meanwhile is counted too.
    store.change([group = groupOf(mode), sizeLabel, time, faults](IniDocument& file) {
        const int bestTime = file.count(group, sizeLabel + "Time", 999);
        const int bestFaults = file.count(group, sizeLabel + "Faults", 999);
        // Fewer faults beat any time; a tie keeps the older game.
        if (faults.toInt() < bestFaults || (faults.toInt() == bestFaults && time.toInt() < bestTime)) {
            file.setValue(group, sizeLabel + "Time", time);
            file.setValue(group, sizeLabel + "Faults", faults);
        }
        file.countOneMore(group, sizeLabel + "Wins");
    });
    return lookup(store, sizeLabel, mode);
}

void clearAll(SettingsStore& store)
{
    store.change([](IniDocument& file) {
        for (int mode = Beginner; mode <= Expert; ++mode)
            file.removeGroup(groupOf(mode));
    });
}

} // namespace ScoreBook
