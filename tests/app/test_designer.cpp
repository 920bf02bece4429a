// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignCode.h"
#include "DesignList.h"
#include "DesignPuzzle.h"
#include "design/DesignRows.h"
#include "PuzzleFileReader.h"
#include "WindowDriver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

namespace {

using Rows = std::vector<std::string>;

// Two cells on a diagonal: the other diagonal has the same clues.
const Rows swappable = {"..........", ".#........", "..#.......", "..........", "##########", "#.#.#.#.#.",
    "..........", "##########", "#........#", "##########"};

QByteArray designsFile()
{
    QFile file("designs.txt");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDesigner : public QObject {
    Q_OBJECT

    // The pointer over the centre of a cell of the canvas, through a neighbouring pixel, since
    // Qt drops a move to where the pointer already is.
    static QPoint at(DesignCanvas* canvas, int x, int y) { return canvas->cellRect(x, y).center(); }
    static void moveTo(DesignCanvas* canvas, int x, int y)
    {
        QTest::mouseMove(canvas, at(canvas, x, y) + QPoint(1, 1));
        QTest::mouseMove(canvas, at(canvas, x, y));
    }
    static void drag(DesignCanvas* canvas, Qt::MouseButton button, QPoint from, QPoint to,
        Qt::KeyboardModifiers modifiers = {})
    {
        moveTo(canvas, from.x(), from.y());
        QTest::mousePress(canvas, button, modifiers, at(canvas, from.x(), from.y()));
        moveTo(canvas, to.x(), to.y());
        QTest::mouseRelease(canvas, button, modifiers, at(canvas, to.x(), to.y()));
    }
    static DesignerWindow& opened(WindowDriver& w, const Design& design)
    {
        DesignerWindow& designer = w->designer();
        designer.begin(design);
        designer.resize(900, 640);
        designer.show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(&designer)); }();
        return designer;
    }
    static void waitForVerdict(DesignerWindow& designer)
    {
        QTRY_VERIFY_WITH_TIMEOUT(designer.verdict().done() && !designer.tickTimer()->isActive(), 20000);
    }

private slots:
    // Each stroke lands on the cells under the pointer and is one step to undo.
    void thePointerAndTheKeysDrawWhereTheyPoint()
    {
        ScratchGameFolder folder;
        WindowDriver w;
        DesignerWindow& designer = opened(w, Design::blank(12, 9));
        DesignCanvas* canvas = designer.canvas();
        drag(canvas, Qt::LeftButton, {1, 2}, {6, 2});
        drag(canvas, Qt::RightButton, {3, 2}, {3, 2});
        // With Shift from the press, a rectangle; past the edge it stops there.
        drag(canvas, Qt::LeftButton, {10, 6}, {14, 8}, Qt::ShiftModifier);
        QCOMPARE(rowsOf(designer.history().design()),
            (Rows {"............", "............", ".##.###.....", "............", "............", "............",
                "..........##", "..........##", "..........##"}));
        designer.Undo();
        QCOMPARE(rowsOf(designer.history().design())[6], std::string("............"));
        designer.Redo();

        // The keys' cursor starts where the last press was; a key held while it moves draws.
        canvas->setFocus();
        QTest::keyClick(canvas, Qt::Key_Down);
        QTest::keyPress(canvas, Qt::Key_X);
        QTest::keyClick(canvas, Qt::Key_Left);
        QTest::keyRelease(canvas, Qt::Key_X);
        QTest::keyClick(canvas, Qt::Key_Left);
        QTest::keyClick(canvas, Qt::Key_Left);
        QTest::keyPress(canvas, Qt::Key_Space);
        QTest::keyClick(canvas, Qt::Key_Up);
        QTest::keyRelease(canvas, Qt::Key_Space);
        QCOMPARE(rowsOf(designer.history().design())[6], std::string(".......#..##"));
        QCOMPARE(rowsOf(designer.history().design())[7], std::string(".......#...#"));
        designer.Undo();
        QCOMPARE(rowsOf(designer.history().design())[6], std::string("..........##"));
        QCOMPARE(rowsOf(designer.history().design())[7], std::string("...........#"));
    }

    // The verdict comes as the picture changes, its shading on the cells it names, and its
    // suggestion, taken, leads to a picture logic finishes.
    void theVerdictFollowsTheDrawing()
    {
        ScratchGameFolder folder;
        WindowDriver w;
        DesignerWindow& designer = opened(w, designOf(swappable));
        waitForVerdict(designer);
        QCOMPARE(designer.verdictText(), QString("More than one solution: the shaded cells can be swapped"));
        const QImage drawn = designer.canvas()->grab().toImage();
        const auto colourAt = [&](int x, int y) { return drawn.pixelColor(designer.canvas()->cellRect(x, y).center()); };
        // Empty cells alike but for the shade, which lies on the two diagonals only.
        QVERIFY(colourAt(2, 1) != colourAt(2, 0));
        QVERIFY(colourAt(1, 2) != colourAt(1, 3));
        QCOMPARE(colourAt(1, 3), colourAt(3, 1));
        QVERIFY(colourAt(1, 1) != colourAt(4, 4));

        QPushButton* take = designer.findChild<QPushButton*>();
        for (QPushButton* button : designer.findChildren<QPushButton*>())
            if (button->text() == "Take It")
                take = button;
        QVERIFY(take->isVisible());
        for (int taken = 0; designer.verdict().finding() != DesignVerdict::Finding::Logic; ++taken) {
            QVERIFY(taken < 5);
            QTest::mouseClick(take, Qt::LeftButton);
            waitForVerdict(designer);
        }
        QVERIFY(designer.verdictText().startsWith("Logic finishes it; hardest technique: "));
        QVERIFY(!take->isVisible());
        designer.Undo();
        waitForVerdict(designer);
        QVERIFY(designer.verdict().finding() != DesignVerdict::Finding::Logic);
    }

    // Saved, shared and entered elsewhere, a design is the same puzzle everywhere, and the
    // player finds it again in My designs.
    void aDesignGoesToAFriendAsTheSamePuzzle()
    {
        ScratchGameFolder folder;
        WindowDriver w;
        Design drawn = designOf(swappable);
        drawn.set(2, 1, true);
        drawn.title = "Ladder";
        DesignerWindow& designer = opened(w, drawn);
        QVERIFY(designer.SaveAs(QDir::current().filePath("ladder.non")));
        const PuzzleFileReading saved = readPuzzleFile("ladder.non", [] {
            QFile file("ladder.non");
            return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
        }());
        QVERIFY2(saved.read, saved.error.c_str());
        QCOMPARE(saved.puzzle.clues.rowClues, drawn.clues().rowClues);
        QCOMPARE(saved.puzzle.clues.columnClues, drawn.clues().columnClues);
        QCOMPARE(saved.puzzle.title, std::string("Ladder"));

        const QString code = designer.ShareCode();
        QCOMPARE(code.toStdString(), DesignCode::of(drawn));
        QCOMPARE(QGuiApplication::clipboard()->text(), code);
        // Kept once, however often it was saved and shared.
        QCOMPARE(readDesignList(designsFile().toStdString()).designs.size(), std::size_t(1));

        // A friend's game knows nothing of it.
        designer.close();
        QVERIFY(QFile::remove("designs.txt"));
        w.typeNext(code.toLower());
        w->MenuEnterCode();
        for (int ticks = 0; w.session().phase() == Session::Phase::Creating && ticks < 1000; ++ticks)
            w.tick();
        QCOMPARE(w.session().clues().rowClues, saved.puzzle.clues.rowClues);
        QCOMPARE(w.session().clues().columnClues, saved.puzzle.clues.columnClues);
        QCOMPARE(w.session().puzzle().origin.place, designId(drawn));
        const DesignList kept = readDesignList(designsFile().toStdString());
        QCOMPARE(kept.designs.size(), std::size_t(1));
        QVERIFY(kept.designs[0].samePicture(drawn));
        const std::vector<GalleryPicture> pictures = w->pictures();
        QCOMPARE(pictures.back().album, std::string(designAlbum));
        QCOMPARE(pictures.back().id, designId(drawn));

        // A code mistyped is told as one, and nothing starts.
        std::string typo = code.toStdString();
        typo[12] = typo[12] == '0' ? '1' : '0';
        w.asked.clear();
        w.typeNext(QString::fromStdString(typo));
        w->MenuEnterCode();
        QVERIFY(w.asked.last().contains("is not a design's code"));
        QCOMPARE(w.session().puzzle().origin.place, designId(drawn));
    }

    // Closing with a design not kept asks; Cancel keeps drawing, No lets it go.
    void closingAsksForADesignNotKept()
    {
        ScratchGameFolder folder;
        WindowDriver w;
        DesignerWindow& designer = opened(w, Design::blank(5, 5));
        QVERIFY(designer.close());
        QVERIFY(w.asked.isEmpty());
        designer.begin(designOf({"#####", "#...#", "#.#.#", "#...#", "#####"}));
        designer.show();
        w.cancel = true;
        QVERIFY(!designer.close());
        QCOMPARE(w.asked.size(), 1);
        w.cancel = false;
        w.answer = true;
        QVERIFY(designer.close());
        QCOMPARE(readDesignList(designsFile().toStdString()).designs.size(), std::size_t(1));
    }
};

QTEST_MAIN(TestDesigner)
#include "test_designer.moc"
