// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFiles.h"

#include "CellState.h"
#include "LogicSolver.h"
#include "Session.h"

#include <QCoreApplication>

GameFiles::GameFiles()
    : storage_(StorageFolder::choose())
    , settings_(storage_.filePath("tessarin.ini"))
    , savedGame_(storage_.filePath("auto.sav"))
    , designs_(storage_.filePath("designs.txt"))
{
    // A write lasts milliseconds: a copy a minute old was left by a game killed while saving.
    for (const QString& path : {settings_.path(), savedGame_.path()})
        DurableFile::removeStaleCopies(path, std::chrono::minutes(1));
}

SavedGameFile::Writing GameFiles::saveGame(const Session& session, QString* why, bool replace)
{
    const Game& game = session.game();
    SavedGame saved;
    saved.mode = game.mode();
    saved.columns = session.columns();
    saved.rows = session.rows();
    saved.time = session.seconds();
    saved.faults = game.faults();
    saved.columnClues = game.clues().columnClues;
    saved.rowClues = game.clues().rowClues;
    const Puzzle& puzzle = session.puzzle();
    saved.origin.kind = int(puzzle.origin.kind);
    saved.origin.place = QByteArray::fromStdString(puzzle.origin.place);
    if (session.code())
        saved.origin.code = QByteArray::fromStdString(session.code()->text());
    saved.origin.title = QByteArray::fromStdString(puzzle.title);
    saved.origin.author = QByteArray::fromStdString(puzzle.author);
    saved.origin.copyright = QByteArray::fromStdString(puzzle.copyright);
    saved.origin.licence = QByteArray::fromStdString(puzzle.licence);
    const PuzzleGrid board = game.boardToKeep();
    for (int x = 0; x < board.width; ++x)
        for (int y = 0; y < board.height; ++y)
            if (board.cells[x][y] != Blank)
                saved.cells.push_back({x, y, board.cells[x][y]});
    return savedGame_.write(saved.encode(), why, replace);
}

bool GameFiles::loadGame(ResumableGame& game, QString* why)
{
    const DurableFile::Reading file = savedGame_.read();
    if (file.status != DurableFile::Reading::Status::Read) {
        if (why)
            *why = file.status == DurableFile::Reading::Status::Missing
                ? QCoreApplication::translate("GameFiles", "it is no longer there")
                : file.error;
        return false;
    }
    LogicSolver solver;
    if (!ResumableGame::read(file.bytes, solver, game)) {
        if (why)
            *why = QCoreApplication::translate("GameFiles", "it is damaged, and was removed");
        savedGame_.discard(file.bytes);
        return false;
    }
    savedGame_.adopt(file.bytes);
    return true;
}

void GameFiles::seal()
{
    sealed_ = true;
    settings_.seal();
    savedGame_.seal();
}
