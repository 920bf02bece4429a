// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of the gallery as the player meets it: started with its givens, titled in the
// player's language, revealed in its colours, its progress kept under its own id.
#include "Language.h"
#include "ScoreBook.h"
#include "WindowDriver.h"

#include <QTranslator>

namespace {

const GalleryPicture* firstWithGivens(const std::vector<GalleryPicture>& gallery)
{
    for (const GalleryPicture& picture : gallery)
        if (!picture.givens.empty())
            return &picture;
    return nullptr;
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
        w.dissolve();
        QCOMPARE(w.session().phase(), Session::Phase::Finished);
        // Every cell in its own colour, none shifted: each filled cell's middle is its colour.
        const QImage frame = w->drawingSurface()->grab().toImage();
        for (int y = 0; y < picture->rows; ++y)
            for (int x = 0; x < picture->columns; ++x) {
                if (!picture->filled(x, y))
                    continue;
                const QRgb colour
                    = picture->palette[std::size_t(picture->colours[std::size_t(y * picture->columns + x)])];
                QCOMPARE(QColor(frame.pixel(w.cellPoint(x, y))).name(), QColor(colour).name());
            }
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
