// The hint: mends a wrong cell, or performs one deduction and names its technique.
#include "MainWindow.h"

#include "HelpBrowser.h"
#include "Prompt.h"
#include "SceneGeometry.h"

using SceneGeometry::cellPitch;

void MainWindow::MenuHint()
{
    ResumeGame();
    // Beginner never lets a wrong cell stand, so only the other modes look for one.
    if (mode != Beginner && mendFirstWrongCell()) {
    } else if (mode == Expert) {
        Prompt::tell(this, "<p align='center'>All markings are currently correct.</p>");
    } else if (const int technique = solver.findHint(board, clues, hintIsRow, hintLine)) {
        // The deduced cells stand on the board as marks while the box names the technique.
        ++faults;
        hintShown = true;
        needsRepaint = true;
        const QString& name = techniqueNames[technique];
        if (Prompt::offerHelp(
                this, "<p align='center'>These cells are found using the <b>" + name + "</b> technique.</p>"))
            OpenHelp("Help//methods.html#" + name);
        hintShown = false;
        board.acceptMarks();
    }
    if (!clock.isValid())
        clock.start();
    needsRepaint = true;
}

bool MainWindow::mendFirstWrongCell()
{
    for (int x = 0; x < board.width; ++x) {
        for (int y = 0; y < board.height; ++y) {
            const int code = board.cells[x][y];
            if ((code != Filled && code != Crossed) || code == solution.cells[x][y])
                continue;
            // Normal puts the right cell in its place; Expert, which has no crosses of its
            // own making, only clears it.
            board.cells[x][y] = mode == Normal ? solution.cells[x][y] : int(Blank);
            board.changed = true;
            ShowFault(board.originX + cellPitch * x, board.originY + cellPitch * y);
            return true;
        }
    }
    return false;
}
