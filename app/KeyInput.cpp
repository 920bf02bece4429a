// Keys: the commands' keys, and play from the keyboard with a cursor cell, Space as the left
// button and X as the right. Like the pointer's, key presses are only recorded here, and
// while the game is paused the cursor, Space and X do nothing.
#include "MainWindow.h"

#include "HelpBrowser.h"
#include "Prompt.h"
#include "ui_MainWindow.h"

#include <QKeyEvent>

#include <algorithm>

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_M:
        if (gameInPlay() && mode != Beginner) {
            ui->actionMarks->setChecked(!ui->actionMarks->isChecked());
            MenuMarking();
        }
        break;
    case Qt::Key_H:
        if (gameInPlay() && !marking)
            MenuHint();
        break;
    case Qt::Key_P: MenuPause(); break;
    case Qt::Key_F1: OpenHelp("Help//index.html"); break;
    case Qt::Key_F2:
        if (Prompt::ask(this, "New game?"))
            MenuNewGame();
        break;
    case Qt::Key_Left: moveCursor(-1, 0); break;
    case Qt::Key_Right: moveCursor(1, 0); break;
    case Qt::Key_Up: moveCursor(0, -1); break;
    case Qt::Key_Down: moveCursor(0, 1); break;
    case Qt::Key_Space: keyButton(event, Game::Button::Left, spaceDown, true); break;
    case Qt::Key_X: keyButton(event, Game::Button::Right, xDown, true); break;
    default: event->ignore(); break;
    }
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space: keyButton(event, Game::Button::Left, spaceDown, false); break;
    case Qt::Key_X: keyButton(event, Game::Button::Right, xDown, false); break;
    default: QMainWindow::keyReleaseEvent(event); break;
    }
}

// A held key repeats its press and release; only the first press and the last release
// count.
void MainWindow::keyButton(QKeyEvent* event, Game::Button button, bool& down, bool pressed)
{
    if (event->isAutoRepeat())
        return;
    down = pressed;
    if (state != Playing)
        return;
    showCursor();
    const QPoint centre = cellCentre(cursorColumn, cursorRow);
    record(pressed ? RecordedInput::Kind::Press : RecordedInput::Kind::Release, button, centre);
}

// With Space or X held, the cursor drags.
void MainWindow::moveCursor(int columns, int rows)
{
    if (state != Playing)
        return;
    cursorColumn = std::clamp(cursorColumn + columns, 0, board.width - 1);
    cursorRow = std::clamp(cursorRow + rows, 0, board.height - 1);
    showCursor();
    if (anyButtonDown())
        record(RecordedInput::Kind::Move, Game::Button::Left, cellCentre(cursorColumn, cursorRow));
}

void MainWindow::showCursor()
{
    cursorLeads = true;
    if (clues.hoverColumn != cursorColumn || clues.hoverRow != cursorRow)
        needsRepaint = true;
    clues.hoverColumn = cursorColumn;
    clues.hoverRow = cursorRow;
}
