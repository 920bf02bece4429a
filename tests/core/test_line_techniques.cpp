// One rule per row. That the techniques never contradict a solution is checked by hints on
// generated puzzles, and what they report against the mask techniques.
#include "LineNotation.h"

#include "CellState.h"
#include "LineSolver.h"

#include <QtTest>

class LineTechniquesTest : public QObject {
    Q_OBJECT

private slots:
    void deduces_data()
    {
        QTest::addColumn<int>("technique");
        QTest::addColumn<QString>("before");
        QTest::addColumn<std::vector<int>>("clue");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("asMarks"); // as the hint writes, rather than the solver

        auto row = [](const char* name, int technique, const char* before, std::vector<int> clue, const char* after,
                       bool asMarks = false) {
            QTest::newRow(name) << technique << QString(before) << clue << QString(after) << asMarks;
        };
        using T = LineSolver;

        row("boxes long run", T::Boxes, "0000000000", {7}, "0001111000");
        row("boxes two runs", T::Boxes, "0000000000", {3, 4}, "0011000100");
        row("boxes whole line", T::Boxes, "00000", {5}, "11111");
        row("boxes empty clue", T::Boxes, "00000", {0}, "00000");
        row("boxes satisfied run claims nothing", T::Boxes, "0000000000", {-7}, "0000000000");
        row("boxes cross restarts the window", T::Boxes, "0002000000", {3}, "0002000000");
        row("boxes mark neither counts nor breaks", T::Boxes, "0040000", {4}, "0043300", true);
        row("boxes empty line", T::Boxes, "", {3}, "");

        row("complete empty clue", T::Complete, "00000", {0}, "22222");
        row("complete satisfied", T::Complete, "01020", {-1, -1}, "21222");
        row("complete one run open", T::Complete, "01020", {1, -1}, "01020");
        row("complete nothing blank", T::Complete, "12121", {-1, -1, -1}, "12121");
        row("complete with mark code", T::Complete, "0100", {-1}, "4144", true);

        row("mercury block shorter than run", T::Mercury, "00110000", {3}, "20110000");
        row("mercury complete run", T::Mercury, "011000", {2}, "211000");
        row("mercury lone cell", T::Mercury, "00010000", {2}, "00010000");
        row("mercury from the far end", T::Mercury, "00001100", {3}, "00001102");
        row("mercury block against cross", T::Mercury, "0112000", {2}, "2112000");
        row("mercury second run", T::Mercury, "01100100000", {1, 2}, "21102100000");
        row("mercury mark is not filled", T::Mercury, "00130000", {3}, "00130000", true);
        row("mercury with mark code", T::Mercury, "00110000", {3}, "40110000", true);

        row("glue near wall", T::Glue, "010000", {3}, "011000");
        row("glue from the far end", T::Glue, "000010", {3}, "000110");
        row("glue no filled cell", T::Glue, "000000", {3}, "000000");
        row("glue after a complete run", T::Glue, "1101000", {2, 2}, "1101100");
        row("glue mark is part of the space", T::Glue, "4100000", {3}, "4130000", true);
        row("glue empty clue", T::Glue, "0000", {0}, "0000");

        row("punctuate exact block", T::Punctuate, "201100", {2}, "221120");
        row("punctuate last run before cross", T::Punctuate, "0112000", {2}, "2112000");
        row("punctuate block at wall", T::Punctuate, "110000", {2}, "112000");
        row("punctuate from the far end", T::Punctuate, "000110", {2}, "002112");
        row("punctuate block too short", T::Punctuate, "011000", {3}, "011000");
        row("punctuate second run", T::Punctuate, "1120100", {1, 2}, "1122120");
        row("punctuate with mark code", T::Punctuate, "20110000", {2}, "24114000", true);
        // The backward scan does not count the forward scan's marks, so here it takes the block
        // to end one cell early and marks a filled cell. The hint never meets such a line: its
        // clue already matches, so Complete is tried first.
        row("punctuate backward scan passes marks", T::Punctuate, "201100", {2}, "241440", true);

        row("gap short space", T::Gap, "020000", {2}, "220000");
        row("gap rewrites the wall", T::Gap, "020000", {2}, "440000", true);
        row("gap both ends", T::Gap, "002000020", {3}, "222000022");
        row("gap space fits the run", T::Gap, "002000", {2}, "002000");
        row("gap after a complete run", T::Gap, "1202000000", {2, 1}, "1222000000");
        row("gap blank after filled", T::Gap, "0100200", {1}, "0100200");

        row("fill exact space", T::Fill, "201020", {3}, "211120");
        row("fill open line", T::Fill, "00000", {5}, "00000");
        row("fill adjacent walls", T::Fill, "2201020", {3}, "2211120");
        row("fill from the far end", T::Fill, "020102", {3}, "021112");
        row("fill space reaching the end", T::Fill, "2010", {3}, "2111");
        row("fill after a complete run", T::Fill, "11201200", {2, 2}, "11211200");
    }

    void deduces()
    {
        QFETCH(int, technique);
        QFETCH(QString, before);
        QFETCH(std::vector<int>, clue);
        QFETCH(QString, after);
        QFETCH(bool, asMarks);
        std::vector<int> line = cellsOf(before.toLatin1().constData());
        const bool wrote = LineSolver().apply(
            technique, line, clue, asMarks ? MarkedFilled : Filled, asMarks ? MarkedCrossed : Crossed);
        QCOMPARE(digitsOf(line), after);
        QCOMPARE(wrote, after != before);
    }
};

QTEST_APPLESS_MAIN(LineTechniquesTest)
#include "test_line_techniques.moc"
