// The solver's mask techniques against LineSolver's cell-by-cell ones: for every line of
// blank, filled and crossed cells and every clue list, both must write the same cells and
// report the same result. Which lines the masks take is checked through the solver, which
// meets marks and long lines.
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

struct RandomLines {
    std::mt19937 random;

    int below(int bound) { return static_cast<int>(random() % static_cast<unsigned>(bound)); }

    // A line as the solver meets it: some cells of a picture decided, the others blank; now
    // and then with wrong cells, or with no picture behind it at all, or whole.
    std::pair<std::vector<int>, std::vector<int>> pictureAndCells(int length)
    {
        const int fillPercent = below(101);
        std::vector<int> picture(static_cast<size_t>(length));
        for (int& cell : picture)
            cell = below(100) < fillPercent ? Filled : Crossed;
        std::vector<int> line = picture;
        const int kind = below(9);
        const int keepPercent = below(101);
        for (int& cell : line) {
            if (kind == 0)
                cell = below(3);
            else if (kind < 8 && below(100) >= keepPercent)
                cell = Blank;
            else if (kind == 1 && below(10) == 0)
                cell = below(3);
        }
        return {picture, line};
    }

    // The picture's clue with the signs the solver would give it, with random signs, or
    // slightly or wholly wrong (zero runs, runs longer than the line, too many runs).
    std::vector<int> clue(const std::vector<int>& picture, const std::vector<int>& cells)
    {
        const int length = static_cast<int>(picture.size());
        PuzzleGrid board;
        board.resize(1, length);
        board.setColumn(0, picture);
        ClueSet clues;
        clues.computeFrom(board);
        std::vector<int> clue = clues.columnClue(0);
        const bool satisfied = ClueSet::lineMatches(cells, clue);
        switch (below(8)) {
        case 0:
        case 1:
        case 2:
            for (int& value : clue)
                value = satisfied ? -value : value;
            break;
        case 3:
            for (int& value : clue)
                value = below(2) ? -value : value;
            break;
        case 4: clue[static_cast<size_t>(below(static_cast<int>(clue.size())))] += below(2) ? 1 : -1; break;
        case 5: clue.insert(clue.begin() + below(static_cast<int>(clue.size()) + 1), below(4)); break;
        default:
            clue.resize(static_cast<size_t>(below(length / 2 + 3)));
            for (int& value : clue) {
                value = below(4) == 0 ? below(length + 3) : 1 + below(4);
                value = below(5) == 0 ? -value : value;
            }
        }
        return clue;
    }
};

QString describe(const std::vector<int>& line, const std::vector<int>& clue)
{
    QStringList entries;
    for (int value : clue)
        entries << QString::number(value);
    return QString("%1 with clue [%2]").arg(digitsOf(line), entries.join(", "));
}

// Runs each technique, then all seven in turn (counted as technique 8), both ways on copies
// of the line; counts per technique whether it wrote. The techniques that wrote are compared
// as a set, bit t for technique t. Returns false after reporting a difference.
bool sameBothWays(const std::vector<int>& line, const std::vector<int>& clue, std::array<int, 9>& wrote)
{
    LineSolver cellByCell;
    for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill + 1; ++technique) {
        const bool all = technique > LineSolver::Fill;
        std::vector<int> expected = line;
        unsigned expectedWrote = 0;
        for (int t = all ? LineSolver::Boxes : technique; t <= (all ? LineSolver::Fill : technique); ++t)
            expectedWrote |= unsigned(cellByCell.apply(t, expected, clue, Filled, Crossed)) << t;
        LineMasks masks = LineMasks::of(line);
        const unsigned foundWrote = all ? MaskTechniques::applyAll(masks, clue)
                                        : unsigned(MaskTechniques::apply(technique, masks, clue)) << technique;
        std::vector<int> found;
        masks.writeTo(found);
        if (found != expected || foundWrote != expectedWrote) {
            QTest::qFail(
                qPrintable(QString("technique %1 on %2 gives %3 (%4), expected %5 (%6)")
                               .arg(QString::number(technique), describe(line, clue), digitsOf(found),
                                   QString::number(foundWrote), digitsOf(expected), QString::number(expectedWrote))),
                __FILE__, __LINE__);
            return false;
        }
        wrote[technique] += expectedWrote != 0;
    }
    return true;
}

} // namespace

class MaskTechniquesTest : public QObject {
    Q_OBJECT

private slots:
    void sameAsCellByCell()
    {
        RandomLines random {std::mt19937(100)};
        std::array<int, 9> wrote {};
        int matching = 0;
        const int lines = 30000;
        for (int i = 0; i < lines; ++i) {
            const auto [picture, cells] = random.pictureAndCells(1 + random.below(LineMasks::maxLength));
            const std::vector<int> clue = random.clue(picture, cells);
            const bool matches = ClueSet::lineMatches(cells, clue);
            QVERIFY2(LineMasks::of(cells).matches(clue) == matches, qPrintable(describe(cells, clue)));
            matching += matches;
            if (!sameBothWays(cells, clue, wrote))
                return;
        }
        // The comparison means something only if each technique often finds something.
        for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill; ++technique)
            QVERIFY2(wrote[technique] > lines / 50, qPrintable(QString("technique %1 seldom writes").arg(technique)));
        QVERIFY(matching > lines / 10);
    }

    void sameOnEveryShortLine()
    {
        // Every line of up to five cells, with every list of up to three runs of -5 to 5
        // cells.
        std::vector<std::vector<int>> clues;
        for (int entries = 0, lists = 1; entries <= 3; ++entries, lists *= 11) {
            for (int list = 0; list < lists; ++list) {
                std::vector<int> clue;
                for (int e = 0, rest = list; e < entries; ++e, rest /= 11)
                    clue.push_back(rest % 11 - 5);
                clues.push_back(clue);
            }
        }
        std::array<int, 9> wrote {};
        for (int length = 1, count = 3; length <= 5; ++length, count *= 3) {
            for (int code = 0; code < count; ++code) {
                std::vector<int> line;
                for (int c = 0, rest = code; c < length; ++c, rest /= 3)
                    line.push_back(rest % 3);
                for (const std::vector<int>& clue : clues)
                    if (!sameBothWays(line, clue, wrote))
                        return;
            }
        }
        for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill; ++technique)
            QVERIFY2(wrote[technique] > 1000, qPrintable(QString("technique %1 seldom writes").arg(technique)));
    }
};

QTEST_APPLESS_MAIN(MaskTechniquesTest)
#include "test_mask_techniques.moc"
