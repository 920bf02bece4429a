// The solver's mask techniques against LineSolver's cell-by-cell ones: for every line of
// blank, filled and crossed cells and every clue list, both must write the same cells and
// report the same result.
#include "LineNotation.h"

#include "CellState.h"
#include "ClueSet.h"
#include "LineMasks.h"
#include "LineSolver.h"
#include "MaskTechniques.h"

#include <QtTest>

#include <cstdlib>
#include <random>

namespace {

class RandomLines {
public:
    explicit RandomLines(unsigned seed)
        : random_(seed)
    {
    }

    int below(int bound) { return static_cast<int>(random_() % static_cast<unsigned>(bound)); }

    std::vector<int> picture(int length)
    {
        const int fillPercent = below(101);
        std::vector<int> line(static_cast<size_t>(length));
        for (int& cell : line)
            cell = below(100) < fillPercent ? Filled : Crossed;
        return line;
    }

    // A line as the solver meets it: some cells of a picture decided, the others blank; now
    // and then with wrong cells, or with no picture behind it at all.
    std::vector<int> cells(const std::vector<int>& picture)
    {
        std::vector<int> line = picture;
        const int kind = below(8);
        const int keepPercent = below(101);
        for (int& cell : line) {
            if (kind == 0)
                cell = below(3);
            else if (below(100) >= keepPercent)
                cell = Blank;
            else if (kind == 1 && below(10) == 0)
                cell = below(3);
        }
        return line;
    }

    // The picture's clue with the signs the solver would give it, with random signs, or
    // slightly or wholly wrong (zero runs, runs longer than the line, too many runs).
    std::vector<int> clue(const std::vector<int>& picture, const std::vector<int>& cells)
    {
        const int length = static_cast<int>(picture.size());
        std::vector<int> clue = clueOf(picture);
        switch (below(8)) {
        case 0:
        case 1:
        case 2: {
            const bool satisfied = ClueSet::lineMatches(cells, clue);
            for (int& value : clue)
                value = satisfied ? -value : value;
            break;
        }
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

private:
    static std::vector<int> clueOf(const std::vector<int>& picture)
    {
        PuzzleGrid board;
        board.resize(1, static_cast<int>(picture.size()));
        board.setColumn(0, picture);
        ClueSet clues;
        clues.computeFrom(board);
        return clues.columnClue(0);
    }

    std::mt19937 random_;
};

QString describe(int technique, const std::vector<int>& line, const std::vector<int>& clue)
{
    QStringList entries;
    for (int value : clue)
        entries << QString::number(value);
    return QString("technique %1 on %2 with clue [%3]").arg(technique).arg(digitsOf(line), entries.join(", "));
}

// Runs one technique both ways on a copy of the line; returns whether it wrote.
bool compareOn(int technique, const std::vector<int>& line, const std::vector<int>& clue)
{
    LineSolver cellByCell;
    std::vector<int> expected = line;
    const bool expectedWrote = cellByCell.apply(technique, expected, clue, Filled, Crossed);
    LineMasks masks = LineMasks::of(line);
    const bool wrote = MaskTechniques::apply(technique, masks, clue);
    std::vector<int> found;
    masks.writeTo(found);
    if (found != expected || wrote != expectedWrote) {
        QTest::qFail(qPrintable(QString("%1 gives %2 (%3), expected %4 (%5)")
                                    .arg(describe(technique, line, clue), digitsOf(found))
                                    .arg(wrote)
                                    .arg(digitsOf(expected))
                                    .arg(expectedWrote)),
            __FILE__, __LINE__);
    }
    return expectedWrote;
}

} // namespace

class MaskTechniquesTest : public QObject {
    Q_OBJECT

private slots:
    void masksHoldTheCells();
    void matchesLikeTheClueSet();
    void sameAsCellByCell_data();
    void sameAsCellByCell();
    void sameOnEveryShortLine_data();
    void sameOnEveryShortLine();
    void applyAllRunsTheSevenInOrder();
};

void MaskTechniquesTest::masksHoldTheCells()
{
    // Bit i is cell i.
    const std::vector<int> line = cellsOf("01202100000000000000000000000012");
    QVERIFY(LineMasks::canHold(line));
    const LineMasks masks = LineMasks::of(line);
    QCOMPARE(masks.length, 32);
    QCOMPARE(masks.filled, std::uint64_t(0x40000022));
    QCOMPARE(masks.crossed, std::uint64_t(0x80000014));
    QCOMPARE(masks.blanks(), std::uint64_t(0x3fffffc9));
    std::vector<int> back;
    masks.writeTo(back);
    QCOMPARE(digitsOf(back), digitsOf(line));

    QVERIFY(LineMasks::canHold({}));
    QVERIFY(LineMasks::canHold(std::vector<int>(LineMasks::maxLength, Filled)));
    QVERIFY(!LineMasks::canHold(std::vector<int>(LineMasks::maxLength + 1, Blank)));
    QVERIFY(!LineMasks::canHold(cellsOf("0103")));
    QVERIFY(!LineMasks::canHold(cellsOf("4")));
}

void MaskTechniquesTest::matchesLikeTheClueSet()
{
    RandomLines random(5);
    int matching = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::vector<int> picture = random.picture(1 + random.below(LineMasks::maxLength));
        const std::vector<int> cells = random.below(2) ? picture : random.cells(picture);
        const std::vector<int> clue = random.clue(picture, cells);
        const bool expected = ClueSet::lineMatches(cells, clue);
        QVERIFY2(LineMasks::of(cells).matches(clue) == expected, qPrintable(describe(0, cells, clue)));
        matching += expected;
    }
    QVERIFY(matching > 2000);
    QVERIFY(LineMasks::of(cellsOf("0000")).matches({}));
    QVERIFY(!LineMasks::of(cellsOf("0000")).matches({0}));
}

void MaskTechniquesTest::sameAsCellByCell_data()
{
    QTest::addColumn<int>("technique");
    for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill; ++technique)
        QTest::newRow(qPrintable(QString("technique %1").arg(technique))) << technique;
}

void MaskTechniquesTest::sameAsCellByCell()
{
    QFETCH(int, technique);
    RandomLines random(100 + static_cast<unsigned>(technique));
    int wrote = 0;
    const int lines = 30000;
    for (int i = 0; i < lines; ++i) {
        const std::vector<int> picture = random.picture(1 + random.below(LineMasks::maxLength));
        const std::vector<int> cells = random.cells(picture);
        wrote += compareOn(technique, cells, random.clue(picture, cells));
        if (QTest::currentTestFailed())
            return;
    }
    // The comparison means something only if the technique often finds something.
    QVERIFY2(wrote > lines / 50, qPrintable(QString("only %1 lines written").arg(wrote)));
}

void MaskTechniquesTest::sameOnEveryShortLine_data()
{
    sameAsCellByCell_data();
}

void MaskTechniquesTest::sameOnEveryShortLine()
{
    // Every line of up to five cells, with every list of up to three runs of 0 to 5 cells,
    // all positive, all negative and with one negative entry.
    QFETCH(int, technique);
    std::vector<std::vector<int>> clues;
    for (int entries = 0; entries <= 3; ++entries) {
        int lists = 1;
        for (int e = 0; e < entries; ++e)
            lists *= 6;
        for (int list = 0; list < lists; ++list) {
            std::vector<int> clue;
            for (int e = 0, rest = list; e < entries; ++e, rest /= 6)
                clue.push_back(rest % 6);
            clues.push_back(clue);
            if (entries == 0)
                continue;
            std::vector<int> negative = clue;
            for (int& value : negative)
                value = -value;
            clues.push_back(negative);
            std::vector<int> oneNegative = clue;
            oneNegative[static_cast<size_t>(list % entries)] *= -1;
            clues.push_back(oneNegative);
        }
    }
    int wrote = 0;
    for (int length = 1; length <= 5; ++length) {
        int count = 1;
        for (int c = 0; c < length; ++c)
            count *= 3;
        for (int code = 0; code < count; ++code) {
            std::vector<int> line;
            for (int c = 0, rest = code; c < length; ++c, rest /= 3)
                line.push_back(rest % 3);
            for (const std::vector<int>& clue : clues) {
                wrote += compareOn(technique, line, clue);
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }
    QVERIFY(wrote > 1000);
}

void MaskTechniquesTest::applyAllRunsTheSevenInOrder()
{
    RandomLines random(77);
    LineSolver cellByCell;
    for (int i = 0; i < 20000; ++i) {
        const std::vector<int> picture = random.picture(1 + random.below(LineMasks::maxLength));
        const std::vector<int> cells = random.cells(picture);
        const std::vector<int> clue = random.clue(picture, cells);
        std::vector<int> expected = cells;
        bool expectedWrote = false;
        for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill; ++technique)
            expectedWrote |= cellByCell.apply(technique, expected, clue, Filled, Crossed);
        LineMasks masks = LineMasks::of(cells);
        QCOMPARE(MaskTechniques::applyAll(masks, clue), expectedWrote);
        std::vector<int> found;
        masks.writeTo(found);
        QVERIFY2(found == expected, qPrintable(describe(0, cells, clue)));
    }
}

QTEST_APPLESS_MAIN(MaskTechniquesTest)
#include "test_mask_techniques.moc"
