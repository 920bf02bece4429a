// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameKeeper.h"

#include "PuzzleSizes.h"
#include "Session.h"
#include "TechniqueRecord.h"

#include <QDebug>

GameKeeper::GameKeeper(QWidget& window, const Session& session, std::function<bool()> saveSettings)
    : window_(window)
    , session_(session)
    , saveSettings_(std::move(saveSettings))
{
}

bool GameKeeper::offerSavedGame(ResumableGame& game)
{
    SavedGameFile& saved = files_.savedGame();
    const DurableFile::Reading offered = saved.read();
    if (offered.status != DurableFile::Reading::Status::Read)
        return false;
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

bool GameKeeper::keepAtClose(bool gameStarted)
{
    // Left under the question (the session ended): what that kept stands.
    if (!files_.sealed() && gameStarted) {
        const Prompt::Answer reply = Prompt::askOrCancel(&window_, tr("Save your game?"));
        if (files_.sealed())
            return true;
        if (reply == Prompt::Answer::Cancel)
            return false;
        QString why;
        if (reply == Prompt::Answer::No) {
            files_.savedGame().release();
        } else if (!saveGame(&why)) {
            Prompt::tell(&window_,
                tr("Your game could not be saved to %1: %2.\nThe game stays open, so that nothing is lost.")
                    .arg(files_.savedGame().path(), why));
            return false;
        }
    }
    // Said once here rather than at every win, though the scores could not be kept either:
    // they stayed in memory and were tried again with each write since.
    if (!files_.sealed() && !saveSettings_())
        Prompt::tell(&window_,
            tr("Your settings and scores could not be saved to %1: %2.")
                .arg(files_.settings().path(), files_.settings().failure()));
    files_.seal();
    return true;
}

void GameKeeper::keepWithoutAsking(bool gameStarted)
{
    if (files_.sealed())
        return;
    QString why;
    if (gameStarted && !saveGame(&why))
        qWarning().noquote() << "Tessarin: your game could not be saved to" << files_.savedGame().path() + ":" << why;
    if (!saveSettings_())
        qWarning().noquote() << "Tessarin: your settings and scores could not be saved to"
                             << files_.settings().path() + ":" << files_.settings().failure();
}

void GameKeeper::keepHint(int technique)
{
    TechniqueRecord::countHint(files_.settings(), technique);
}

ScoreBook::Record GameKeeper::keepWin()
{
    TechniqueRecord::countWin(files_.settings(), session_.difficulty().hardestTechnique);
    files_.savedGame().release();
    const Game& game = session_.game();
    return ScoreBook::recordWin(files_.settings(), puzzleSizes[sizeIndexOf(session_.columns(), session_.rows())].label,
        game.mode(), QString::number(session_.seconds()), QString::number(game.faults()));
}

bool GameKeeper::saveGame(QString* why)
{
    return files_.saveGame(session_, why);
}
