#include "WindowDriver.h"

#include "CellState.h"
#include "ClueSet.h"
#include "LineNotation.h"
#include "ui_MainWindow.h"

#include <QStyle>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup() { folder.reset(); }
    void creationReachesPlayForEverySize();
    void firstStartCreatesBeginnerFiveByFive();
    void normalDragFillsOnlyBlanks();
    void dragFromNonBlankErases();
    void expertHasNoCrosses();
    void beginnerCorrectsAWrongMoveOnce();
    void beginnerNeverErases();
    void clicksBetweenTicksAllCount();
    void hoverFollowsThePointer();
    void clockStartsWithTheFirstEnteredCell();
    void marksAreKeptOrDiscarded_data();
    void marksAreKeptOrDiscarded();
    void keysObeyTheirConditions();
    void boardFinishedWithMarksWins();
    void dissolveTakesOneTickPerCellAndTwoMore();
    void firstTimeQuestionStopsAfterAWin();
    void boxesShareTheirButtonIcons();

private:
    std::unique_ptr<ScratchGameFolder> folder;
};

void MainWindowTest::creationReachesPlayForEverySize()
{
    WindowDriver w;
    for (const PuzzleSize& size : puzzleSizes) {
        const int ticks = w.play(size.columns, size.rows, Normal, 7);
        QCOMPARE(w->state, Playing);
        // A few milliseconds of steps per tick: even the largest size takes a handful of ticks.
        QVERIFY2(ticks < 200, size.label);
        QCOMPARE(w->board.width, size.columns);
        QCOMPARE(w->board.height, size.rows);
        for (const auto& column : w->board.cells)
            QVERIFY(std::all_of(column.begin(), column.end(), [](int c) { return c == Blank; }));
        ClueSet fromSolution;
        fromSolution.computeFrom(w->solution);
        for (int x = 0; x < size.columns; ++x) {
            std::vector<int> clue = w->clues.columnClue(x);
            for (int& value : clue)
                value = std::abs(value);
            QCOMPARE(clue, fromSolution.columnClue(x));
        }
        QCOMPARE(w->boardX, 20 * w->clues.widestRowClue() + 30);
        QCOMPARE(w->boardY, 20 * w->clues.widestColumnClue() + 30);
        QCOMPARE(w->board.originX, w->boardX);
        QCOMPARE(w->clues.originY, w->boardY);
        QVERIFY(!w->clock.isValid());
        QCOMPARE(w->faults, 0);
        QVERIFY(w->ui->actionHint->isEnabled());
        QCOMPARE(w->ui->actionMarks->isEnabled(), true);
    }
}

void MainWindowTest::firstStartCreatesBeginnerFiveByFive()
{
    WindowDriver w;
    w->StartUp();
    QCOMPARE(w.asked,
        QStringList({"It looks like this is your first time playing.\nWould you like to read about how "
                     "to play?"}));
    QCOMPARE(w->state, Creating);
    QCOMPARE(w->columns, 5);
    QCOMPARE(w->rows, 5);
    QCOMPARE(w->mode, int(Beginner));
    QCOMPARE(w->modeText, QString("Beginner"));
    QVERIFY(!w->ui->actionHint->isEnabled());
    QVERIFY(!w->ui->actionMarks->isEnabled());
    w.tick(50);
    QCOMPARE(w->state, Playing);
    QVERIFY(!w->ui->actionMarks->isEnabled());
    QCOMPARE(w->minimumSize(), QSize(400, 400));

    // The checked size and mode take effect only at the next new game.
    w->ui->action15x15->setChecked(true);
    w->ui->actionExpert->setChecked(true);
    QCOMPARE(w->columns, 5);
    w->MenuNewGame();
    QCOMPARE(w->columns, 15);
    QCOMPARE(w->rows, 15);
    QCOMPARE(w->modeText, QString("Expert"));
}

void MainWindowTest::normalDragFillsOnlyBlanks()
{
    WindowDriver w;
    w.play(10, 5, Normal);
    w.setCell(1, 0, Filled);
    w.setCell(3, 0, Crossed);
    w.setCell(4, 0, MarkedCrossed);
    w.drag(Qt::LeftButton, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
    QCOMPARE(digitsOf(w->board.row(0)), QString("1112410000"));
    QVERIFY(w->clock.isValid());
    QCOMPARE(w->faults, 0);

    w.drag(Qt::RightButton, {{0, 1}, {1, 1}});
    QCOMPARE(digitsOf(w->board.row(1)), QString("2200000000"));
}

void MainWindowTest::dragFromNonBlankErases()
{
    WindowDriver w;
    w.play(10, 5, Normal);
    const char* before = "2130401000";
    w->board.setRow(2, cellsOf(before));
    w.drag(Qt::LeftButton, {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}});
    QCOMPARE(digitsOf(w->board.row(2)), QString("0000001000"));
    QVERIFY2(!w->clock.isValid(), "erasing alone never starts the clock");
}

void MainWindowTest::expertHasNoCrosses()
{
    WindowDriver w;
    w.play(10, 10, Expert);
    w.drag(Qt::RightButton, {{0, 0}, {1, 0}});
    QCOMPARE(w.cell(0, 0), int(Blank));
    QCOMPARE(w.cell(1, 0), int(Blank));
    QVERIFY(!w->clock.isValid());

    w.setCell(0, 1, Filled);
    w.setCell(1, 1, Crossed);
    w.drag(Qt::RightButton, {{0, 1}, {1, 1}, {2, 1}});
    QCOMPARE(digitsOf(w->board.row(1)).left(3), QString("000"));

    w.drag(Qt::LeftButton, {{0, 2}});
    QCOMPARE(w.cell(0, 2), int(Filled));
}

void MainWindowTest::beginnerCorrectsAWrongMoveOnce()
{
    WindowDriver w;
    w.play(10, 10, Beginner, 3);
    // A left press on a cell that is crossed in the solution, dragged on over more cells.
    const QPoint wrong = w.solutionCell(Crossed);
    QVERIFY(wrong.x() >= 0);
    w.press(Qt::LeftButton, wrong.x(), wrong.y());
    w.tick();
    QCOMPARE(w.cell(wrong.x(), wrong.y()), int(Crossed));
    QCOMPARE(w->faults, 1);
    QCOMPARE(w->faultX, w->pointerX - 10);
    QCOMPARE(w->faultY, w->pointerY - 10);
    QCOMPARE(w->faultTimeLine.state(), QTimeLine::Running);
    QVERIFY(w->clock.isValid());
    for (int x = 0; x < 10; ++x) {
        w.moveTo(x, wrong.y() == 9 ? 8 : wrong.y() + 1);
        w.tick();
    }
    QCOMPARE(digitsOf(w->board.row(wrong.y() == 9 ? 8 : wrong.y() + 1)), QString("0000000000"));
    QCOMPARE(w->faults, 1);
    w.release(Qt::LeftButton, 0, 0);
    w.tick();

    // A right press on a cell filled in the solution becomes filled and counts too.
    const QPoint filled = w.solutionCell(Filled);
    w.drag(Qt::RightButton, {filled});
    QCOMPARE(w.cell(filled.x(), filled.y()), int(Filled));
    QCOMPARE(w->faults, 2);

    // Right moves are accepted silently.
    const QPoint right = w.solutionCell(Crossed, 1);
    w.drag(Qt::RightButton, {right});
    QCOMPARE(w.cell(right.x(), right.y()), int(Crossed));
    QCOMPARE(w->faults, 2);
}

void MainWindowTest::beginnerNeverErases()
{
    WindowDriver w;
    w.play(5, 5, Beginner);
    w.setCell(0, 0, Filled);
    w.setCell(1, 0, Crossed);
    w.drag(Qt::LeftButton, {{0, 0}, {1, 0}, {2, 0}});
    w.drag(Qt::RightButton, {{1, 0}, {2, 0}});
    QCOMPARE(digitsOf(w->board.row(0)), QString("12000"));
    QCOMPARE(w->faults, 0);
}

void MainWindowTest::clicksBetweenTicksAllCount()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    w.press(Qt::LeftButton, 2, 2);
    w.release(Qt::LeftButton, 2, 2);
    w.tick();
    QCOMPARE(w.cell(2, 2), int(Filled));
    QVERIFY(w->clock.isValid());

    // Two quick clicks on two cells enter both.
    w.press(Qt::LeftButton, 0, 0);
    w.release(Qt::LeftButton, 0, 0);
    w.press(Qt::RightButton, 4, 0);
    w.release(Qt::RightButton, 4, 0);
    w.tick();
    QCOMPARE(digitsOf(w->board.row(0)), QString("10002"));

    // A fast drag changes every cell on its way.
    w.press(Qt::LeftButton, 0, 4);
    w.moveTo(3, 4);
    w.tick();
    w.release(Qt::LeftButton, 3, 4);
    QCOMPARE(digitsOf(w->board.row(4)), QString("11110"));
}

void MainWindowTest::hoverFollowsThePointer()
{
    WindowDriver w;
    w.play(10, 10, Normal);
    w.tick();
    w.moveTo(3, 7);
    QCOMPARE(w->clues.hoverColumn, 3);
    QCOMPARE(w->clues.hoverRow, 7);
    QVERIFY(w->needsRepaint);
    w.tick();
    QVERIFY(!w->needsRepaint);
    QTest::mouseMove(w->drawingSurface(), QPoint(2, 2));
    QCOMPARE(w->clues.hoverColumn, -1);
    QCOMPARE(w->clues.hoverRow, -1);
    QVERIFY(w->needsRepaint);
    w.tick();
    QTest::mouseMove(w->drawingSurface(), QPoint(3, 3));
    QVERIFY2(!w->needsRepaint, "moving about off the cells repaints once only");
}

void MainWindowTest::clockStartsWithTheFirstEnteredCell()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    w.tick();
    QCOMPARE(w->timeText, QString("0"));
    QCOMPARE(w->faultsText, QString("0"));
    QVERIFY(!w->clock.isValid());
    w.drag(Qt::LeftButton, {{0, 0}});
    QVERIFY(w->clock.isValid());
    // A resumed game counts on from its saved time.
    w->timeOffset = 75;
    w->faults = 3;
    w.tick();
    QCOMPARE(w->timeText, QString("75"));
    QCOMPARE(w->faultsText, QString("3"));
}

void MainWindowTest::marksAreKeptOrDiscarded_data()
{
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("after");
    QTest::newRow("kept") << true << "1200000000";
    QTest::newRow("discarded") << false << "0000000000";
}

void MainWindowTest::marksAreKeptOrDiscarded()
{
    QFETCH(bool, keep);
    QFETCH(QString, after);
    WindowDriver w;
    w.play(10, 5, Normal);
    w->ui->actionMarks->trigger();
    QVERIFY(w->marking);
    QVERIFY(!w->ui->actionHint->isEnabled());
    QCOMPARE(w->clues.highlightBlue, 230);
    w.drag(Qt::LeftButton, {{0, 0}});
    w.drag(Qt::RightButton, {{1, 0}});
    QCOMPARE(digitsOf(w->board.row(0)), QString("3400000000"));

    w.answer = keep;
    w->ui->actionMarks->trigger();
    QCOMPARE(w.asked.last(), QString("Keep marks?"));
    QVERIFY(!w->marking);
    QVERIFY(w->ui->actionHint->isEnabled());
    QCOMPARE(w->clues.highlightRed, 200);
    QCOMPARE(digitsOf(w->board.row(0)), after);
    QVERIFY(w->board.changed);
}

void MainWindowTest::keysObeyTheirConditions()
{
    WindowDriver w;
    w.play(5, 5, Beginner);
    w.key(Qt::Key_M);
    QVERIFY(!w->marking);

    w.play(5, 5, Normal);
    w.key(Qt::Key_M);
    QVERIFY(w->marking);
    QVERIFY(w->ui->actionMarks->isChecked());
    w.answer = false;
    w.key(Qt::Key_M);
    QVERIFY(!w->marking);
    QVERIFY(!w->ui->actionMarks->isChecked());

    // F2 asks before abandoning the game.
    w.asked.clear();
    w.key(Qt::Key_F2);
    QCOMPARE(w.asked, QStringList({"New game?"}));
    QCOMPARE(w->state, Playing);
    w.answer = true;
    w.key(Qt::Key_F2);
    QCOMPARE(w->state, Creating);

    // Keys do nothing to the board while a puzzle is being created.
    w.key(Qt::Key_M);
    QVERIFY(!w->marking);
}

void MainWindowTest::boardFinishedWithMarksWins()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    w->ui->actionMarks->trigger();
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 5; ++y)
            w.setCell(x, y, w->solution.cells[x][y] == Filled ? MarkedFilled : Blank);
    w->board.changed = true;
    w.tick();
    QCOMPARE(w->state, Celebrating);
}

void MainWindowTest::dissolveTakesOneTickPerCellAndTwoMore()
{
    WindowDriver w;
    w.play(10, 5, Normal);
    w->particlesOn = false;
    w->board.copyFrom(w->solution);
    w->board.changed = true;
    w.tick();
    QCOMPARE(w->state, Celebrating);
    const QString shownTime = w->timeText;
    w.tick(10 * 5 + 1);
    QCOMPARE(w->state, Celebrating);
    for (const auto& column : w->board.cells)
        QVERIFY(std::all_of(column.begin(), column.end(), [](int c) { return c == Blank; }));
    QCOMPARE(w->timeText, shownTime);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    w.tick();
    QCOMPARE(w->state, WinScreen);
}

void MainWindowTest::firstTimeQuestionStopsAfterAWin()
{
    WindowDriver w;
    w->MenuNewGame();
    QCOMPARE(w.asked.size(), 1);
    w->MenuNewGame();
    QCOMPARE(w.asked.size(), 2);
    w.tick(50);
    QCOMPARE(w->state, Playing);
    w->board.copyFrom(w->solution);
    w->board.changed = true;
    w.tick();
    QVERIFY(!w->newPlayer);
    w->MenuNewGame();
    QCOMPARE(w.asked.size(), 2);
}

void MainWindowTest::boxesShareTheirButtonIcons()
{
    WindowDriver w;
    // Each new icon object would leave keys of its own in Qt's pixmap cache for good.
    const QStyle* style = QApplication::style();
    QCOMPARE(style->standardIcon(QStyle::SP_DialogYesButton).cacheKey(),
        style->standardIcon(QStyle::SP_DialogYesButton).cacheKey());
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
