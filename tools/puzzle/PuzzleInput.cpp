// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleInput.h"

#include "PuzzleText.h"

#include "DurableFile.h"
#include "PuzzleFileReader.h"

#include <QFile>

#include <iostream>
#include <iterator>
#include <sstream>

namespace {

bool readBytes(const std::string& path, std::string& bytes, std::string& error)
{
    if (path == "-") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    // As the game reads its files: a regular file only, never waiting on a pipe.
    const DurableFile::Reading file
        = DurableFile::read(QFile::decodeName(path.c_str()), qint64(largestPuzzleFileBytes));
    switch (file.status) {
    case DurableFile::Reading::Status::Read: bytes = file.bytes.toStdString(); return true;
    case DurableFile::Reading::Status::Missing: error = "there is no such file"; return false;
    case DurableFile::Reading::Status::TooLarge:
        error = "it is larger than " + std::to_string(largestPuzzleFileBytes >> 20) + " MB, too large for a puzzle";
        return false;
    case DurableFile::Reading::Status::NotAFile:
    case DurableFile::Reading::Status::Failed: break;
    }
    error = file.error.toStdString();
    return false;
}

} // namespace

bool readPuzzleInput(const std::string& path, PuzzleFile& puzzle, std::string& error)
{
    std::string bytes;
    if (!readBytes(path, bytes, error))
        return false;
    // The tool's own text is told apart by its labelled lines, which no other format has.
    if (bytes.find("columns:") != std::string::npos) {
        std::istringstream in(bytes);
        puzzle = PuzzleFile();
        return PuzzleText::readClues(in, puzzle.clues, error);
    }
    const PuzzleFileReading reading = readPuzzleFile(path, bytes);
    if (!reading.read) {
        error = reading.error;
        return false;
    }
    puzzle = reading.puzzle;
    return true;
}
