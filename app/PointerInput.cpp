// The pointer: handlers only record what it did; the tick applies that to the game, in order,
// and answers what changed with sound, bursts and the fault mark.
#include "MainWindow.h"

#include "SceneGeometry.h"
#include "SoundBank.h"
#include "ViewTransform.h"

#include <QMouseEvent>

using SceneGeometry::cellPitch;

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    // A click on the paused board only resumes: the cells were hidden, so it aimed at none.
    const bool resumes = state == Paused;
    ResumeGame();
    trackPointer(event->position());
    if (resumes || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton))
        return;
    const bool left = event->button() == Qt::LeftButton;
    (left ? leftDown : rightDown) = true;
    record(RecordedInput::Kind::Press, left ? Game::Button::Left : Game::Button::Right, {pointerX, pointerY});
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    const bool left = event->button() == Qt::LeftButton;
    (left ? leftDown : rightDown) = false;
    record(RecordedInput::Kind::Release, left ? Game::Button::Left : Game::Button::Right, {pointerX, pointerY});
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    trackPointer(event->position());
    if (anyButtonDown())
        record(RecordedInput::Kind::Move, Game::Button::Left, {pointerX, pointerY});
}

// A release in another window never reaches this one: when the window loses the keyboard,
// every held button counts as released.
void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        releaseAllButtons();
}

void MainWindow::trackPointer(QPointF windowPosition)
{
    const QPoint position = windowPosition.toPoint();
    const QPoint boardPoint = ViewTransform {scale, offsetX, offsetY}.toBoard(position.x(), position.y());
    pointerX = boardPoint.x();
    pointerY = boardPoint.y();
    if (state != Playing)
        return;
    cursorLeads = false;
    int column = -1;
    int row = -1;
    if (pointerOnCells()) {
        const QPoint cell = cellAt(pointerX, pointerY);
        column = cursorColumn = cell.x();
        row = cursorRow = cell.y();
    }
    if (column != clues.hoverColumn || row != clues.hoverRow)
        needsRepaint = true;
    clues.hoverColumn = column;
    clues.hoverRow = row;
}

// Leaving the window clears the hovered line as moving off the cells does, since no further
// move arrives to do it. The keys' cursor stays lit: the keys act on it wherever the pointer is.
void MainWindow::leaveEvent(QEvent* event)
{
    QMainWindow::leaveEvent(event);
    if (cursorLeads)
        return;
    if (clues.hoverColumn != -1 || clues.hoverRow != -1)
        needsRepaint = true;
    clues.hoverColumn = -1;
    clues.hoverRow = -1;
}

bool MainWindow::pointerOnCells() const
{
    return pointerX >= board.originX && pointerX < board.originX + cellPitch * board.width && pointerY >= board.originY
        && pointerY < board.originY + cellPitch * board.height;
}

QPoint MainWindow::cellAt(int boardX, int boardY) const
{
    // Rounded down, so that the clue area left of and above the cells is off the board.
    const auto cellIndex = [](int offset) { return offset >= 0 ? offset / cellPitch : (offset + 1) / cellPitch - 1; };
    return {cellIndex(boardX - board.originX), cellIndex(boardY - board.originY)};
}

QPoint MainWindow::cellCentre(int x, int y) const
{
    return {board.originX + cellPitch * x + cellPitch / 2, board.originY + cellPitch * y + cellPitch / 2};
}

bool MainWindow::anyButtonDown() const
{
    return leftDown || rightDown || spaceDown || xDown;
}

void MainWindow::record(RecordedInput::Kind kind, Game::Button button, QPoint boardPoint)
{
    if (state == Playing)
        recordedInput.push_back({kind, button, boardPoint.x(), boardPoint.y()});
}

void MainWindow::releaseAllButtons()
{
    if (leftDown || spaceDown)
        record(RecordedInput::Kind::Release, Game::Button::Left, {pointerX, pointerY});
    if (rightDown || xDown)
        record(RecordedInput::Kind::Release, Game::Button::Right, {pointerX, pointerY});
    leftDown = rightDown = spaceDown = xDown = false;
}

void MainWindow::ApplyInput()
{
    // However many cells change within one tick, each sound plays once.
    bool entered = false;
    bool erased = false;
    for (const RecordedInput& input : recordedInput) {
        const QPoint cell = cellAt(input.x, input.y);
        const QPoint pointer(input.x, input.y);
        switch (input.kind) {
        case RecordedInput::Kind::Press:
            answerChanges(play.press(input.button, cell.x(), cell.y()), pointer, entered, erased);
            break;
        case RecordedInput::Kind::Move: answerChanges(play.moveTo(cell.x(), cell.y()), pointer, entered, erased); break;
        case RecordedInput::Kind::Release: play.release(input.button); break;
        }
        // What comes after the winning move is not played on the dissolving board.
        if (board.changed && settleBoard())
            break;
    }
    recordedInput.clear();
    if (entered)
        sounds->play(SoundBank::Effect::Draw, soundOn);
    if (erased)
        sounds->play(SoundBank::Effect::Erase, soundOn);
}

void MainWindow::applyInputNow()
{
    if (state == Playing)
        ApplyInput();
}

void MainWindow::answerChanges(const Game::Changes& changes, QPoint pointer, bool& entered, bool& erased)
{
    const QPoint pointerCell = cellAt(pointer.x(), pointer.y());
    for (const CellChange& change : changes) {
        // The cells a fast drag jumped over answer at their centres.
        const QPoint at = QPoint(change.x, change.y) == pointerCell ? pointer : cellCentre(change.x, change.y);
        switch (change.reason) {
        case CellChange::Reason::Entered:
            if (particlesOn) {
                const bool fill = change.after == Filled || change.after == MarkedFilled;
                particles.spawnBurst(at.x(), at.y(), fill ? Qt::white : Qt::black);
            }
            entered = true;
            break;
        case CellChange::Reason::Fault:
            // The mark's top-left corner stands above and left of the pointer.
            ShowFault(at.x() - 10, at.y() - 10);
            break;
        case CellChange::Reason::Erased: erased = true; break;
        default: break;
        }
        // Erasing alone never starts the clock.
        if (change.reason != CellChange::Reason::Erased && !clock.isValid())
            clock.start();
        needsRepaint = true;
    }
}

void MainWindow::ShowFault(int x, int y)
{
    sounds->play(SoundBank::Effect::Mistake, soundOn);
    faultX = x;
    faultY = y;
    faultTimeLine.stop();
    faultTimeLine.start();
}
