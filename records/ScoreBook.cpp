#include "ScoreBook.h"

#include "StorageFolder.h"

#include <QSettings>

namespace {

QString groupOf(int mode)
{
    static const char* const groups[] = {"bestBeginner", "bestNormal", "bestExpert"};
    Q_ASSERT(mode >= 1 && mode <= 3);
    return groups[mode - 1];
}

// Scores are kept as decimal text, but every reading goes through an integer so that text
// the game did not write (edited by hand) reads as Qt's conversion makes it, 0 for words.
int readNumber(const QSettings& file, const QString& key, const char* fallback)
{
    return file.value(key, fallback).toInt();
}

} // namespace

namespace ScoreBook {

Record lookup(const QString& sizeLabel, int mode)
{
    QSettings file(StorageFolder::settingsPath(), QSettings::IniFormat);
    file.beginGroup(groupOf(mode));
    return {QString::number(readNumber(file, sizeLabel + "Time", "999")),
        QString::number(readNumber(file, sizeLabel + "Faults", "999")),
        QString::number(readNumber(file, sizeLabel + "Wins", "0"))};
}

Record recordWin(const QString& sizeLabel, int mode, const QString& time, const QString& faults)
{
    QSettings file(StorageFolder::settingsPath(), QSettings::IniFormat);
    file.beginGroup(groupOf(mode));
    const int bestTime = readNumber(file, sizeLabel + "Time", "999");
    const int bestFaults = readNumber(file, sizeLabel + "Faults", "999");
    Record record {QString::number(bestTime), QString::number(bestFaults),
        QString::number(readNumber(file, sizeLabel + "Wins", "0") + 1)};

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
