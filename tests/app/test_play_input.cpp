#include "WindowDriver.h"

#include <QtTest>

// What the pointer and the keys do reaches the right cells through real events; the rules
// of each move are the session's and are tested there.
class PlayInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchGameFolder> folder;

    static QPoint hover(WindowDriver& w)
    {
        const ClueHover& hover = w->scene().view().hover;
        return {hover.column, hover.row};
    }

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup() { folder.reset(); }

    void theMouseEntersCellsWhereItPoints()
    {
        WindowDriver w;
        w.play(10, 10, Normal);
        // A drag fills its line, cells a fast move jumps over too; the right button crosses.
        w.press(Qt::LeftButton, 0, 0);
        w.moveTo(4, 0);
        w.release(Qt::LeftButton, 4, 0);
        w.tick();
        for (int x = 0; x < 5; ++x)
            QCOMPARE(w.cell(x, 0), int(Filled));
        QCOMPARE(w.cell(5, 0), int(Blank));
        w.drag(Qt::RightButton, {{2, 3}});
        QCOMPARE(w.cell(2, 3), int(Crossed));
        // Clicks between two ticks all count, in order.
        for (int y = 5; y < 8; ++y) {
            w.press(Qt::LeftButton, 9, y);
            w.release(Qt::LeftButton, 9, y);
        }
        w.tick();
        for (int y = 5; y < 8; ++y)
            QCOMPARE(w.cell(9, y), int(Filled));
        // The hovered cell lights its lines; leaving the window darkens them.
        w.moveTo(6, 2);
        QCOMPARE(hover(w), QPoint(6, 2));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(w.operator->(), &leave);
        QCOMPARE(hover(w), QPoint(-1, -1));
    }

    void keysPlayAtTheCursor()
    {
        WindowDriver w;
        w.play(10, 10, Normal);
        // Each game starts with the cursor lit top left.
        QCOMPARE(hover(w), QPoint(0, 0));
        w.key(Qt::Key_Right);
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Space);
        w.key(Qt::Key_Right);
        w.key(Qt::Key_X);
        w.tick();
        QCOMPARE(w.cell(1, 1), int(Filled));
        QCOMPARE(w.cell(2, 1), int(Crossed));
        // A held Space drags along the line; its repeats count once; the edge stops it.
        QTest::keyPress(w.operator->(), Qt::Key_Space);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(w.operator->(), &repeat);
        for (int step = 0; step < 3; ++step)
            w.key(Qt::Key_Down);
        QTest::keyRelease(w.operator->(), Qt::Key_Space);
        w.tick();
        for (int y = 2; y < 5; ++y)
            QCOMPARE(w.cell(2, y), int(Blank)); // the drag began on a cross, so it erases
        QCOMPARE(w.cell(2, 1), int(Blank));
        for (int step = 0; step < 12; ++step)
            w.key(Qt::Key_Up);
        QCOMPARE(hover(w), QPoint(2, 0));
        // The pointer moves the cursor with it.
        w.moveTo(7, 8);
        w.key(Qt::Key_Space);
        w.tick();
        QCOMPARE(w.cell(7, 8), int(Filled));
    }

    void aHeldButtonEndsAtThePauseAndAClickThereOnlyResumes()
    {
        WindowDriver w;
        w.play(10, 10, Normal);
        w.press(Qt::LeftButton, 0, 0);
        w.tick();
        w.key(Qt::Key_P);
        QCOMPARE(w.session().phase(), Session::Phase::Paused);
        QCOMPARE(hover(w), QPoint(-1, -1));
        // The button comes up while paused: on resuming, the move enters nothing.
        w.release(Qt::LeftButton, 0, 0);
        w.press(Qt::LeftButton, 3, 3);
        QCOMPARE(w.session().phase(), Session::Phase::Playing);
        w.moveTo(3, 4);
        w.release(Qt::LeftButton, 3, 4);
        w.tick();
        QCOMPARE(w.cell(3, 3), int(Blank));
        QCOMPARE(w.cell(3, 4), int(Blank));
        QCOMPARE(w.cell(0, 0), int(Filled));
    }

    void commandKeysObeyTheirPhase()
    {
        WindowDriver w;
        w.play(5, 5, Beginner);
        // No marks in Beginner; F2 asks first and a No keeps the game.
        w.key(Qt::Key_M);
        QVERIFY(!w.session().game().marking());
        w.key(Qt::Key_F2);
        QCOMPARE(w.asked, QStringList({"New game?"}));
        QCOMPARE(w.session().phase(), Session::Phase::Playing);
        w.play(5, 5, Normal);
        w.key(Qt::Key_M);
        QVERIFY(w.session().game().marking() && w.form().actionMarks->isChecked());
        w.drag(Qt::LeftButton, {{1, 1}});
        QCOMPARE(w.cell(1, 1), int(MarkedFilled));
        // Keep marks? Yes: they become cells, and undo takes them back to marks mode.
        w.answer = true;
        w.key(Qt::Key_M);
        QCOMPARE(w.cell(1, 1), int(Filled));
        w.form().actionUndo->trigger();
        QCOMPARE(w.cell(1, 1), int(MarkedFilled));
        QVERIFY(w.session().game().marking());
    }
};

QTEST_MAIN(PlayInputTest)
#include "test_play_input.moc"
