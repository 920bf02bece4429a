// SPDX-License-Identifier: GPL-3.0-or-later
// The Game menu's commands: each goes through the session, which applies the input recorded
// before it and refuses what its phase does not allow. A box opens only here, never inside
// the tick, and its answer reaches only the game that asked.
#include "MainWindow.h"

#include "AssetFolder.h"
#include "DesignCode.h"
#include "DifficultyBands.h"
#include "GalleryBrowser.h"
#include "GameWords.h"
#include "HelpBrowser.h"
#include "Language.h"
#include "PictureBoards.h"
#include "ProcessMemory.h"
#include "PuzzleFileOpening.h"
#include "PuzzleSizes.h"
#include "RecentFiles.h"
#include "TechniqueTable.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

void MainWindow::MenuNewGame()
{
    const PuzzleSize& size = puzzleSizes[menus_->sizeIndex()];
    // The help window is not modal: the game goes on below it.
    if (settings_.newPlayer
        && Prompt::ask(
            this, tr("It looks like this is your first time playing.\nWould you like to read about how to play?")))
        OpenHelp("Help//howtoplay.html");
    StartNewGame(size.columns, size.rows, menus_->mode());
}

void MainWindow::StartNewGame(int columns, int rows, int mode)
{
    leaveGame();
    answer(session_.begin(columns, rows, mode, menus_->band()));
}

void MainWindow::StartPuzzle(const PuzzleCode& code, int mode, bool searching)
{
    leaveGame();
    menus_->choose(sizeIndexOf(code.columns, code.rows), mode);
    menus_->chooseBand(code.band);
    answer(session_.begin(code, mode, searching));
}

void MainWindow::leaveGame()
{
    // A picture begun and left waits for the player to come back to it.
    const Puzzle& puzzle = session_.puzzle();
    if (puzzle.origin.kind == PuzzleOrigin::Kind::Gallery && gameStarted())
        PictureBoards::keep(keeper_.files().settings(), QString::fromStdString(puzzle.origin.place),
            {session_.game().mode(), session_.seconds(), session_.game().faults(), session_.game().board()});
    // The player expects a new game to take a moment.
    handBackFreedMemory();
    // The player chose another game: a resumed game's file is done with.
    keeper_.files().savedGame().release();
}

void MainWindow::MenuOpenFile()
{
    // Where the last one came from.
    const QString folder = QFileInfo(RecentFiles::read(settings_.recentFiles).value(0)).absolutePath();
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Puzzle File"), folder, tr("Puzzle files (*.non *.nonpack *.nin *.xml *.g *.mk);;All files (*)"));
    if (!path.isEmpty())
        OpenPuzzleFile(path);
}

bool MainWindow::OpenPuzzleFile(const QString& path)
{
    // Judging a hard puzzle may take the game its whole search time, a second or two.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PuzzleFileOpening opening = openPuzzleFile(path);
    QApplication::restoreOverrideCursor();
    if (!opening.opened) {
        Prompt::tell(this,
            tr("<p>%1 could not be opened as a puzzle:</p><p>%2.</p>")
                .arg(QDir::toNativeSeparators(path).toHtmlEscaped(), opening.error.toHtmlEscaped()));
        return false;
    }
    leaveGame();
    settings_.recentFiles = RecentFiles::withFirst(settings_.recentFiles, QFileInfo(path).absoluteFilePath());
    answer(session_.begin(opening.puzzle, menus_->mode()));
    return true;
}

void MainWindow::MenuPictures()
{
    if (gallery_.empty()) {
        Prompt::tell(this,
            tr("<p>The gallery's pictures could not be read from %1:</p><p>%2.</p>")
                .arg(QDir::toNativeSeparators(AssetFolder::file("Pictures//gallery.tsv")).toHtmlEscaped(),
                    galleryError_.toHtmlEscaped()));
        return;
    }
    SettingsStore& store = keeper_.files().settings();
    const int mode = menus_->mode();
    const std::vector<GalleryPicture> shown = pictures();
    GalleryBrowser browser(
        shown, ScoreBook::solvedPictures(store),
        [&store, mode](const QString& id) { return ScoreBook::pictureRecord(store, id, mode); },
        [this](const GalleryPicture& picture) { return begunBoard(picture); }, gameLanguage(), this);
    // The picture in play is where the player stands.
    if (session_.puzzle().origin.kind == PuzzleOrigin::Kind::Gallery)
        browser.choose(session_.puzzle().origin.place);
    if (browser.exec() == QDialog::Accepted && browser.chosen() >= 0)
        StartPicture(shown[std::size_t(browser.chosen())]);
    followCommand();
}

std::optional<PuzzleGrid> MainWindow::begunBoard(const GalleryPicture& picture) const
{
    const Puzzle& playing = session_.puzzle();
    if (playing.origin.kind == PuzzleOrigin::Kind::Gallery && playing.origin.place == picture.id)
        return gameStarted() ? std::optional<PuzzleGrid>(session_.game().board()) : std::nullopt;
    const auto kept = PictureBoards::find(
        keeper_.files().settings(), QString::fromStdString(picture.id), picture.columns, picture.rows);
    return kept ? std::optional<PuzzleGrid>(kept->board) : std::nullopt;
}

void MainWindow::StartPicture(const GalleryPicture& picture)
{
    leaveGame();
    const Puzzle puzzle = puzzleOf(picture);
    const std::optional<PictureBoards::Kept> kept = PictureBoards::find(
        keeper_.files().settings(), QString::fromStdString(picture.id), picture.columns, picture.rows);
    if (kept)
        answer(session_.resume(puzzle, kept->mode, kept->board, kept->seconds, kept->faults));
    else
        answer(session_.begin(puzzle, menus_->mode()));
}

void MainWindow::fillRecentMenu()
{
    QMenu& menu = *ui_->menuRecent;
    menu.clear();
    const QStringList paths = RecentFiles::read(settings_.recentFiles);
    for (const QString& path : paths) {
        QAction* entry = menu.addAction(QFileInfo(path).fileName());
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setEnabled(QFileInfo(path).isFile());
        connect(entry, &QAction::triggered, this, [this, path] { OpenPuzzleFile(path); });
    }
    if (paths.isEmpty())
        menu.addAction(tr("No puzzle files yet"))->setEnabled(false);
    menu.setToolTipsVisible(true);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().front().isLocalFile())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over, so that its box does not hold up the dragging program.
    const QString path = urls.front().toLocalFile();
    QMetaObject::invokeMethod(
        this, [this, path] { OpenPuzzleFile(path); }, Qt::QueuedConnection);
}

// What is known of the puzzle in play: where it comes from, its texts, and what logic says.
void MainWindow::MenuAboutPuzzle()
{
    const Puzzle& puzzle = session_.puzzle();
    QStringList lines;
    const auto add = [&lines](const QString& label, const std::string& text) {
        if (!text.empty())
            lines << "<b>" + label.toHtmlEscaped() + "</b> " + QString::fromStdString(text).toHtmlEscaped();
    };
    add(tr("Title:"), puzzle.title);
    add(tr("Author:"), puzzle.author);
    add(tr("Copyright:"), puzzle.copyright);
    add(tr("Licence:"), puzzle.licence);
    if (session_.code())
        add(tr("Puzzle code:"), session_.code()->text());
    add(tr("Size:"), std::to_string(puzzle.columns()) + "x" + std::to_string(puzzle.rows()));
    if (puzzle.origin.kind == PuzzleOrigin::Kind::File)
        add(tr("File:"), QDir::toNativeSeparators(QString::fromStdString(puzzle.origin.place)).toStdString());
    switch (puzzle.verdict) {
    case PuzzleVerdict::Kind::Logic: lines << tr("Logic alone finishes it."); break;
    case PuzzleVerdict::Kind::Guess:
        lines << tr("It has one solution, but logic alone cannot finish it: it needs a guess.");
        break;
    case PuzzleVerdict::Kind::Several: lines << tr("It has more than one solution."); break;
    case PuzzleVerdict::Kind::None: lines << tr("No picture fits its clues."); break;
    case PuzzleVerdict::Kind::Unknown:
        lines << tr("Nobody knows yet whether logic finishes it: the search ran out of time.");
        break;
    }
    if (puzzle.verdict == PuzzleVerdict::Kind::Logic)
        lines << tr("Difficulty: %1")
                     .arg(GameWords::difficulty(bandOf(puzzle.difficulty, puzzle.columns(), puzzle.rows())))
              << GameWords::hardestTechnique(puzzle.difficulty.hardestTechnique);
    Prompt::tell(this, "<p>" + lines.join("<br>") + "</p>");
}

void MainWindow::MenuEnterCode()
{
    const std::optional<QString> typed = Prompt::askText(this, tr("Puzzle code (for example 15x10-1111D):"));
    if (!typed || typed->trimmed().isEmpty())
        return;
    if (DesignCode::looksLikeOne(typed->toStdString())) {
        enterDesignCode(*typed);
        return;
    }
    const std::optional<PuzzleCode> code = PuzzleCode::read(typed->toStdString());
    if (!code) {
        Prompt::tell(this,
            tr("<p>\"%1\" is not a puzzle code.</p><p>A code is the puzzle's size, a dash, then letters and digits, "
               "as the game shows it beside the board: for example 15x10-1111D.</p>")
                .arg(typed->trimmed().toHtmlEscaped()));
        return;
    }
    StartPuzzle(*code, menus_->mode());
}

// Everyone playing today at that size gets the same puzzle.
void MainWindow::MenuTodaysPuzzle()
{
    const PuzzleSize& size = puzzleSizes[menus_->sizeIndex()];
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    // For a difficulty the six sizes search from the day's seed, the same for everyone.
    StartPuzzle(PuzzleCode::ofDay(today, size.columns, size.rows, menus_->band()), menus_->mode(), true);
}

void MainWindow::MenuHint()
{
    Game::Hint hint;
    answer(session_.hint(hint));
    if (hint.kind == Game::Hint::Kind::AllCorrect)
        Prompt::tell(this, tr("<p align='center'>All markings are currently correct.</p>"));
    // Asked in play, on a board the hint could not take further (a board it found solved has
    // won by now).
    if (hint.kind == Game::Hint::Kind::Nothing && session_.inPlay() && !session_.game().marking())
        offerCell(hint.outOfTime);
    if (hint.kind == Game::Hint::Kind::Technique) {
        keeper_.keepHint(hint.technique);
        // What If lights the line that broke, or else the column of the cell it assumed.
        const PuzzleLogic::Assumption& assumed = hint.assumption;
        const bool whatIf = hint.technique == whatIfTechnique;
        const bool isRow = whatIf ? assumed.broken && assumed.brokenIsRow : hint.isRow;
        const int lineIndex = whatIf ? (assumed.broken ? assumed.brokenLine : assumed.x) : hint.line;
        // The deduced cells stand on the board as marks while the box names the technique.
        scene_.showHint(isRow, lineIndex);
        const ClueSet& clues = session_.game().clues();
        const QString line
            = GameWords::line(isRow, lineIndex, (isRow ? clues.rowClues : clues.columnClues)[size_t(lineIndex)]);
        const QString reasoning = whatIf
            ? "<p align='center'>" + GameWords::whatIf(assumed.x, assumed.y, assumed.broken) + "</p>"
            : QString();
        const int askedIn = session_.gameNumber();
        if (Prompt::offerHelp(this,
                tr("<p align='center'>These cells are found using the <b>%1</b> technique.</p>")
                        .arg(GameWords::technique(hint.technique))
                    + reasoning + "<p align='center'>" + line + "</p>",
                scene_.hintBand(session_)))
            // The sections have the same anchors in every language.
            OpenHelp("Help//methods.html#" + QString(findTechnique(hint.technique)->key));
        scene_.hideHint();
        answer(session_.acceptHint(askedIn));
    }
    followCommand();
}

// Logic has nothing more to say on a board not yet solved: the puzzle needs a guess here (or
// the player's cells already went astray, which a hint in Normal mends first).
void MainWindow::offerCell(bool outOfTime)
{
    // A search cut short proves nothing, and says so.
    const QString stuck = outOfTime
        ? tr("<p align='center'>No next step was found in the time a hint may take: logic may still go on from "
             "here, further than a hint can look.</p>")
        : tr("<p align='center'>Logic alone cannot go on from here: this puzzle needs a guess.</p>");
    if (!session_.game().knowsSolution()) {
        Prompt::tell(this, stuck);
        return;
    }
    const int askedIn = session_.gameNumber();
    if (Prompt::ask(this, stuck + tr("<p align='center'>Reveal one cell of the solution, for a fault?</p>")))
        answer(session_.revealCell(askedIn));
}

void MainWindow::MenuMarking()
{
    if (!session_.game().marking()) {
        answer(session_.startMarking());
    } else {
        // The marks stand in view while the player decides.
        answer(session_.resumePlay());
        const int askedIn = session_.gameNumber();
        answer(session_.stopMarking(Prompt::askBeside(this, tr("Keep marks?"), scene_.cellsArea(session_)), askedIn));
    }
    followCommand();
}

// Pause: the clock stands and the board is hidden, so a player who steps away neither loses
// time nor leaves the puzzle on show.
void MainWindow::MenuPause()
{
    if (session_.phase() == Session::Phase::Paused) {
        answer(session_.resumePlay());
    } else {
        // A drag ends at the pause: buttons and keys held now enter nothing when play goes on.
        input_.releaseAll();
        answer(session_.pause());
    }
    // The entry checks itself when chosen; it must show the phase even when nothing changed.
    followCommand();
}

// How the solver found the solution, step by step, after the win: no score changes.
void MainWindow::MenuShowSolution()
{
    answer(session_.showSolution());
}

void MainWindow::replay(ReplayBar::Command command)
{
    const int at = session_.replay().position();
    switch (command) {
    case ReplayBar::Command::Start: answer(session_.replayTo(0)); break;
    case ReplayBar::Command::Back: answer(session_.replayTo(at - 1)); break;
    case ReplayBar::Command::Play: answer(session_.playReplay(!session_.replayPlaying())); break;
    case ReplayBar::Command::Forward: answer(session_.replayTo(at + 1)); break;
    case ReplayBar::Command::End: answer(session_.replayTo(session_.replay().count())); break;
    case ReplayBar::Command::Slower: session_.changeReplaySpeed(-1); break;
    case ReplayBar::Command::Faster: session_.changeReplaySpeed(+1); break;
    case ReplayBar::Command::Leave: answer(session_.leaveReplay()); break;
    }
    // Play, stop and a new speed change no step, and report nothing.
    followReplay();
    wakeTick();
}

void MainWindow::followReplay()
{
    const bool replaying = session_.phase() == Session::Phase::Replaying;
    if (replayBar_->isHidden() == replaying) {
        replayBar_->setVisible(replaying);
        scene_.setRoom(boardRoom(), menuBar()->height());
        if (!replaying)
            scene_.hideHint();
    }
    if (!replaying)
        return;
    replayBar_->follow(session_);
    if (const SolutionReplay::Step* step = session_.replay().current())
        scene_.showHint(step->isRow, step->line);
    else
        scene_.hideHint();
}

// The same attempt again: the clock and the faults go on, so a restart cannot better a score.
void MainWindow::MenuRestart()
{
    const int askedIn = session_.gameNumber();
    if (!session_.game().board().isBlank()
        && !Prompt::ask(this, tr("Clear the board and start this puzzle again?\nThe clock and the faults go on.")))
        return;
    // The question may have outlived its game.
    if (session_.gameNumber() == askedIn)
        answer(session_.restart());
    followCommand();
}
