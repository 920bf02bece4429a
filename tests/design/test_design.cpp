// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignEdits.h"
#include "DesignHistory.h"
#include "DesignList.h"
#include "DesignRows.h"

#include <QtTest>

using Rows = std::vector<std::string>;

class TestDesign : public QObject {
    Q_OBJECT

private slots:
    // A stroke is one step however many cells it passed; the texts are never taken back.
    void undoTakesBackWholeStepsAndKeepsTheTexts()
    {
        DesignHistory history;
        history.reset(Design::blank(5, 5));
        QVERIFY(!history.canUndo());
        for (int x = 0; x < 3; ++x)
            history.edit().set(x, 0, true);
        QVERIFY(history.commit());
        history.edit().setGiven(1, 0, true);
        history.commit();
        // Opened and closed without a change: nothing to undo for it.
        history.edit();
        QVERIFY(!history.commit());
        history.edit().title = "Cat";

        history.undo();
        QVERIFY(!history.design().given(1, 0));
        QVERIFY(history.design().filled(2, 0));
        QCOMPARE(history.design().title, std::string("Cat"));
        history.undo();
        QVERIFY(history.design().empty());
        QVERIFY(!history.canUndo());
        history.redo();
        QCOMPARE(rowsOf(history.design())[0], std::string("###.."));
        QVERIFY(history.canRedo());
        // A new step forgets what could be redone.
        history.edit().set(4, 4, true);
        history.commit();
        QVERIFY(!history.canRedo());
        const unsigned before = history.revision();
        history.undo();
        QVERIFY(history.revision() != before);
    }

    void shiftingWrapsAndMirroringMovesTheGivens()
    {
        Design design = designOf({"#...#", ".....", "..#..", ".....", "##..."});
        design.setGiven(4, 0, true);
        const Design drawn = design;
        DesignEdits::shift(design, 1, 0);
        // What left the right edge came in at the left.
        QCOMPARE(rowsOf(design), (Rows {"##...", ".....", "...#.", ".....", ".##.."}));
        QVERIFY(design.given(0, 0) && design.givens.size() == 1);
        DesignEdits::shift(design, -1, 0);
        QVERIFY(design.samePicture(drawn));
        DesignEdits::shift(design, 0, -1);
        QCOMPARE(rowsOf(design), (Rows {".....", "..#..", ".....", "##...", "#...#"}));
        QVERIFY(design.given(4, 4));

        design = drawn;
        DesignEdits::mirror(design, true);
        QCOMPARE(rowsOf(design), (Rows {"#...#", ".....", "..#..", ".....", "...##"}));
        QVERIFY(design.given(0, 0));
        DesignEdits::mirror(design, false);
        QCOMPARE(rowsOf(design), (Rows {"...##", ".....", "..#..", ".....", "#...#"}));
        QVERIFY(design.given(0, 4));

        design = drawn;
        DesignEdits::invert(design);
        QCOMPARE(rowsOf(design)[0], std::string(".###."));
        QVERIFY(design.given(4, 0));
        DesignEdits::clear(design);
        QVERIFY(design.empty() && design.givens.empty());
    }

    // A stroke keeps to the row or column it left its first cell along; with Shift it is a
    // rectangle that gives back what it no longer covers.
    void strokesDrawLinesAndRectangles()
    {
        DesignHistory history;
        history.reset(designOf({".....", ".....", ".....", ".....", "....#"}));
        DesignStroke stroke;
        stroke.start(history.stepStart(), 1, 1, true, false);
        stroke.follow(history.edit(), 1, 1);
        stroke.follow(history.edit(), 4, 2);
        QCOMPARE(rowsOf(history.design()), (Rows {".....", ".####", ".....", ".....", "....#"}));
        history.commit();

        stroke.start(history.stepStart(), 4, 4, false, true);
        Design& drawing = history.edit();
        stroke.follow(drawing, 0, 0);
        QVERIFY(drawing.empty());
        stroke.follow(drawing, 3, 3);
        // The cells outside the smaller rectangle are as they were before the stroke.
        QCOMPARE(rowsOf(history.design()), (Rows {".....", ".####", ".....", ".....", "....."}));
        // Off the picture, the rectangle stops at its edge.
        stroke.follow(drawing, 9, -3);
        QCOMPARE(rowsOf(history.design()), (Rows {".....", ".###.", ".....", ".....", "....."}));
        stroke.follow(drawing, 3, 4);
        QCOMPARE(rowsOf(history.design()), (Rows {".....", ".####", ".....", ".....", "....."}));
        history.commit();
        history.undo();
        QCOMPARE(rowsOf(history.design())[4], std::string("....#"));
    }

    void theListKeepsTextsAndDamagedLines()
    {
        Design first = designOf({"#####", "#...#", "#.#.#", "#...#", "#####"});
        first.title = "Frame\twith a tab";
        first.author = "Ada\nLovelace";
        first.licence = "CC0-1.0";
        first.setGiven(2, 2, true);
        Design second = Design::blank(6, 5);
        second.set(5, 4, true);
        const std::string text = writeDesignList({{first, second}, {}}) + "damaged line\n";
        const DesignList read = readDesignList(text);
        QCOMPARE(read.designs.size(), std::size_t(2));
        QVERIFY(read.designs[0].samePicture(first));
        QCOMPARE(read.designs[0].title, std::string("Frame with a tab"));
        QCOMPARE(read.designs[0].author, std::string("Ada Lovelace"));
        QCOMPARE(read.designs[0].licence, std::string("CC0-1.0"));
        QVERIFY(read.designs[1].samePicture(second));
        QCOMPARE(read.designs[1].licence, std::string(Design::defaultLicence));
        QCOMPARE(read.unreadable, std::vector<std::string> {"damaged line"});
        // Written again, the damaged line is still there.
        QVERIFY(writeDesignList(read).find("\ndamaged line\n") != std::string::npos);
    }
};

QTEST_APPLESS_MAIN(TestDesign)
#include "test_design.moc"
