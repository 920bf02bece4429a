// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleFileOpening.h"

#include "DurableFile.h"
#include "PuzzleFileReader.h"
#include "PuzzleFromFile.h"

#include <QCoreApplication>
#include <QFileInfo>

PuzzleFileOpening openPuzzleFile(const QString& path)
{
    PuzzleFileOpening opening;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const DurableFile::Reading file = DurableFile::read(absolute, qint64(largestPuzzleFileBytes));
    switch (file.status) {
    case DurableFile::Reading::Status::Read: break;
    case DurableFile::Reading::Status::Missing:
        opening.error = QCoreApplication::translate("PuzzleFileOpening", "there is no such file");
        return opening;
    case DurableFile::Reading::Status::TooLarge:
        opening.error = QCoreApplication::translate("PuzzleFileOpening", "it is larger than any puzzle file (%1 MB)")
                            .arg(largestPuzzleFileBytes >> 20);
        return opening;
    default: opening.error = file.error; return opening;
    }
    const PuzzleFileReading reading
        = readPuzzleFile(QFileInfo(absolute).fileName().toStdString(), file.bytes.toStdString());
    if (!reading.read) {
        opening.error = QString::fromStdString(reading.error);
        // Said as a clause, like every other reason.
        if (opening.error.endsWith('.'))
            opening.error.chop(1);
        return opening;
    }
    opening.puzzle = puzzleFromFile(reading.puzzle, absolute.toStdString(), fileSearchTime);
    if (opening.puzzle.verdict == PuzzleVerdict::Kind::None) {
        opening.error = QCoreApplication::translate("PuzzleFileOpening", "no picture fits its clues");
        return opening;
    }
    opening.opened = true;
    return opening;
}
