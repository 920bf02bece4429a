#include "ScoreBook.h"

#include "StorageFolder.h"

#include <QSettings>

#include <limits>

namespace {

QString groupOf(int mode)
{
    static const char* const groups[] = {"bestBeginner", "bestNormal", "bestExpert"};
    Q_ASSERT(mode >= 1 && mode <= 3);
    return groups[mode - 1];
}

// Scores are kept as decimal text. Anything else (edited by hand, or damaged) reads as the
// key's never-won value: a best of "fast" read as 0 seconds could never be beaten again.
int readCount(const QSettings& file, const QString& key, int neverWon)
{
    bool isNumber = false;
    const int value = file.value(key).toString().toInt(&isNumber);
    return isNumber && value >= 0 ? value : neverWon;
}

} // namespace

namespace ScoreBook {

Record lookup(const QString& sizeLabel, int mode)
{
    QSettings file(StorageFolder::settingsPath(), QSettings::IniFormat);
    file.beginGroup(groupOf(mode));
    return {QString::number(readCount(file, sizeLabel + "Time", 999)),
        QString::number(readCount(file, sizeLabel + "Faults", 999)),
        QString::number(readCount(file, sizeLabel + "Wins", 0))};
}

Record recordWin(const QString& sizeLabel, int mode, const QString& time, const QString& faults)
{
    QSettings file(StorageFolder::settingsPath(), QSettings::IniFormat);
    file.beginGroup(groupOf(mode));
    const int bestTime = readCount(file, sizeLabel + "Time", 999);
    const int bestFaults = readCount(file, sizeLabel + "Faults", 999);
    const int wins = readCount(file, sizeLabel + "Wins", 0);
    // A count at the largest integer stays there rather than overflow.
    Record record {QString::number(bestTime), QString::number(bestFaults),
        QString::number(wins == std::numeric_limits<int>::max() ? wins : wins + 1)};

    // Fewer faults beat any time; a tie keeps the older game.
    const bool newBest = faults.toInt() < bestFaults || (faults.toInt() == bestFaults && time.toInt() < bestTime);
    if (newBest) {
        file.setValue(sizeLabel + "Time", time);
        file.setValue(sizeLabel + "Faults", faults);
        record.bestTime = time;
        record.bestFaults = faults;
    }
    file.setValue(sizeLabel + "Wins", record.wins);
    return record;
}

void clearAll()
{
    QSettings file(StorageFolder::settingsPath(), QSettings::IniFormat);
    for (int mode = 1; mode <= 3; ++mode) {
        file.beginGroup(groupOf(mode));
        file.remove(""); // inside a group, the empty key means every key of the group
        file.endGroup();
    }
}

} // namespace ScoreBook
