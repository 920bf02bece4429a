// Pointer and keys: handlers only record what the pointer and buttons do; the tick applies
// it to the board by the rules of the mode.
#include "MainWindow.h"

#include "HelpBrowser.h"
#include "Prompt.h"
#include "SceneGeometry.h"
#include "SoundBank.h"
#include "ViewTransform.h"
#include "ui_MainWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>

using SceneGeometry::cellPitch;

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    // A click on the paused board only resumes: the cells were hidden, so it aimed at none.
    if (state == Paused) {
        ResumeGame();
        return;
    }
    if (event->button() == Qt::LeftButton)
        leftDown = true;
    else if (event->button() == Qt::RightButton)
        rightDown = true;
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftDown = false;
    else if (event->button() == Qt::RightButton)
        rightDown = false;
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    const QPoint boardPoint = ViewTransform {scale, offsetX, offsetY}.toBoard(position.x(), position.y());
    pointerX = boardPoint.x();
    pointerY = boardPoint.y();
    if (state != Playing)
        return;
    int column = -1;
    int row = -1;
    if (pointerOnCells()) {
        column = (pointerX - board.originX) / cellPitch;
        row = (pointerY - board.originY) / cellPitch;
    }
    if (column != clues.hoverColumn || row != clues.hoverRow)
        needsRepaint = true;
    clues.hoverColumn = column;
    clues.hoverRow = row;
}

bool MainWindow::pointerOnCells() const
{
    return pointerX >= board.originX && pointerX < board.originX + cellPitch * board.width && pointerY >= board.originY
        && pointerY < board.originY + cellPitch * board.height;
}

void MainWindow::ApplyInput()
{
    if (!pointerOnCells())
        return;
    const int x = (pointerX - board.originX) / cellPitch;
    const int y = (pointerY - board.originY) / cellPitch;
    const int code = board.cells[x][y];
    if (!leftDown && !rightDown) {
        dragState = noDrag;
        return;
    }
    // The cell a press starts on decides the whole drag: a blank one enters, any other erases.
    if (dragState == noDrag)
        dragState = code;
    if (dragState != Blank) {
        eraseCell(x, y, code);
        return;
    }
    if (code != Blank)
        return;
    // The left button wins when both are held; Expert has no crosses.
    const bool fill = leftDown;
    if (!fill && mode == Expert)
        return;
    const int entered = fill ? (marking ? MarkedFilled : Filled) : (marking ? MarkedCrossed : Crossed);
    if (mode == Beginner && solution.cells[x][y] != (fill ? Filled : Crossed)) {
        faultCell(x, y);
        return;
    }
    enterCell(x, y, entered);
}

void MainWindow::enterCell(int x, int y, int code)
{
    board.cells[x][y] = code;
    board.changed = true;
    if (particlesOn) {
        const bool fill = code == Filled || code == MarkedFilled;
        particles.spawnBurst(pointerX, pointerY, fill ? Qt::white : Qt::black);
    }
    if (!clock.isValid())
        clock.start();
    sounds->play(SoundBank::Effect::Draw, soundOn);
    needsRepaint = true;
}

void MainWindow::eraseCell(int x, int y, int code)
{
    // Nothing is ever erased in Beginner: every cell there is already right.
    if (code == Blank || mode == Beginner)
        return;
    board.cells[x][y] = Blank;
    board.changed = true;
    needsRepaint = true;
    sounds->play(SoundBank::Effect::Erase, soundOn);
}

// Beginner: a wrong move is corrected at once and counts as a fault. The rest of the drag
// then takes the erase path, which does nothing in Beginner, so one press makes at most one
// fault.
void MainWindow::faultCell(int x, int y)
{
    board.cells[x][y] = solution.cells[x][y];
    board.changed = true;
    if (!clock.isValid())
        clock.start();
    needsRepaint = true;
    ShowFault(pointerX - 10, pointerY - 10);
    dragState = Filled;
}

void MainWindow::ShowFault(int x, int y)
{
    sounds->play(SoundBank::Effect::Mistake, soundOn);
    faultX = x;
    faultY = y;
    faultTimeLine.stop();
    faultTimeLine.start();
    ++faults;
}

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
    default: event->ignore(); break;
    }
}
