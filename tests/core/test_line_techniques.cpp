// SPDX-License-Identifier: GPL-3.0-or-later
// The seven techniques, one rule per row, then the solver's mask techniques against these
// cell-by-cell ones: on every line of blank, filled and crossed cells and every clue list,
// both must write the same cells and report the same result.
#include "LineNotation.h"

#include "CellState.h"
#include "ClueSet.h"
#include "LineMasks.h"
#include "LineSolver.h"
#include "MaskTechniques.h"

#include <QtTest>

#include <array>
#include <random>

namespace {

// Runs each technique, then all seven in turn (counted as technique 8), on the cells and on
// their masks; the masks must also see the same clue match. Counts per technique the lines it
// wrote on; returns false after reporting a difference.
bool masksAgree(const std::vector<int>& line, const std::vector<int>& clue, std::array<int, 9>& wrote)
{
    const bool matches = ClueSet::lineMatches(line, clue);
    LineSolver cellByCell;
    for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill + 1; ++technique) {
        const bool all = technique > LineSolver::Fill;
        std::vector<int> expected = line;
        unsigned expectedWrote = 0;
        for (int t = all ? LineSolver::Boxes : technique; t <= (all ? LineSolver::Fill : technique); ++t)
            expectedWrote |= unsigned(cellByCell.apply(t, expected, clue, Filled, Crossed)) << t;
        LineMasks masks = LineMasks::of(line);
        const unsigned found = all ? MaskTechniques::applyAll(masks, clue)
                                   : unsigned(MaskTechniques::apply(technique, masks, clue)) << technique;
        std::vector<int> cells;
        masks.writeTo(cells);
        if (cells != expected || found != expectedWrote || LineMasks::of(line).matches(clue) != matches) {
            QStringList entries;
            for (int value : clue)
                entries << QString::number(value);
            const QString text
                = QString("technique %1 differs on %2 [%3]").arg(technique).arg(digitsOf(line), entries.join(", "));
            QTest::qFail(qPrintable(text), __FILE__, __LINE__);
            return false;
        }
        wrote[technique] += found != 0;
    }
    return true;
}

} // namespace

class LineTechniquesTest : public QObject {
    Q_OBJECT

private slots:
    void eachTechniqueDeducesItsRule()
    {
        struct Case {
            const char* name;
            int technique;
            const char* before;
            std::vector<int> clue;
            const char* after;
            bool asMarks = false; // written as the hint writes, rather than the solver
        };
        using T = LineSolver;
        const Case cases[] = {
            {"boxes long run", T::Boxes, "0000000000", {7}, "0001111000"},
            {"boxes two runs", T::Boxes, "0000000000", {3, 4}, "0011000100"},
            {"boxes satisfied run claims nothing", T::Boxes, "0000000000", {-7}, "0000000000"},
            {"boxes cross restarts the window", T::Boxes, "0200000", {3}, "0200100"},
            {"boxes mark neither counts nor breaks", T::Boxes, "0040000", {4}, "0043300", true},

            {"complete empty clue", T::Complete, "00000", {0}, "22222"},
            {"complete one run open", T::Complete, "01020", {1, -1}, "01020"},
            {"complete with mark code", T::Complete, "0100", {-1}, "4144", true},

            {"mercury block shorter than run", T::Mercury, "00110000", {3}, "20110000"},
            {"mercury lone cell", T::Mercury, "00010000", {2}, "00010000"},
            {"mercury block against cross", T::Mercury, "0112000", {2}, "2112000"},
            {"mercury second run", T::Mercury, "01100100000", {1, 2}, "21102100000"},
            {"mercury mark is not filled", T::Mercury, "00130000", {3}, "00130000", true},
            {"mercury with mark code", T::Mercury, "00110000", {3}, "40110000", true},

            {"glue near wall", T::Glue, "010000", {3}, "011000"},
            {"glue after a complete run", T::Glue, "1101000", {2, 2}, "1101100"},
            {"glue mark is part of the space", T::Glue, "4100000", {3}, "4130000", true},

            {"punctuate exact block", T::Punctuate, "201100", {2}, "221120"},
            {"punctuate last run before cross", T::Punctuate, "0112000", {2}, "2112000"},
            {"punctuate block at wall", T::Punctuate, "110000", {2}, "112000"},
            {"punctuate block too short", T::Punctuate, "011000", {3}, "011000"},
            {"punctuate second run", T::Punctuate, "1120100", {1, 2}, "1122120"},
            {"punctuate with mark code", T::Punctuate, "20110000", {2}, "24114000", true},
            // The backward scan does not count the forward scan's marks, so here it takes the block
            // to end one cell early and marks a filled cell. The hint never meets such a line: its
            // clue already matches, so Complete is tried first.
            {"punctuate backward scan passes marks", T::Punctuate, "201100", {2}, "241440", true},

            {"gap rewrites the wall", T::Gap, "020000", {2}, "440000", true},
            {"gap both ends", T::Gap, "002000020", {3}, "222000022"},
            {"gap space fits the run", T::Gap, "002000", {2}, "002000"},
            {"gap after a complete run", T::Gap, "1202000000", {2, 1}, "1222000000"},
            {"gap blank after filled", T::Gap, "0100200", {1}, "0100200"},

            {"fill adjacent walls", T::Fill, "2201020", {3}, "2211120"},
            {"fill from the far end", T::Fill, "020102", {3}, "021112"},
            {"fill space reaching the end", T::Fill, "2010", {3}, "2111"},
            {"fill after a complete run", T::Fill, "11201200", {2, 2}, "11211200"},
        };
        for (const Case& c : cases) {
            std::vector<int> line = cellsOf(c.before);
            const int fill = c.asMarks ? MarkedFilled : Filled;
            const bool wrote = LineSolver().apply(c.technique, line, c.clue, fill, c.asMarks ? MarkedCrossed : Crossed);
            QVERIFY2(digitsOf(line) == c.after && wrote == (digitsOf(line) != c.before), c.name);
        }
    }

    void masksAgreeWithTheCells()
    {
        // Every line of up to five cells with every list of up to three runs of -5 to 5 cells:
        // signs, zero runs and lists that fit no picture included.
        std::vector<std::vector<int>> clues;
        for (int entries = 0, lists = 1; entries <= 3; ++entries, lists *= 11) {
            for (int list = 0; list < lists; ++list) {
                std::vector<int> clue;
                for (int e = 0, rest = list; e < entries; ++e, rest /= 11)
                    clue.push_back(rest % 11 - 5);
                clues.push_back(clue);
            }
        }
        std::array<int, 9> shortWrote {};
        for (int length = 1, count = 3; length <= 5; ++length, count *= 3) {
            for (int code = 0; code < count; ++code) {
                std::vector<int> line;
                for (int c = 0, rest = code; c < length; ++c, rest /= 3)
                    line.push_back(rest % 3);
                for (const std::vector<int>& clue : clues)
                    if (!masksAgree(line, clue, shortWrote))
                        return;
            }
        }

        // Then lines as the solver meets them, up to the longest the masks hold: some cells of a
        // picture shown, the others blank (now and then anything), with the picture's clue signed
        // as the solver or at random, a run a cell off, or a random list.
        std::mt19937 random(100);
        const auto below = [&random](int bound) { return static_cast<int>(random() % static_cast<unsigned>(bound)); };
        std::array<int, 9> wrote {};
        const int lines = 30000;
        for (int i = 0; i < lines; ++i) {
            const int length = 1 + below(LineMasks::maxLength);
            const int fillPercent = below(101);
            const int shownPercent = below(101);
            PuzzleGrid picture;
            picture.resize(1, length);
            std::vector<int> line;
            for (int& cell : picture.cells[0]) {
                cell = below(100) < fillPercent ? Filled : Crossed;
                line.push_back(below(100) < shownPercent ? cell : i % 8 == 0 ? below(3) : int(Blank));
            }
            ClueSet clues;
            clues.computeFrom(picture);
            std::vector<int> clue = clues.columnClue(0);
            const bool matches = ClueSet::lineMatches(line, clue);
            for (int& value : clue)
                value *= (i % 5 < 2 && matches) || (i % 5 == 2 && below(2)) ? -1 : 1;
            if (i % 5 == 3)
                clue[static_cast<size_t>(below(static_cast<int>(clue.size())))] += below(2) ? 1 : -1;
            if (i % 5 == 4) { // a list no picture fits: zero runs, runs longer than the line, too many runs
                clue.resize(static_cast<size_t>(below(length / 2 + 3)));
                for (int& value : clue)
                    value = below(4) == 0 ? below(length + 3) : 1 + below(4);
            }
            if (!masksAgree(line, clue, wrote))
                return;
        }
        // The comparison means something only if each technique often writes, on both kinds.
        for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill; ++technique)
            QVERIFY2(shortWrote[technique] > 1000 && wrote[technique] > lines / 50,
                qPrintable(QString("technique %1 seldom writes").arg(technique)));
    }
};

QTEST_APPLESS_MAIN(LineTechniquesTest)
#include "test_line_techniques.moc"
