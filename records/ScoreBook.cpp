#include "ScoreBook.h"

#include "PuzzleSizes.h"
#include "SettingsStore.h"

#include <limits>

namespace {

QString groupOf(int mode)
{
    Q_ASSERT(mode >= Beginner && mode <= Expert);
    return QString("best") + modeName(mode);
}

// Scores are kept as decimal text. Anything else (edited by hand, or damaged) reads as the
// key's never-won value: a best of "fast" read as 0 seconds could never be beaten again.
int readCount(const IniDocument& file, const QString& group, const QString& key, int neverWon)
{
    bool isNumber = false;
    const int value = file.value(group, key).toInt(&isNumber);
    return isNumber && value >= 0 ? value : neverWon;
}

} // namespace

namespace ScoreBook {

Record lookup(const SettingsStore& store, const QString& sizeLabel, int mode)
{
    const IniDocument file = store.read();
    const QString group = groupOf(mode);
    return {QString::number(readCount(file, group, sizeLabel + "Time", 999)),
        QString::number(readCount(file, group, sizeLabel + "Faults", 999)),
        QString::number(readCount(file, group, sizeLabel + "Wins", 0))};
}

Record recordWin(SettingsStore& store, const QString& sizeLabel, int mode, const QString& time, const QString& faults)
{
    // Made on the file as it stands when written, so a win another copy of the game counted
    // meanwhile is counted too.
    store.change([group = groupOf(mode), sizeLabel, time, faults](IniDocument& file) {
        const int bestTime = readCount(file, group, sizeLabel + "Time", 999);
        const int bestFaults = readCount(file, group, sizeLabel + "Faults", 999);
        const int wins = readCount(file, group, sizeLabel + "Wins", 0);
        // Fewer faults beat any time; a tie keeps the older game.
        if (faults.toInt() < bestFaults || (faults.toInt() == bestFaults && time.toInt() < bestTime)) {
            file.setValue(group, sizeLabel + "Time", time);
            file.setValue(group, sizeLabel + "Faults", faults);
        }
        // A count at the largest integer stays there rather than overflow.
        file.setValue(
            group, sizeLabel + "Wins", QString::number(wins == std::numeric_limits<int>::max() ? wins : wins + 1));
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
