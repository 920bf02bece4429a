// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellState.h"
#include "GalleryFile.h"

#include <QtTest>

namespace {

// A 4x3 picture of two colours with one given cell, as the maker writes it.
GalleryPicture samplePicture()
{
    GalleryPicture picture;
    picture.id = "red-apple-4x3";
    picture.album = "Food";
    picture.columns = 4;
    picture.rows = 3;
    picture.technique = 2;
    picture.palette = {0xf8312f, 0x00d26a};
    picture.colours = {-1, 1, 1, -1, 0, 0, 0, 0, -1, 0, 0, -1};
    picture.givens = {{3, 2}};
    picture.titles = {"Red Apple", "Roter Apfel", "Pomme rouge", ""};
    return picture;
}

} // namespace

class TestGalleryFile : public QObject {
    Q_OBJECT

private slots:
    void aPictureReadsBackAsItWasWritten()
    {
        const GalleryPicture written = samplePicture();
        const std::string text = "# a comment\n" + writeGallery({written});
        QCOMPARE(QString::fromStdString(writeGallery({written})).count('\t'), 10);
        const GalleryReading reading = readGallery(text);
        QVERIFY2(reading.error.empty(), reading.error.c_str());
        QCOMPARE(reading.pictures.size(), std::size_t(1));
        const GalleryPicture& read = reading.pictures[0];
        QCOMPARE(read.id, written.id);
        QCOMPARE(read.album, written.album);
        QCOMPARE(read.columns, 4);
        QCOMPARE(read.rows, 3);
        QCOMPARE(read.technique, 2);
        QVERIFY(read.palette == written.palette);
        QVERIFY(read.colours == written.colours);
        QVERIFY(read.givens == written.givens);
        QVERIFY(read.titles == written.titles);
        // Row by row: the second row is all red, the first has green in its middle.
        const PuzzleGrid solution = read.solution();
        QCOMPARE(solution.cells[0][0], int(Crossed));
        QCOMPARE(solution.cells[1][0], int(Filled));
        QCOMPARE(solution.cells[3][1], int(Filled));
        QCOMPARE(solution.cells[3][2], int(Crossed));
        // A title missing in a language is the English one.
        QCOMPARE(read.title("de"), std::string("Roter Apfel"));
        QCOMPARE(read.title("es"), std::string("Red Apple"));
        QCOMPARE(read.title("pt"), std::string("Red Apple"));
    }

    void aDamagedLineIsNamedAndNothingIsRead()
    {
        const std::string good = writeGallery({samplePicture()});
        const auto field = [&](int index, const std::string& value) {
            std::string line = good.substr(0, good.size() - 1);
            std::vector<std::string> fields;
            for (std::size_t start = 0;;) {
                const std::size_t tab = line.find('\t', start);
                fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
                if (tab == std::string::npos)
                    break;
                start = tab + 1;
            }
            fields[std::size_t(index)] = value;
            std::string joined;
            for (std::size_t i = 0; i < fields.size(); ++i)
                joined += (i ? "\t" : "") + fields[i];
            return joined + "\n";
        };
        const struct {
            std::string text;
            const char* why;
        } damaged[] = {
            {field(2, "4x"), "size"},
            {field(4, "f8312f,00d26"), "palette"},
            {field(5, ".11.0000.00"), "11 cells"},
            {field(5, ".11.0000.02."), "palette"},
            {field(6, "4,2"), "given"},
            {field(6, "3,2 3,2"), "given"},
            {field(7, ""), "English title"},
            {good + good, "taken"},
            {good.substr(0, good.rfind('\t')) + "\n", "fields"},
        };
        for (const auto& [text, why] : damaged) {
            const GalleryReading reading = readGallery("# header\n" + text);
            QVERIFY(reading.pictures.empty());
            QVERIFY2(reading.error.find(why) != std::string::npos, reading.error.c_str());
            QVERIFY2(
                reading.error.rfind("line 2", 0) == 0 || reading.error.rfind("line 3", 0) == 0, reading.error.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(TestGalleryFile)
#include "test_gallery_file.moc"
