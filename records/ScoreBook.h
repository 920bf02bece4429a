// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

#include <vector>

class SettingsStore;

// The best game and the win count of each size and mode, in "tessarin.ini": groups
// "bestBeginner", "bestNormal", "bestExpert", keys such as "10x10Time", "10x10Faults",
// "10x10Wins", all stored as decimal text. A record never won reads as 999 seconds with 999
// faults and 0 wins; so does each value that is not a decimal count (a damaged file).
namespace ScoreBook {

struct Record {
    QString bestTime;
    QString bestFaults;
    QString wins;
};

// The key of a size's records: its label for puzzles made for no difficulty band, as they
// have always been kept, and the label and the band's key ("30x30Hard") for the others.
QString sizeKey(const char* label, int band);

// sizeLabel is a sizeKey; mode is 1 Beginner, 2 Normal, 3 Expert.
Record lookup(const SettingsStore& store, const QString& sizeLabel, int mode);

// Counts a win of time and faults (decimal texts, as the board shows them) and keeps it as
// the best when it has fewer faults, or as many faults in less time. Returns the record as
// it now stands, even when the file could not be written (the store then keeps the win and
// says why).
Record recordWin(SettingsStore& store, const QString& sizeLabel, int mode, const QString& time, const QString& faults);

// A puzzle from a file, whatever the mode, is kept in group "puzzleFiles" under its clues'
// fingerprint: "<fingerprint>Time", "Faults" and "Wins" as above, and the title (percent-
// encoded UTF-8), size ("25x20") and the date of the best game ("2026-12-09") it was won with.
struct FileRecord {
    QString fingerprint;
    QString title;
    QString size;
    QString date;
    Record record;
};
// Counts a win of a file's puzzle; the best as for the sizes, its title, size and date with it.
Record recordFileWin(SettingsStore& store, const FileRecord& won, const QString& time, const QString& faults);
// Every file's puzzle won, in the order of their titles.
std::vector<FileRecord> fileRecords(const SettingsStore& store);

// A picture of the gallery is kept in group "pictures" under its id and the mode:
// "<id>NormalTime", "<id>NormalFaults" and "<id>NormalWins", as above.
Record recordPictureWin(SettingsStore& store, const QString& id, int mode, const QString& time, const QString& faults);
Record pictureRecord(const SettingsStore& store, const QString& id, int mode);
// The ids of the pictures won in any mode.
QSet<QString> solvedPictures(const SettingsStore& store);

// Forgets every record of every size and mode, of every file's puzzle and of every picture;
// settings stay.
void clearAll(SettingsStore& store);

} // namespace ScoreBook
