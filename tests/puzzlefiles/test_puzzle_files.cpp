// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of puzzle files in every format, the checks they share and the .non writer.
#include "CellState.h"
#include "NonFormat.h"
#include "PuzzleFileReader.h"

#include <QFile>
#include <QtTest>

#include <string>
#include <vector>

namespace {

using Lists = std::vector<std::vector<int>>;

std::string fileText(const char* name)
{
    QFile file(QStringLiteral(TESSARIN_PUZZLE_FILES "/") + QString::fromUtf8(name));
    if (!file.open(QIODevice::ReadOnly))
        return "(no file " + std::string(name) + ")";
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

std::string repeated(const char* text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

QString utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The picture top to bottom, 'X' filled and '.' crossed ('?' anything else).
QStringList pictureOf(const PuzzleGrid& grid)
{
    QStringList rows;
    for (int y = 0; y < grid.height; ++y) {
        QString row;
        for (int x = 0; x < grid.width; ++x) {
            const int code = grid.cells[x][y];
            row += QLatin1Char(code == Filled ? 'X' : code == Crossed ? '.' : '?');
        }
        rows << row;
    }
    return rows;
}

// The puzzle every format's test file holds, 6 wide and 5 high, drawn by hand:
//     XXX.X.   3 1
//     ......   (empty)
//     X.XX..   1 2
//     XX..XX   2 2
//     XX...X   2 1
// Its columns, left to right, read top to bottom: 1 3, 1 2, 1 1, 1, 1 1, 2. Stored far end
// first, so the row read "3 1" is {1, 3} and the column read "1 3" is {3, 1}.
const Lists lanternColumns = {{3, 1}, {2, 1}, {1, 1}, {1}, {1, 1}, {2}};
const Lists lanternRows = {{1, 3}, {0}, {2, 1}, {2, 2}, {1, 2}};
const QStringList lanternPicture = {"XXX.X.", "......", "X.XX..", "XX..XX", "XX...X"};
const char* const lanternTitle = "The \"Lantern\" & its light";
const char* const lanternAuthor = "Zo\u00EB \u00C5ngstr\u00F6m";
const char* const lanternCopyright = "\u00A9 2026 Ana Mar\u00EDa";

// A refusal that leaves no puzzle behind, whose reason holds the words and starts with the
// line (or names none, for 0).
void verifyRefused(const PuzzleFileReading& reading, const QStringList& words, int line, const char* which)
{
    const QString error = utf8(reading.error);
    QVERIFY2(!reading.read, which);
    QVERIFY2(reading.puzzle.clues.columnClues.empty() && reading.puzzle.clues.rowClues.empty()
            && reading.puzzle.goal.width == 0,
        which);
    for (const QString& word : words)
        QVERIFY2(error.contains(word), qPrintable(QString(which) + ": \"" + word + "\" not in \"" + error + "\""));
    const QString prefix = QString("line %1: ").arg(line);
    QVERIFY2(line > 0 ? error.startsWith(prefix) : !error.startsWith("line "),
        qPrintable(QString(which) + ": expected " + (line > 0 ? prefix : "no line") + " in \"" + error + "\""));
}

} // namespace

class PuzzleFilesTest : public QObject {
    Q_OBJECT

private slots:
    void everyFormatGivesTheSamePuzzle()
    {
        // Each under its own name, in capitals, and under names that leave it to the text.
        struct Case {
            const char* file;
            const char* name;
            bool hasTexts;
            bool hasGoal;
        };
        const Case cases[] = {
            {"lantern.non", "lantern.non", true, true},
            {"lantern.non", "LANTERN.NON", true, true},
            {"lantern.non", "/some/folder.xml/lantern.txt", true, true},
            {"lantern.nin", "lantern.nin", false, false},
            {"lantern.nin", "lantern", false, false},
            {"lantern.g", "lantern.G", false, false},
            {"lantern.g", "lantern.puzzle", false, false},
            {"lantern.mk", "lantern.mk", false, false},
            {"lantern.mk", "lantern.txt", false, false},
            {"lantern.xml", "lantern.Xml", true, true},
            {"lantern.xml", "lantern.pbn", true, true},
        };
        for (const Case& c : cases) {
            const PuzzleFileReading reading = readPuzzleFile(c.name, fileText(c.file));
            QVERIFY2(reading.read, qPrintable(QString(c.name) + ": " + utf8(reading.error)));
            QVERIFY2(reading.error.empty(), c.name);
            const PuzzleFile& puzzle = reading.puzzle;
            QVERIFY2(puzzle.clues.columnClues == lanternColumns, c.name);
            QVERIFY2(puzzle.clues.rowClues == lanternRows, c.name);
            QCOMPARE(utf8(puzzle.title), c.hasTexts ? utf8(lanternTitle) : QString());
            QCOMPARE(utf8(puzzle.author), c.hasTexts ? utf8(lanternAuthor) : QString());
            QCOMPARE(utf8(puzzle.copyright), c.hasTexts ? utf8(lanternCopyright) : QString());
            QCOMPARE(pictureOf(puzzle.goal), c.hasGoal ? lanternPicture : QStringList());
            QCOMPARE(puzzle.goal.width, c.hasGoal ? 6 : 0);
        }
        QCOMPARE(utf8(readPuzzleFile("lantern.non", fileText("lantern.non")).puzzle.licence), QString("CC-BY-SA-4.0"));
    }

    void packsDoctypesAndPublishedFilesRead()
    {
        // The first of a pack, a bare goal over two lines, unknown keys skipped, a quoted licence.
        PuzzleFileReading reading = readPuzzleFile("pack.nonpack", fileText("pack.nonpack"));
        QVERIFY2(reading.read, reading.error.c_str());
        QCOMPARE(utf8(reading.puzzle.title), QString("First \u00A9 of two"));
        QCOMPARE(utf8(reading.puzzle.licence), QString("Free for any use, & more"));
        QVERIFY(reading.puzzle.clues.columnClues == Lists({{2}, {1}, {2}}));
        QVERIFY(reading.puzzle.clues.rowClues == Lists({{1, 1}, {3}}));
        QCOMPARE(pictureOf(reading.puzzle.goal), QStringList({"X.X", "XXX"}));

        // A DOCTYPE with an internal subset is skipped whole; CDATA and <line></line> read.
        reading = readPuzzleFile("doctype-unused.xml", fileText("doctype-unused.xml"));
        QVERIFY2(reading.read, reading.error.c_str());
        QCOMPARE(utf8(reading.puzzle.title), QString("Fish & <Chips>"));
        QCOMPARE(utf8(reading.puzzle.author), QString("A. N. Other"));
        QVERIFY(reading.puzzle.clues.columnClues == Lists({{1}, {0}}));
        QVERIFY(reading.puzzle.clues.rowClues == Lists({{1}, {0}}));
        QCOMPARE(pictureOf(reading.puzzle.goal), QStringList({"X.", ".."}));

        // 8 wide and 9 high, so the rows must come first. The second file holds its puzzle
        // several times over; only its first 45 clue lines count.
        reading = readPuzzleFile("data148.nin", fileText("jwilk/data148.nin"));
        QVERIFY2(reading.read, reading.error.c_str());
        QVERIFY(reading.puzzle.clues.rowClues == Lists({{3}, {1, 2}, {2, 3}, {2, 2}, {6}, {5, 1}, {6}, {1}, {2}}));
        QVERIFY(reading.puzzle.clues.columnClues == Lists({{2, 1}, {1, 3}, {5, 1}, {1, 7}, {5}, {3}, {4}, {3}}));
        reading = readPuzzleFile("data142.nin", fileText("jwilk/data142.nin"));
        QVERIFY2(reading.read, reading.error.c_str());
        const ClueSet& clues = reading.puzzle.clues;
        QCOMPARE(int(clues.columnClues.size()), 25);
        QCOMPARE(int(clues.rowClues.size()), 20);
        QVERIFY(clues.rowClues[2] == std::vector<int>({6, 4, 5}) && clues.rowClues[19] == std::vector<int>({13}));
        QVERIFY(clues.columnClues[0] == std::vector<int>({4}) && clues.columnClues[23] == std::vector<int>({6}));
        QVERIFY(clues.columnClues[24] == std::vector<int>({4}));
    }

    void nonFilesReadAsTheirWritersWriteThem()
    {
        // Line ends of either kind with a byte order mark, a blank line for an empty row, a
        // quoted goal over two lines; a bare title with references that stay as written; a
        // comment inside a section and a goal with spaces; quotes inside quotes.
        struct Case {
            std::string text;
            const char* title;
            Lists rows;
            Lists columns;
            QStringList picture;
        };
        const Case cases[] = {
            {"\xEF\xBB\xBFwidth 2\r\nheight 2\r\n\r\nrows\r\n2\r\n\r\ncolumns\r\n1\r\n1\r\ngoal \"11\r\n00\"\r\n", "",
                {{2}, {0}}, {{1}, {1}}, {"XX", ".."}},
            {"title Caf&eacute; &unknown; &#0; &#x110000; &amp and &#38;\nwidth 1\nheight 1\nrows\n1\ncolumns\n1\n",
                "Caf\u00E9 &unknown; &#0; &#x110000; &amp and &", {{1}}, {{1}}, {}},
            {"width 3\nheight 1\nrows\n# the only row\n1 1\ncolumns\n1\n0\n1\ngoal \"1 0 1\"\n", "", {{1, 1}},
                {{1}, {0}, {1}}, {"X.X"}},
            {"title \"A \"quoted\" word\"\nwidth 1\nheight 1\nrows\n0\ncolumns\n0\n", "A \"quoted\" word", {{0}}, {{0}},
                {}},
        };
        for (const Case& c : cases) {
            const PuzzleFileReading reading = readPuzzleFile("quirks.non", c.text);
            QVERIFY2(reading.read, reading.error.c_str());
            QCOMPARE(utf8(reading.puzzle.title), QString(c.title));
            QVERIFY2(reading.puzzle.clues.rowClues == c.rows, c.title);
            QVERIFY2(reading.puzzle.clues.columnClues == c.columns, c.title);
            QCOMPARE(pictureOf(reading.puzzle.goal), c.picture);
        }
    }

    void sizeLinesAndSectionsMayComeEitherWay()
    {
        // .mk with comments, a blank line and a last divider; .g sections by name or by
        // order. The rows are 1 and 2, the columns 2 and 1: read the other way round they
        // would be swapped.
        const char* const texts[][2] = {
            {"x.mk", "2 2\n1\n2\n#\n2\n1\n"},
            {"x.mk", "# comment\n\n2 2\n1\n2\n#\n# comment\n2\n1\n#\n9 9 9\n"},
            {"x.g", ":\n1\n2\n:\n2\n1\n"},
            {"x.g", ": rows\n1\n2\n: columns\n2\n1\n"},
            {"x.g", ": columns\n2\n1\n:\n1\n2\n"},
            {"x.g", ":\n1\n2\n: COLUMNS\n2\n1\n"},
            {"x.g", ":\n1\n2\n: cols\n2\n1\n"},
        };
        for (const auto& [name, text] : texts) {
            const PuzzleFileReading reading = readPuzzleFile(name, text);
            QVERIFY2(reading.read, qPrintable(QString(text) + ": " + utf8(reading.error)));
            QVERIFY2(reading.puzzle.clues.rowClues == Lists({{1}, {2}}), text);
            QVERIFY2(reading.puzzle.clues.columnClues == Lists({{2}, {1}}), text);
        }
        // 3 rows and 2 columns: a .mk size line may say 3 2 or 2 3; the rows come first.
        for (const char* text : {"3 2\n1\n1\n1\n#\n1 1\n1\n", "2 3\n1\n1\n1\n#\n1 1\n1\n"}) {
            const PuzzleFileReading reading = readPuzzleFile("x.mk", text);
            QVERIFY2(reading.read, reading.error.c_str());
            QVERIFY(reading.puzzle.clues.rowClues == Lists({{1}, {1}, {1}}));
            QVERIFY(reading.puzzle.clues.columnClues == Lists({{1, 1}, {1}}));
        }
    }

    void refusalsSayWhy()
    {
        struct Case {
            const char* name;
            const char* file; // or nullptr for the text
            std::string text;
            QStringList words;
            int line; // 0: the reason names no line
        };
        const std::string thousandAndOneRows = ": rows\n" + repeated("1\n", 1001) + ": columns\n1\n";
        const std::string sixHundredNumbers = "width 1000\nheight 1\nrows\n" + repeated("1,", 600) + "\n";
        const Case cases[] = {
            {"colour.non", "colour.non", "", {"colour"}, 4},
            {"colour-clues.non", "colour-clues.non", "", {"colour"}, 4},
            {"colour.xml", "colour.xml", "", {"colour"}, 7},
            {"too-long.non", "too-long.non", "", {"row 3", "3 3", "7 cells", "6 wide"}, 7},
            {"size-1001.non", "size-1001.non", "", {"1001", "wide", "1000"}, 2},
            {"goal-mismatch.non", "goal-mismatch.non", "", {"solution", "row 1", "is 1", "clue is 2"}, 4},
            {"count-mismatch.nin", "count-mismatch.nin", "", {"2 column clues", "3 wide"}, 0},
            {"totals.g", "totals.g", "", {"columns fill 2", "rows 3"}, 0},
            {"huge-number.mk", "huge-number.mk", "", {"99999999999999999999", "larger"}, 1},
            {"doctype-entity.xml", "doctype-entity.xml", "", {"&secret;", "entity"}, 8},
            {"triddler.xml", "triddler.xml", "", {"not a puzzle file", "triddler"}, 3},
            {"malformed.xml", "malformed.xml", "", {"</clues>", "<line>"}, 5},
            {"binary.nin", "binary.nin", "", {"not a text file"}, 0},

            {"stray.non", nullptr, "width 1\nheight 1\n1\n", {"outside the rows and columns"}, 3},
            {"twice.non", nullptr, "width 1\nwidth 2\n", {"second width"}, 2},
            {"goalfirst.non", nullptr, "goal \"1\"\nwidth 1\n", {"goal comes before"}, 1},
            {"decimal.non", nullptr, "width 1\nheight 1\nrows\n1.5\n", {"cannot read", "1.5"}, 4},
            {"third.g", nullptr, ": rows\n1\n: columns\n1\n: more\n", {"third section"}, 5},
            {"twice.xml", nullptr, "<puzzleset a=\"1\" a='2'/>", {"given twice"}, 1},
            {"unquoted.xml", nullptr, "<puzzleset a=1/>", {"not quoted"}, 1},
            {"lt.xml", nullptr, "<puzzleset><puzzle type=\"<\"/></puzzleset>", {"'<'"}, 1},
            {"amp.xml", nullptr, "<puzzleset><puzzle><title>Fish & Chips</title></puzzle></puzzleset>", {"'&'"}, 1},
            {"surrogate.xml", nullptr, "<puzzleset><puzzle><title>&#xD800;</title>", {"&#xD800;"}, 1},
            {"before.xml", nullptr, "<?xml version=\"1.0\"?>\nhello <puzzleset/>", {"outside"}, 2},
            {"inner.xml", nullptr, "<puzzleset><!DOCTYPE puzzleset></puzzleset>", {"DOCTYPE"}, 1},
            {"comment.xml", nullptr, "<puzzleset>\n<!-- never closed", {"inside a comment"}, 2},
            {"word.xml", nullptr,
                "<puzzleset><puzzle><clues type=\"rows\"><line><count>two</count></line></clues></puzzle></puzzleset>",
                {"\"two\""}, 1},
            {"note.txt", nullptr, "Dear player,\nthis is a letter.\n", {"not a puzzle file"}, 0},
            {"empty.non", nullptr, "  \n\n", {"empty"}, 0},
            {"latin1.non", nullptr, "title \"Caf\xE9\"\n", {"not a text file"}, 0},
            {"control.nin", nullptr, "1 1\n1\x01\n1\n", {"not a text file"}, 0},
            {"short.non", nullptr, "width 2\nheight 3\nrows\n1\n1\ncolumns\n1\n1\n", {"2 row clues", "3 high"}, 0},
            {"extra.non", nullptr, "width 1\nheight 1\nrows\n1\n1\ncolumns\n1\n", {"more row clues", "1 rows"}, 5},
            {"nowidth.non", nullptr, "height 1\nrows\n1\n", {"how wide"}, 0},
            {"rowsfirst.non", nullptr, "rows\n1\n", {"before", "height"}, 1},
            {"shortgoal.non", nullptr, "width 2\nheight 1\nrows\n2\ncolumns\n1\n1\ngoal \"1\"\n",
                {"goal", "1 cells", "2x1"}, 8},
            {"givenbare.non", nullptr, "width 1\nheight 1\nrows\n1\ncolumns\n1\ngiven 1,1\n",
                {"gives cells", "no goal"}, 0},
            {"givenoff.non", nullptr, "width 2\nheight 1\nrows\n2\ncolumns\n1\n1\ngoal \"11\"\ngiven 3,1\n",
                {"column 3, row 1", "off the 2x1"}, 0},
            {"givenhuge.non", nullptr,
                "width 2\nheight 1\nrows\n2\ncolumns\n1\n1\ngoal \"11\"\ngiven 1,99999999999999999999\n",
                {"off the 2x1"}, 0},
            {"giventwice.non", nullptr,
                "width 2\nheight 1\nrows\n2\ncolumns\n1\n1\ngoal \"11\"\ngiven 2,1\ngiven 2,1\n",
                {"column 2, row 1", "twice"}, 0},
            {"givenzero.non", nullptr, "width 1\nheight 1\ngiven 0,1\n", {"counted from 1", "0,1"}, 3},
            {"givenword.non", nullptr, "width 1\nheight 1\ngiven top left\n", {"counted from 1", "top left"}, 3},
            {"huge.non", nullptr, "width 99999999999999999999\n", {"99999999999999999999", "wide", "larger"}, 1},
            {"many.non", nullptr, sixHundredNumbers, {"more numbers", "1000 cells"}, 4},
            {"huge.nin", nullptr, "1 1\n99999999999999999999\n1\n", {"99999999999999999999", "longer"}, 2},
            {"zero.nin", nullptr, "0 5\n", {"0 cells wide", "no cells"}, 1},
            {"comment.nin", nullptr, "# note\n1 1\n1\n1\n", {"first line", "width and height"}, 1},
            {"square.mk", nullptr, "5 5\n1\n#\n1\n", {"5 and 5", "1 clue lines before"}, 1},
            {"nohash.mk", nullptr, "1 1\n1\n1\n", {"no line \"#\""}, 0},
            {"one.g", nullptr, ": rows\n1\n", {"only one section"}, 0},
            {"rows.g", nullptr, ": rows\n1\n: rows\n1\n", {"both sections are rows"}, 0},
            {"colour.g", nullptr, ": rows\n1a\n: columns\n1a\n", {"colour"}, 2},
            {"wide.g", nullptr, thousandAndOneRows, {"more than 1000 rows"}, 1002},
            {"count.xml", nullptr,
                "<puzzleset><puzzle><clues type=\"rows\"><line><count color=\"red\">1</count></line></clues>"
                "</puzzle></puzzleset>",
                {"colour"}, 1},
            {"page.xml", nullptr, "<html><body/></html>", {"not a puzzle file", "<html>"}, 0},
            {"copy.xml", nullptr, "<puzzleset><puzzle>\n<title>&copy;</title></puzzle></puzzleset>", {"&copy;"}, 2},
            {"deep.xml", nullptr, "<puzzleset>" + repeated("<a>", 100), {"nested more than 64"}, 1},
            {"open.xml", nullptr, "<puzzleset>\n<puzzle>", {"ends inside <puzzle>"}, 2},
            {"noclues.xml", nullptr, "<puzzleset><puzzle>\n</puzzle></puzzleset>", {"no column clues"}, 1},
            {"picture.xml", nullptr,
                "<puzzleset><puzzle><clues type=\"columns\"><line><count>1</count></line></clues>\n"
                "<clues type=\"rows\"><line><count>1</count></line></clues>\n<solution><image>\n|O|\n</image>"
                "</solution></puzzle></puzzleset>",
                {"'O'"}, 4},
            {"wider.xml", nullptr,
                "<puzzleset><puzzle><clues type=\"columns\"><line><count>1</count></line></clues>"
                "<clues type=\"rows\"><line><count>1</count></line></clues><solution><image>|X.|</image>"
                "</solution></puzzle></puzzleset>",
                {"2x1", "1x1"}, 0},
        };
        for (const Case& c : cases) {
            verifyRefused(readPuzzleFile(c.name, c.file ? fileText(c.file) : c.text), c.words, c.line, c.name);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void largeTextsAreRefusedWithoutReading()
    {
        // A text of exactly the limit is read (and found empty); one byte more is refused by
        // its size alone, before any format is chosen.
        const std::string limit(largestPuzzleFileBytes, ' ');
        verifyRefused(readPuzzleFile("big.non", limit), {"empty"}, 0, "at the limit");
        verifyRefused(readPuzzleFile("big.xml", limit + "1"), {"larger than 16 MB"}, 0, "beyond the limit");

        // The largest side the game takes, with as many runs as its line can hold.
        const std::string widest
            = "width 1000\nheight 1\nrows\n" + repeated("1,", 500) + "\ncolumns\n" + repeated("1\n0\n", 500);
        const PuzzleFileReading reading = readPuzzleFile("widest.non", widest);
        QVERIFY2(reading.read, reading.error.c_str());
        QCOMPARE(int(reading.puzzle.clues.columnClues.size()), largestPuzzleSide);
        QVERIFY(reading.puzzle.clues.rowClues == Lists({std::vector<int>(500, 1)}));
    }

    void writtenNonReadsBack()
    {
        PuzzleFile quoted;
        quoted.title = "Say \"cheese\" & smile &amp; wave";
        quoted.author = "\u0141ukasz \u017B\u00F3\u0142w";
        quoted.copyright = "\u00A9 2026, first line\nsecond line";
        quoted.licence = "Free for personal use";
        quoted.clues.columnClues = {{2}, {0}, {1, 1}};
        quoted.clues.rowClues = {{1, 1}, {1}, {1}};
        PuzzleFile bare;
        bare.licence = "CC0-1.0";
        bare.clues.columnClues = {{1}};
        bare.clues.rowClues = {{1}};
        bare.goal.resize(1, 1);
        bare.goal.cells[0][0] = Filled;
        bare.givens = {{0, 0}};
        const PuzzleFile lantern = readPuzzleFile("lantern.non", fileText("lantern.non")).puzzle;
        QVERIFY(lantern.clues.rowClues == lanternRows);

        const PuzzleFile* const originals[] = {&quoted, &bare, &lantern};
        for (const PuzzleFile* original : originals) {
            const std::string written = writeNon(*original);
            const PuzzleFileReading again = readPuzzleFile("again.non", written);
            QVERIFY2(again.read, qPrintable(utf8(again.error) + "\n" + utf8(written)));
            QCOMPARE(utf8(again.puzzle.title), utf8(original->title));
            QCOMPARE(utf8(again.puzzle.author), utf8(original->author));
            QCOMPARE(utf8(again.puzzle.copyright), utf8(original->copyright));
            QCOMPARE(utf8(again.puzzle.licence), utf8(original->licence));
            QVERIFY(again.puzzle.clues.columnClues == original->clues.columnClues);
            QVERIFY(again.puzzle.clues.rowClues == original->clues.rowClues);
            QCOMPARE(pictureOf(again.puzzle.goal), pictureOf(original->goal));
            QVERIFY(again.puzzle.givens == original->givens);
        }
        // Written as the format's readers expect: quotes and '&' as entities, one line per
        // value, a licence code bare, clues in reading order.
        const std::string written = writeNon(quoted);
        QVERIFY(written.find("title \"Say &quot;cheese&quot; &amp; smile &amp;amp; wave\"\n") != std::string::npos);
        QVERIFY(written.find("license \"Free for personal use\"\n") != std::string::npos);
        QVERIFY(written.find("\nrows\n1,1\n1\n1\n") != std::string::npos);
        QVERIFY(written.find("\ncolumns\n2\n0\n1,1\n") != std::string::npos);
        QVERIFY(writeNon(bare).find("license CC0-1.0\n") != std::string::npos);
        QVERIFY(writeNon(bare).find("\ngiven 1,1\n") != std::string::npos);
        QVERIFY(writeNon(lantern).find("\nrows\n3,1\n0\n1,2\n2,2\n2,1\n") != std::string::npos);
    }
};

QTEST_APPLESS_MAIN(PuzzleFilesTest)
#include "test_puzzle_files.moc"
