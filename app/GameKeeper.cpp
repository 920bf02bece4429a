// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameKeeper.h"

#include "PictureBoards.h"
#include "PuzzleSizes.h"
#include "Session.h"
#include "TechniqueRecord.h"

#include <QDate>
#include <QDebug>
#include <QWidget>

GameKeeper::GameKeeper(QWidget& window, const Session& session, std::function<bool()> gameStarted,
    std::function<bool(bool always)> saveSettings)
    : window_(window)
    , session_(session)
    , gameStarted_(std::move(gameStarted))
    , saveSettings_(std::move(saveSettings))
{
    keepTimer_.setSingleShot(true);
    keepTimer_.setInterval(keepDelay);
    QObject::connect(&keepTimer_, &QTimer::timeout, [this] { keepNow(); });
}

bool GameKeeper::offerSavedGame(ResumableGame& game)
{
    SavedGameFile& saved = files_.savedGame();
    // Played in another window: not this copy's to offer, nor to remove.
    if (saved.claimedElsewhere())
        return false;
    const DurableFile::Reading offered = saved.read();
    // Nothing to offer: no claim is held, so that another copy may keep its game there.
    if (offered.status != DurableFile::Reading::Status::Read) {
        saved.release();
        return false;
    }
    // Offered once: declined, it goes, unless another copy of the game saved over it while
    // the question was open.
    if (!Prompt::ask(&window_, tr("Load game in progress from previous session?"))) {
        saved.discard(offered.bytes);
        return false;
    }
    QString why;
    if (files_.loadGame(game, &why))
        return true;
    Prompt::tell(&window_, tr("Your saved game could not be loaded from %1: %2.").arg(saved.path(), why));
    return false;
}

void GameKeeper::keepSoon()
{
    if (!keepTimer_.isActive() && !files_.sealed())
        keepTimer_.start();
}

void GameKeeper::keepNow()
{
    if (files_.sealed())
        return;
    QString why;
    bool kept = !gameStarted_() || saveGame(&why) != SavedGameFile::Writing::Failed;
    if (!kept && !keepFailed_)
        qWarning().noquote() << "Tessarin: your game could not be kept in" << files_.savedGame().path() + ":" << why;
    if (!saveSettings_(false)) {
        if (!keepFailed_)
            qWarning().noquote() << "Tessarin: your settings and scores could not be kept in"
                                 << files_.settings().path() + ":" << files_.settings().failure();
        kept = false;
    }
    keepFailed_ = !kept;
}

bool GameKeeper::keepAtClose()
{
    keepTimer_.stop();
    // Left under the question (the session ended): what that kept stands.
    if (!files_.sealed() && gameStarted_()) {
        const Prompt::Answer reply = Prompt::askOrCancel(&window_, tr("Save your game?"));
        if (files_.sealed())
            return true;
        if (reply == Prompt::Answer::Cancel)
            return false;
        QString why;
        if (reply == Prompt::Answer::No) {
            files_.savedGame().release();
        } else {
            SavedGameFile::Writing written = saveGame(&why);
            // Another copy's game is replaced only at the player's word.
            if (written == SavedGameFile::Writing::Taken
                && Prompt::ask(&window_,
                    tr("Another copy of Tessarin keeps a game in %1.\nReplace it with this one?")
                        .arg(files_.savedGame().path())))
                written = saveGame(&why, true);
            if (files_.sealed())
                return true;
            if (written == SavedGameFile::Writing::Failed) {
                Prompt::tell(&window_,
                    tr("Your game could not be saved to %1: %2.\nThe game stays open, so that nothing is lost.")
                        .arg(files_.savedGame().path(), why));
                return false;
            }
        }
    }
    // Said once here rather than at every win, though the scores could not be kept either:
    // they stayed in memory and were tried again with each write since. A file that could not
    // be read was named at the start, and is left as it is.
    if (!files_.sealed() && !saveSettings_(true) && files_.settings().unreadable().isEmpty())
        Prompt::tell(&window_,
            tr("Your settings and scores could not be saved to %1: %2.")
                .arg(files_.settings().path(), files_.settings().failure()));
    seal();
    return true;
}

void GameKeeper::keepWithoutAsking()
{
    if (files_.sealed())
        return;
    QString why;
    if (gameStarted_() && saveGame(&why) != SavedGameFile::Writing::Written)
        qWarning().noquote() << "Tessarin: your game could not be saved to" << files_.savedGame().path() + ":" << why;
    if (!saveSettings_(true))
        qWarning().noquote() << "Tessarin: your settings and scores could not be saved to"
                             << files_.settings().path() + ":" << files_.settings().failure();
}

void GameKeeper::keepHint(int technique)
{
    hintsWaiting_.push_back(technique);
    keepWaitingSoon();
}

void GameKeeper::keepWin()
{
    const Game& game = session_.game();
    const Puzzle& puzzle = session_.puzzle();
    Win win {{}, {}, {}, game.mode(), QString::number(session_.seconds()), QString::number(game.faults()),
        session_.difficulty().hardestTechnique};
    const int size = sizeIndexOf(session_.columns(), session_.rows());
    if (puzzle.origin.kind == PuzzleOrigin::Kind::Generated && size >= 0)
        win.sizeLabel = ScoreBook::sizeKey(puzzleSizes[size].label, session_.code() ? session_.code()->band : -1);
    else if (puzzle.origin.kind == PuzzleOrigin::Kind::Gallery)
        win.picture = QString::fromStdString(puzzle.origin.place);
    else
        win.file = {QString::fromStdString(clueFingerprint(puzzle.clues)), QString::fromStdString(puzzle.title),
            QStringLiteral("%1x%2").arg(session_.columns()).arg(session_.rows()),
            QDate::currentDate().toString(Qt::ISODate), {}};
    winWaiting_ = win;
    keepWaitingSoon();
}

const ScoreBook::Record& GameKeeper::lastWin()
{
    keepWaiting();
    return lastWin_;
}

void GameKeeper::keepWaitingSoon()
{
    // A queued call, not a timer, so that it comes the moment the tick or command returns.
    if (!keepPosted_)
        QMetaObject::invokeMethod(
            &window_, [this] { keepWaiting(); }, Qt::QueuedConnection);
    keepPosted_ = true;
}

void GameKeeper::keepWaiting()
{
    keepPosted_ = false;
    if (files_.sealed())
        return;
    for (const int technique : hintsWaiting_)
        TechniqueRecord::countHint(files_.settings(), technique);
    hintsWaiting_.clear();
    if (!winWaiting_)
        return;
    const Win win = *std::exchange(winWaiting_, std::nullopt);
    TechniqueRecord::countWin(files_.settings(), win.technique);
    files_.savedGame().release();
    if (!win.picture.isEmpty())
        PictureBoards::forget(files_.settings(), win.picture);
    lastWin_ = !win.sizeLabel.isEmpty()
        ? ScoreBook::recordWin(files_.settings(), win.sizeLabel, win.mode, win.seconds, win.faults)
        : !win.picture.isEmpty()
        ? ScoreBook::recordPictureWin(files_.settings(), win.picture, win.mode, win.seconds, win.faults)
        : ScoreBook::recordFileWin(files_.settings(), win.file, win.seconds, win.faults);
}

void GameKeeper::seal()
{
    keepWaiting();
    keepTimer_.stop();
    files_.seal();
}

SavedGameFile::Writing GameKeeper::saveGame(QString* why, bool replace)
{
    return files_.saveGame(session_, why, replace);
}
