// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery's browser: what it shows of solved, begun and unsolved pictures, and that the
// keys alone reach any picture of any album.
#include "CellState.h"
#include "GalleryBrowser.h"
#include "GameWords.h"

#include <QtTest>

#include <QListWidget>

namespace {

constexpr QRgb red = 0xffe01010;
constexpr QRgb green = 0xff10c010;

// Three columns and two rows, so that a thumbnail drawn on its side shows: red across the
// top, green in the bottom-right corner.
GalleryPicture picture(const char* id, const char* album, const char* title)
{
    GalleryPicture made;
    made.id = id;
    made.album = album;
    made.columns = 3;
    made.rows = 2;
    made.technique = 2;
    made.palette = {red & 0xffffff, green & 0xffffff};
    made.colours = {0, 0, 0, -1, -1, 1};
    made.titles = {title, "", "", ""};
    return made;
}

const std::vector<GalleryPicture> gallery
    = {picture("cat", "Animals", "Cat"), picture("dog", "Animals", "Dog"), picture("apple", "Food", "Apple")};

// The colour in the middle of each cell of a thumbnail, row by row; its plate is what is not
// transparent, and the cells divide it evenly.
std::vector<QRgb> cellColours(const QImage& image, int columns, int rows)
{
    QRect plate;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                plate |= QRect(x, y, 1, 1);
    const int cell = plate.width() / columns;
    std::vector<QRgb> colours;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            colours.push_back(image.pixel(plate.topLeft() + QPoint(x * cell + cell / 2, y * cell + cell / 2)));
    return colours;
}

QStringList texts(const QListWidget& list)
{
    QStringList all;
    for (int row = 0; row < list.count(); ++row)
        all << list.item(row)->text();
    return all;
}

} // namespace

class TestGalleryBrowser : public QObject {
    Q_OBJECT

private slots:
    void solvedPicturesShowTheirColoursAndOthersNothingOfThem()
    {
        const std::vector<QRgb> solved = cellColours(GalleryBrowser::thumbnail(gallery[0], true, nullptr), 3, 2);
        const QRgb plate = solved[3];
        QVERIFY(plate != red && plate != green);
        QCOMPARE(solved, (std::vector<QRgb> {red, red, red, plate, plate, green}));
        QCOMPARE(cellColours(GalleryBrowser::thumbnail(gallery[0], false, nullptr), 3, 2), std::vector<QRgb>(6, plate));
        // A begun picture shows what the player filled, in grey, where they filled it.
        PuzzleGrid begun;
        begun.resize(3, 2);
        begun.cells[2][0] = Filled;
        begun.cells[0][1] = MarkedFilled;
        begun.cells[1][1] = Crossed;
        const std::vector<QRgb> grey = cellColours(GalleryBrowser::thumbnail(gallery[0], false, &begun), 3, 2);
        QCOMPARE(grey[0], plate);
        QVERIFY(grey[2] != plate && qRed(grey[2]) == qGreen(grey[2]) && qGreen(grey[2]) == qBlue(grey[2]));
        QCOMPARE(grey[3], grey[2]);
        QCOMPARE(grey[4], plate);
    }

    void albumsCountTheirSolvedPicturesAndOpenAtTheNextToSolve()
    {
        GalleryBrowser browser(
            gallery, {"cat"},
            [](const QString& id) {
                return ScoreBook::Record {id == "cat" ? "42" : "999", "", ""};
            },
            [](const GalleryPicture&) { return std::nullopt; }, "en");
        auto* albums = browser.findChildren<QListWidget*>().at(0);
        auto* pictures = browser.findChildren<QListWidget*>().at(1);
        QCOMPARE(texts(*albums), (QStringList {"Animals\n1 of 2", "Food\n0 of 1"}));
        QCOMPARE(texts(*pictures), (QStringList {"Cat\nBest: 42 s", "3x2\n" + GameWords::technique(2)}));
        QCOMPARE(browser.chosen(), 1);
        QVERIFY(!pictures->item(1)->toolTip().contains("Dog"));
        // The picture in play is shown chosen, in its album.
        browser.choose("apple");
        QCOMPARE(albums->currentRow(), 1);
        QCOMPARE(browser.chosen(), 2);
        browser.choose("cat");
        QCOMPARE(browser.chosen(), 0);
        browser.choose("no-such-picture");
        QCOMPARE(browser.chosen(), 0);
    }

    // Down picks the next album, Tab goes to its pictures, arrows move among them and Enter
    // plays the one chosen.
    void theKeysReachEveryPicture()
    {
        const auto choose = [](const QList<Qt::Key>& keys) {
            GalleryBrowser browser(
                gallery, {"cat"},
                [](const QString&) {
                    return ScoreBook::Record {"999", "", ""};
                },
                [](const GalleryPicture&) { return std::nullopt; }, "en");
            browser.show();
            browser.activateWindow();
            if (!QTest::qWaitForWindowActive(&browser))
                return -2;
            browser.findChildren<QListWidget*>().at(0)->setFocus();
            for (Qt::Key key : keys)
                QTest::keyClick(QApplication::focusWidget(), key);
            return browser.result() == QDialog::Accepted ? browser.chosen() : -1;
        };
        QCOMPARE(choose({Qt::Key_Down, Qt::Key_Tab, Qt::Key_Return}), 2);
        QCOMPARE(choose({Qt::Key_Tab, Qt::Key_Left, Qt::Key_Return}), 0);
        QCOMPARE(choose({Qt::Key_Down, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Return}), 1);
        QCOMPARE(choose({Qt::Key_Tab, Qt::Key_Escape}), -1);
    }
};

QTEST_MAIN(TestGalleryBrowser)
#include "test_gallery_browser.moc"
