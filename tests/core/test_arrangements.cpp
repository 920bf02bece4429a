// SPDX-License-Identifier: GPL-3.0-or-later
// Arrangements against the definition: every placement of the runs that fits the known
// cells, enumerated one by one, and the cells all of them share.
#include "LineNotation.h"

#include "Arrangements.h"
#include "CellState.h"

#include <QtTest>

#include <random>

namespace {

// Each cell's possible values over every placement that fits: bit 0 empty, bit 1 filled.
// Returns the number of placements, or -1 after stopping at limit.
class Placements {
public:
    Placements(const std::vector<unsigned char>& cells, const std::vector<int>& runs, long limit)
        : cells_(cells)
        , runs_(runs)
        , limit_(limit)
        , current_(cells.size(), 0)
        , seen_(cells.size(), 0)
    {
    }

    long count()
    {
        place(0, 0);
        return count_ > limit_ ? -1 : count_;
    }
    int seen(size_t i) const { return seen_[i]; }

private:
    bool canBe(int from, int to, unsigned char value) const
    {
        for (int i = from; i < to; ++i)
            if (cells_[size_t(i)] != 0 && cells_[size_t(i)] != value)
                return false;
        return true;
    }
    void place(size_t run, int from)
    {
        const int length = int(cells_.size());
        if (count_ > limit_)
            return;
        if (run == runs_.size()) {
            if (!canBe(from, length, 2))
                return;
            ++count_;
            for (int i = 0; i < length; ++i)
                seen_[size_t(i)] |= i >= from ? 1 : current_[size_t(i)] ? 2 : 1;
            return;
        }
        const int runLength = runs_[run];
        for (int start = from; start + runLength <= length; ++start) {
            if (!canBe(from, start, 2))
                break;
            const int end = start + runLength;
            if (!canBe(start, end, 1) || (end < length && !canBe(end, end + 1, 2)))
                continue;
            for (int i = from; i < end + 1 && i < length; ++i)
                current_[size_t(i)] = i >= start && i < end;
            place(run + 1, std::min(end + 1, length));
        }
    }

    const std::vector<unsigned char>& cells_;
    const std::vector<int>& runs_;
    long limit_;
    std::vector<unsigned char> current_;
    std::vector<int> seen_;
    long count_ = 0;
};

QString textOf(const std::vector<unsigned char>& cells)
{
    QString text;
    for (unsigned char cell : cells)
        text += ".#x"[cell];
    return text;
}

} // namespace

class ArrangementsTest : public QObject {
    Q_OBJECT

private slots:
    // Lines from 1 to 1,000 cells, with clues their cells were made from or clues of another
    // line, and known cells taken from that line, some of them turned wrong.
    void decidesWhatEveryPlacementShares()
    {
        std::mt19937 random(20261209);
        Arrangements arrangements;
        int contradictions = 0;
        int decided = 0;
        int checked = 0;
        for (int round = 0; round < 6000; ++round) {
            // Lines held in one word and longer ones take different paths.
            const int length = round % 50 == 0 ? 33 + int(random() % 968)
                : round % 5 == 0               ? 15 + int(random() % 50)
                                               : 1 + int(random() % 14);
            auto lineOf = [&] {
                std::vector<unsigned char> line(static_cast<size_t>(length));
                const unsigned density = 30 + random() % 50;
                for (auto& cell : line)
                    cell = random() % 100 < density ? 1 : 2;
                return line;
            };
            const std::vector<unsigned char> solution = lineOf();
            const std::vector<unsigned char> clueSource = random() % 4 == 0 ? lineOf() : solution;
            std::vector<int> runs;
            for (int i = 0, run = 0; i <= length; ++i) {
                if (i < length && clueSource[size_t(i)] == 1) {
                    ++run;
                } else if (run > 0) {
                    runs.push_back(run);
                    run = 0;
                }
            }
            // Long lines are mostly known, so that their placements can be counted.
            const unsigned known = length > 14 ? 90 + random() % 10 : random() % 80;
            std::vector<unsigned char> cells(size_t(length), 0);
            for (int i = 0; i < length; ++i)
                if (random() % 100 < known)
                    cells[size_t(i)] = random() % 20 == 0 ? 3 - solution[size_t(i)] : solution[size_t(i)];

            Placements placements(cells, runs, 200000);
            const long count = placements.count();
            if (count < 0)
                continue;
            ++checked;
            std::vector<unsigned char> solved = cells;
            const Arrangements::Result result
                = arrangements.solve(solved.data(), length, runs.data(), int(runs.size()));
            const QString what = textOf(cells) + " runs " + QString::number(runs.size());
            if (count == 0) {
                QVERIFY2(result == Arrangements::Result::Contradiction, qPrintable(what));
                QCOMPARE(textOf(solved), textOf(cells));
                ++contradictions;
                continue;
            }
            std::vector<unsigned char> expected = cells;
            for (size_t i = 0; i < expected.size(); ++i)
                if (expected[i] == 0 && placements.seen(i) != 3)
                    expected[i] = placements.seen(i) == 2 ? 1 : 2;
            QCOMPARE(textOf(solved), textOf(expected));
            QCOMPARE(result == Arrangements::Result::Changed, expected != cells);
            decided += expected != cells;
        }
        // The draw must reach every outcome often, or the comparison proves little.
        QVERIFY(checked > 5000);
        QVERIFY(contradictions > 500);
        QVERIFY(decided > 1500);
    }

    // The technique as the seven are applied: stored clues (far end first, signed, the empty
    // list's 0), the codes it is told to write, marks read as undecided and kept.
    void appliesLikeTheSeven_data()
    {
        QTest::addColumn<QString>("cells");
        QTest::addColumn<std::vector<int>>("stored");
        QTest::addColumn<int>("fillCode");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("contradiction");
        // Runs 3 1 fit five cells only one way.
        QTest::newRow("only fit") << "00000" << std::vector<int> {1, 3} << 1 << "11121" << false;
        QTest::newRow("signed") << "00000" << std::vector<int> {-1, -3} << 1 << "11121" << false;
        QTest::newRow("as marks") << "00000" << std::vector<int> {1, 3} << 3 << "33343" << false;
        QTest::newRow("empty line") << "0300" << std::vector<int> {0} << 1 << "2322" << false;
        QTest::newRow("mark kept") << "0400" << std::vector<int> {2} << 1 << "0400" << false;
        QTest::newRow("no fit") << "0120" << std::vector<int> {3} << 1 << "0120" << true;
        QTest::newRow("too long") << "000" << std::vector<int> {4} << 1 << "000" << true;
    }
    void appliesLikeTheSeven()
    {
        QFETCH(QString, cells);
        QFETCH(std::vector<int>, stored);
        QFETCH(int, fillCode);
        QFETCH(QString, expected);
        QFETCH(bool, contradiction);
        std::vector<int> line = cellsOf(qPrintable(cells));
        bool broken = !contradiction;
        const bool wrote = Arrangements().apply(line, stored, fillCode, fillCode + 1, &broken);
        QCOMPARE(digitsOf(line), expected);
        QCOMPARE(wrote, expected != cells);
        QCOMPARE(broken, contradiction);
    }
};

QTEST_GUILESS_MAIN(ArrangementsTest)
#include "test_arrangements.moc"
