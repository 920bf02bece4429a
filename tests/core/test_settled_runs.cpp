#include "LineNotation.h"

#include "CellState.h"
#include "ClueSet.h"
#include "PuzzleGrid.h"
#include "SettledRuns.h"

#include <QtTest>

#include <random>

namespace {

// A clue as a player reads it ("2 1": the run nearest index 0 first), in stored order.
std::vector<int> storedClue(const QString& reading)
{
    std::vector<int> clue;
    for (const QString& number : reading.split(' '))
        clue.insert(clue.begin(), number.toInt());
    return clue;
}

// One character per number in reading order: 'x' settled, '.' not.
QString settledText(std::uint64_t settled, int count)
{
    QString text;
    for (int k = count - 1; k >= 0; --k)
        text += (settled >> k) & 1 ? 'x' : '.';
    return text;
}

// The runs of a picture line as (first cell, length), in stored order (far end first).
std::vector<std::pair<int, int>> runsOf(const std::vector<int>& picture)
{
    std::vector<std::pair<int, int>> runs;
    for (int i = static_cast<int>(picture.size()) - 1; i >= 0; --i) {
        if (picture[i] != Filled)
            continue;
        int start = i;
        while (start > 0 && picture[start - 1] == Filled)
            --start;
        runs.emplace_back(start, i - start + 1);
        i = start;
    }
    return runs;
}

} // namespace

class SettledRunsTest : public QObject {
    Q_OBJECT

private slots:
    void numbersSettleOnlyWhenTheirRunIsCertain_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("clue");
        QTest::addColumn<QString>("settled");
        const auto row = [](const char* name, const char* line, const char* clue, const char* settled) {
            QTest::newRow(name) << QString(line) << QString(clue) << QString(settled);
        };
        // Closed at the start, by the edge or crosses, with nothing blank before.
        row("closed at the start", "1120000000", "2 3", "x.");
        row("two closed at the start", "1211120000", "1 3 2", "xx.");
        row("closed at the end", "0000000211", "3 2", ".x");
        row("closed at both ends", "1200000211", "1 3 2", "x.x");
        // Open: the run may still grow, or something may still come before it.
        row("open run", "1100000000", "2 3", "..");
        row("blank before it", "0211200000", "2 3", "..");
        // Closed on both sides but with blanks on both: either number could be it.
        row("either of two numbers", "0002112000", "2 2", "..");
        // Marks are guesses: neither a tentative cross nor a tentative fill decides.
        row("closed by a marked cross", "1140000000", "2 3", "..");
        row("marked cross before it", "4112000000", "2 3", "..");
        row("marked fill before it", "3211200000", "2 3", "..");
        row("marks past the closing cross", "1123400000", "2 3", "x.");
        // Nothing open: all or nothing.
        row("complete and right", "1211", "1 2", "xx");
        // The identified runs contradict the clue: nothing settles.
        row("run of the wrong length", "1112000000", "2 3", "..");
        row("same number claimed from both ends", "1120000211", "2", ".");
        row("more runs than numbers", "1212120000", "1 1", "..");
        row("filled cell left over", "1200100021", "1 1", "..");
        // Every number placed and nothing between them.
        row("both placed, blanks between", "1200000021", "1 1", "xx");
        row("empty line", "2200", "0", ".");
    }

    void numbersSettleOnlyWhenTheirRunIsCertain()
    {
        QFETCH(QString, line);
        QFETCH(QString, clue);
        QFETCH(QString, settled);
        const std::vector<int> stored = storedClue(clue);
        const std::vector<int> cells = cellsOf(qPrintable(line));
        QCOMPARE(settledText(SettledRuns::numbers(cells, stored), int(stored.size())), settled);
        // Signs only say whether the line matches; they change nothing here.
        std::vector<int> negated = stored;
        for (int& value : negated)
            value = -value;
        QCOMPARE(settledText(SettledRuns::numbers(cells, negated), int(stored.size())), settled);
    }

    void settledRunsAreThoseOfTheSolution()
    {
        // Lines a player could have entered on the way to a picture: some cells of the picture
        // shown, some blank, some marked. Every settled number must be a run of the picture
        // standing on the line in full, closed by crosses or the edge, whatever the blanks turn
        // out to be. A line showing all its cells settles every number.
        std::mt19937 random(11);
        int settledNumbers = 0;
        int openLines = 0;
        for (int trial = 0; trial < 20000; ++trial) {
            const int length = 1 + int(random() % 20);
            std::vector<int> picture(static_cast<size_t>(length));
            const int density = int(random() % 100);
            for (int& cell : picture)
                cell = int(random() % 100) < density ? Filled : Crossed;
            const auto runs = runsOf(picture);
            std::vector<int> clue;
            for (const auto& run : runs)
                clue.push_back(run.second);
            if (clue.empty())
                clue.push_back(0);

            std::vector<int> line = picture;
            const int shown = int(random() % 101);
            for (int& cell : line) {
                if (int(random() % 100) >= shown)
                    cell = random() % 8 == 0 ? MarkedFilled + int(random() % 2) : Blank;
            }
            const std::uint64_t settled = SettledRuns::numbers(line, clue);
            openLines += line != picture;
            if (line == picture && !runs.empty())
                QCOMPARE(settled, (std::uint64_t(1) << runs.size()) - 1);
            for (size_t k = 0; k < runs.size(); ++k) {
                if (!((settled >> k) & 1))
                    continue;
                ++settledNumbers;
                const auto [start, runLength] = runs[k];
                const int end = start + runLength;
                for (int i = start; i < end; ++i)
                    QVERIFY2(line[i] == Filled, qPrintable(digitsOf(line)));
                QVERIFY2(start == 0 || line[start - 1] == Crossed, qPrintable(digitsOf(line)));
                QVERIFY2(end == length || line[end] == Crossed, qPrintable(digitsOf(line)));
            }
        }
        QVERIFY(settledNumbers > 5000 && openLines > 15000);
    }

    void clueSetKeepsTheSettledNumbersOfEveryLine()
    {
        // Rows are read left to right, columns top to bottom; a later board replaces the
        // settling of an earlier one.
        ClueSet clues;
        clues.rowClues = {storedClue("1 1"), storedClue("2")};
        clues.columnClues = {storedClue("1"), storedClue("0"), storedClue("0"), storedClue("0"), storedClue("0")};
        clues.updateSettled(boardOf({"12000", "20000"}));
        QVERIFY(clues.numberSettled(true, 0, 1) && !clues.numberSettled(true, 0, 0));
        QVERIFY(clues.numberSettled(false, 0, 0) && !clues.numberSettled(true, 1, 0));
        QVERIFY(!clues.numberSettled(true, 2, 0) && !clues.numberSettled(false, -1, 0));
        clues.updateSettled(boardOf({"02000", "20000"}));
        QVERIFY(!clues.numberSettled(true, 0, 1) && !clues.numberSettled(false, 0, 0));
    }
};

QTEST_APPLESS_MAIN(SettledRunsTest)
#include "test_settled_runs.moc"
