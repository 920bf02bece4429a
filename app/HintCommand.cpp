// The hint: mends a wrong cell, or performs one deduction and names its technique.
#include "MainWindow.h"

#include "HelpBrowser.h"
#include "Prompt.h"
#include "SceneGeometry.h"

using SceneGeometry::cellPitch;

void MainWindow::MenuHint()
{
    if (!gameInPlay() || marking)
        return;
    ResumeGame();
    applyInputNow();
    const Game::Hint hint = play.hint(solver);
    switch (hint.kind) {
    case Game::Hint::Kind::Mended:
        ShowFault(board.originX + cellPitch * hint.x, board.originY + cellPitch * hint.y);
        break;
    case Game::Hint::Kind::AllCorrect:
        Prompt::tell(this, "<p align='center'>All markings are currently correct.</p>");
        break;
    case Game::Hint::Kind::Technique: {
        // The deduced cells stand on the board as marks while the box names the technique.
        hintIsRow = hint.isRow;
        hintLine = hint.line;
        hintShown = true;
        needsRepaint = true;
        const QString& name = techniqueNames[hint.technique];
        const int askedIn = gameNumber;
        const bool help = Prompt::offerHelp(
            this, "<p align='center'>These cells are found using the <b>" + name + "</b> technique.</p>");
        if (help)
            OpenHelp("Help//methods.html#" + name);
        hintShown = false;
        // The box's answer belongs to the game that asked; that game may be gone by now.
        if (gameNumber != askedIn)
            return;
        play.acceptHint();
        break;
    }
    case Game::Hint::Kind::Nothing: break;
    }
    if (!clock.isValid())
        clock.start();
    refreshUndoEntries();
    needsRepaint = true;
}
