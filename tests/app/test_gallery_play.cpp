// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of the gallery as the player meets it: started with its givens, titled in the
// player's language, revealed in its colours, its progress kept under its own id.
#include "Language.h"
#include "ScoreBook.h"
#include "WinScreen.h"
#include "WindowDriver.h"

#include <QLabel>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <utility>

namespace {

const GalleryPicture* firstWithGivens(const std::vector<GalleryPicture>& gallery)
{
    for (const GalleryPicture& picture : gallery)
        if (!picture.givens.empty())
            return &picture;
    return nullptr;
}

QRgb colourOf(const GalleryPicture& picture, QPoint cell)
{
    return QColor(picture.palette[std::size_t(picture.colours[std::size_t(cell.y() * picture.columns + cell.x())])])
        .rgb();
}

// The filled cells nearest the top-left and the bottom-right corners.
std::pair<QPoint, QPoint> cornerCells(const GalleryPicture& picture)
{
    QPoint first(picture.columns, picture.rows);
    QPoint last(-1, -1);
    for (int y = 0; y < picture.rows; ++y)
        for (int x = 0; x < picture.columns; ++x)
            if (picture.filled(x, y)) {
                if (x + y < first.x() + first.y())
                    first = QPoint(x, y);
                if (x + y > last.x() + last.y())
                    last = QPoint(x, y);
            }
    return {first, last};
}

// Whether the middle of each filled cell, where middleOf puts it in the image, is its colour.
bool showsPicture(const QImage& image, const GalleryPicture& picture, const std::function<QPoint(int, int)>& middleOf)
{
    for (int y = 0; y < picture.rows; ++y)
        for (int x = 0; x < picture.columns; ++x)
            if (picture.filled(x, y) && image.pixel(middleOf(x, y)) != colourOf(picture, QPoint(x, y))) {
                qWarning() << "cell" << x << y << "shows" << QColor(image.pixel(middleOf(x, y))).name();
                return false;
            }
    return true;
}

} // namespace

class TestGalleryPlay : public QObject {
    Q_OBJECT

private slots:
    void aPictureStartsWithItsGivensAndIsRevealedInItsColours()
    {
        ScratchGameFolder folder;
        WindowDriver w;
        QVERIFY(w->gallery().size() >= 300);
        const GalleryPicture* picture = firstWithGivens(w->gallery());
        QVERIFY(picture);
        w->StartPicture(*picture);
        QCOMPARE(w.session().phase(), Session::Phase::Playing);
        QCOMPARE(w.session().puzzle().origin.place, picture->id);
        const PuzzleGrid solution = picture->solution();
        for (const auto& [x, y] : picture->givens)
            QCOMPARE(w.cell(x, y), solution.cells[std::size_t(x)][std::size_t(y)]);
        QVERIFY(w.session().revealsPicture());

        w.solve();
        // The win is the picture's, in the mode played, and no size's; kept the moment after
        // the tick that saw it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        const SettingsStore& store = w->files().settings();
        const QString id = QString::fromStdString(picture->id);
        QCOMPARE(ScoreBook::pictureRecord(store, id, w.session().game().mode()).wins, QString("1"));
        QCOMPARE(ScoreBook::solvedPictures(store), QSet<QString> {id});
        QCOMPARE(
            ScoreBook::pictureRecord(store, QString::fromStdString(w->gallery()[1].id), Normal).wins, QString("0"));
        QCOMPARE(ScoreBook::lookup(store, "10x10", w.session().game().mode()).wins, QString("0"));

        // Half way through the reveal the colours have reached the top-left corner and not
        // yet the bottom-right one; the window shows each step of it.
        const auto [first, last] = cornerCells(*picture);
        QImage frame = w->drawingSurface()->grab().toImage();
        QVERIFY(frame.pixel(w.cellPoint(first.x(), first.y())) != colourOf(*picture, first));
        while (w.session().revealShown() < 0.5)
            w.tick();
        frame = w->drawingSurface()->grab().toImage();
        QCOMPARE(frame.pixel(w.cellPoint(first.x(), first.y())), colourOf(*picture, first));
        QVERIFY(frame.pixel(w.cellPoint(last.x(), last.y())) != colourOf(*picture, last));

        w.dissolve();
        QCOMPARE(w.session().phase(), Session::Phase::Finished);
        // Every cell in its own colour, none shifted: each filled cell's middle is its colour.
        frame = w->drawingSurface()->grab().toImage();
        QVERIFY(showsPicture(frame, *picture, [&](int x, int y) { return w.cellPoint(x, y); }));

        // The win screen shows the picture too, whole.
        QImage shown;
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<WinScreen*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->deleteLater();
            poll->stop();
            if (auto* label = dialog->findChild<QLabel*>("pictureLabel"); label && label->isVisible())
                shown = label->pixmap().toImage();
            dialog->done(WinScreen::ShowSolution);
        });
        poll->start(0);
        QCoreApplication::processEvents();
        QVERIFY(!shown.isNull());
        // The plate is what is not transparent; the cells divide it evenly.
        QRect plate;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (qAlpha(shown.pixel(x, y)) > 0)
                    plate |= QRect(x, y, 1, 1);
        const QSize cell(plate.width() / picture->columns, plate.height() / picture->rows);
        QCOMPARE(cell.width(), cell.height());
        QVERIFY(showsPicture(shown, *picture, [&](int x, int y) {
            return plate.topLeft() + QPoint(x * cell.width() + cell.width() / 2, y * cell.height() + cell.height() / 2);
        }));
    }

    // Kept and taken up again, a picture is the gallery's, with its givens and colours.
    void aKeptPictureComesBackAsThePicture()
    {
        ScratchGameFolder folder;
        // A copy: the gallery goes with its window.
        std::optional<GalleryPicture> picture;
        QPoint entered;
        {
            WindowDriver w;
            picture = *firstWithGivens(w->gallery());
            w->StartPicture(*picture);
            const PuzzleGrid solution = picture->solution();
            for (int x = 0; x < picture->columns && entered.isNull(); ++x)
                for (int y = 0; y < picture->rows; ++y)
                    if (solution.cells[std::size_t(x)][std::size_t(y)] == Filled && w.cell(x, y) == Blank) {
                        entered = {x, y};
                        break;
                    }
            w.drag(Qt::LeftButton, {entered});
            w.answer = true;
            w->close();
        }
        WindowDriver w;
        w.answer = true;
        w->StartUp();
        QCOMPARE(w.asked, QStringList({"Load game in progress from previous session?"}));
        const Puzzle& puzzle = w.session().puzzle();
        QCOMPARE(puzzle.origin.place, picture->id);
        QVERIFY(puzzle.givens == picture->givens && w.session().revealsPicture());
        QCOMPARE(puzzle.verdict, PuzzleVerdict::Kind::Logic);
        QCOMPARE(w.cell(entered.x(), entered.y()), int(Filled));
        const auto [gx, gy] = picture->givens.front();
        QVERIFY(w.session().game().given(gx, gy));
    }

    // Left for another game, a begun picture waits as it was, under its own id, until it is won.
    void aPictureLeftForAnotherComesBackAsItWas()
    {
        ScratchGameFolder folder;
        WindowDriver w;
        const GalleryPicture& first = w->gallery()[0];
        const GalleryPicture& second = w->gallery()[1];
        w->StartPicture(first);
        QPoint entered(-1, -1);
        for (int x = 0; x < first.columns && entered.x() < 0; ++x)
            for (int y = 0; y < first.rows; ++y)
                if (w.cell(x, y) == Blank) {
                    entered = {x, y};
                    break;
                }
        w.drag(Qt::RightButton, {entered});
        w.tick(120);
        const int seconds = w.session().seconds();
        const int faults = w.session().game().faults();
        // The browser shows the board in play as begun, as it is now.
        QVERIFY(w->begunBoard(first) && w->begunBoard(first)->cells == w.session().game().board().cells);
        QVERIFY(!w->begunBoard(second));
        w->StartPicture(second);
        QCOMPARE(w.cell(entered.x(), entered.y()), int(Blank));
        w.play(5, 5, Normal);
        w->StartPicture(first);
        QCOMPARE(w.session().puzzle().origin.place, first.id);
        QCOMPARE(w.cell(entered.x(), entered.y()), int(Crossed));
        QCOMPARE(w.session().seconds(), seconds);
        QCOMPARE(w.session().game().faults(), faults);
        // The second was never begun: it starts afresh.
        w->StartPicture(second);
        QCOMPARE(w.cell(entered.x(), entered.y()), int(Blank));
    }

    // Last: the language stays installed for the rest of the program.
    void theTitleIsInThePlayersLanguage()
    {
        ScratchGameFolder folder;
        useLanguage(*QCoreApplication::instance(), QLocale(QLocale::German));
        QCOMPARE(gameLanguage(), QString("de"));
        WindowDriver w;
        const GalleryPicture& picture = w->gallery().front();
        w->StartPicture(picture);
        QCOMPARE(w.session().puzzle().title, picture.titles[1]);
        QVERIFY(picture.titles[1] != picture.titles[0]);
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            delete translator;
    }
};

QTEST_MAIN(TestGalleryPlay)
#include "test_gallery_play.moc"
