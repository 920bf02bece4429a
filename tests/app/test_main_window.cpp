// SPDX-License-Identifier: GPL-3.0-or-later
// What needs the main window itself: the pointer and the keys reaching the right cells through
// real events, the boxes of the hint and the win opening where and when they should, and the
// help windows. The rules of each move are the session's and are tested there.
#include "WindowDriver.h"

#include "DifficultyBands.h"
#include "GameMode.h"
#include "GameWords.h"
#include "HelpBrowser.h"
#include "HelpWindows.h"
#include "PuzzleSizes.h"
#include "SceneGeometry.h"
#include "ScoreBook.h"
#include "SettingsStore.h"
#include "TechniqueNames.h"
#include "WinScreen.h"
#include "ui_HelpBrowser.h"
#include "ui_WinScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QHelpEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>

namespace {

// Answers the win screen once it opens, after the tick that finished the dissolve: notes what
// it shows, picks a size and mode, then gives the result of one of its buttons.
void answerWinScreen(int result, QStringList* shown = nullptr, int sizeIndex = 0, int modeIndex = 0)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<WinScreen*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        poll->stop();
        if (shown)
            *shown << dialog->ui->yourScoreLabel->text() << dialog->ui->winsLabel->text();
        dialog->SetSelection(sizeIndex, modeIndex);
        dialog->done(result);
    });
    poll->start(0);
}

QString stored(WindowDriver& w, const char* group, const char* key)
{
    // The window writes the moment after a tick or command, as the event loop would let it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    return SettingsStore(w->files().settings().path()).read().value(group, key);
}

QPoint hover(WindowDriver& w)
{
    const ClueHover& hover = w->scene().view().hover;
    return {hover.column, hover.row};
}

void closeHelpWindows()
{
    CloseHelpWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchGameFolder> folder;

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup()
    {
        closeHelpWindows();
        folder.reset();
    }

    void theMouseEntersCellsWhereItPoints()
    {
        WindowDriver w;
        w.play(10, 10, Normal);
        // A drag fills its line, cells a fast move jumps over too; the right button crosses.
        w.drag(Qt::LeftButton, {{0, 0}, {4, 0}});
        QVERIFY(w.session().game().board().row(0) == std::vector<int>({1, 1, 1, 1, 1, 0, 0, 0, 0, 0}));
        w.drag(Qt::RightButton, {{2, 3}});
        QCOMPARE(w.cell(2, 3), int(Crossed));
        // The hovered cell lights its lines; leaving the window darkens them.
        w.moveTo(6, 2);
        QCOMPARE(hover(w), QPoint(6, 2));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(w.operator->(), &leave);
        QCOMPARE(hover(w), QPoint(-1, -1));
    }

    void theTickSleepsWhileNothingMovesAndWakesForThePlayer()
    {
        WindowDriver w;
        w.play(5, 5, Normal);
        QTimer& timer = *w->tickTimer();
        timer.start(10);
        for (int ticks = 0; ticks < 5000 && !w->session().reserve().readyFor(5, 5); ++ticks)
            w.tick();
        // Nothing moves and the clock has not started: a tick a second keeps the music going.
        w.tick();
        QCOMPARE(timer.interval(), 1000);
        w.moveTo(2, 2);
        QCOMPARE(timer.interval(), 10);
        w.tick();
        QCOMPARE(timer.interval(), 1000);
        // A click's particles move at every tick; once they have faded, the tick wakes only
        // when the clock shows its next second.
        w.drag(Qt::LeftButton, {{2, 2}});
        QVERIFY(w->scene().particlesAlive());
        QCOMPARE(timer.interval(), 10);
        while (w->scene().particlesAlive())
            w.tick();
        QTest::qSleep(20);
        w.tick();
        QVERIFY(w->session().clockStarted() && timer.interval() < 1000);
        QCOMPARE(timer.intervalAsDuration(), w->session().toNextSecond());
        // A command wakes it too.
        w->form()->actionPause->trigger();
        QCOMPARE(timer.interval(), 10);
        // With music off and the clock standing, nothing is due: the tick sleeps for good,
        // until the player does something.
        w->form()->actionMusic->trigger();
        QVERIFY(!w->menus().musicOn());
        for (int ticks = 0; ticks < 500 && timer.isActive(); ++ticks)
            w.tick();
        QVERIFY(!timer.isActive());
        w.moveTo(3, 3);
        QVERIFY(timer.isActive() && timer.interval() == 10);
    }

    void keysPlayAtTheCursor()
    {
        WindowDriver w;
        w.play(10, 10, Normal);
        // Each game starts with the cursor lit top left; it is outlined once the keys are used,
        // and no more once the pointer leads.
        QCOMPARE(hover(w), QPoint(0, 0));
        QVERIFY(!w->scene().cursorShown(w.session()));
        w.key(Qt::Key_Right);
        QVERIFY(w->scene().cursorShown(w.session()));
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Space);
        w.key(Qt::Key_Right);
        w.key(Qt::Key_X);
        w.tick();
        QCOMPARE(w.cell(1, 1), int(Filled));
        QCOMPARE(w.cell(2, 1), int(Crossed));
        // A held Space drags along the line; its repeats count once; the edge stops it.
        QTest::keyPress(w.operator->(), Qt::Key_Space);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(w.operator->(), &repeat);
        for (int step = 0; step < 3; ++step)
            w.key(Qt::Key_Down);
        QTest::keyRelease(w.operator->(), Qt::Key_Space);
        w.tick();
        for (int y = 2; y < 5; ++y)
            QCOMPARE(w.cell(2, y), int(Blank)); // the drag began on a cross, so it erases
        QCOMPARE(w.cell(2, 1), int(Blank));
        for (int step = 0; step < 12; ++step)
            w.key(Qt::Key_Up);
        QCOMPARE(hover(w), QPoint(2, 0));
        // The pointer moves the cursor with it.
        w.moveTo(7, 8);
        QVERIFY(!w->scene().cursorShown(w.session()));
        w.key(Qt::Key_Space);
        w.tick();
        QCOMPARE(w.cell(7, 8), int(Filled));
    }

    void commandKeysObeyTheirPhase()
    {
        WindowDriver w;
        w.play(5, 5, Beginner);
        // No marks in Beginner; F2 asks first and a No keeps the game.
        w.key(Qt::Key_M);
        QVERIFY(!w.session().game().marking());
        w.key(Qt::Key_F2);
        QCOMPARE(w.asked, QStringList({"New game?"}));
        QCOMPARE(w.session().phase(), Session::Phase::Playing);
        w.play(5, 5, Normal);
        // A held button ends at the pause: it comes up while paused, and a click there only
        // resumes, so that the move enters nothing.
        w.press(Qt::LeftButton, 0, 0);
        w.tick();
        w.key(Qt::Key_P);
        QCOMPARE(w.session().phase(), Session::Phase::Paused);
        QCOMPARE(hover(w), QPoint(-1, -1));
        w.release(Qt::LeftButton, 0, 0);
        w.press(Qt::LeftButton, 3, 3);
        QCOMPARE(w.session().phase(), Session::Phase::Playing);
        w.moveTo(3, 4);
        w.release(Qt::LeftButton, 3, 4);
        w.tick();
        QVERIFY(w.cell(3, 3) == Blank && w.cell(3, 4) == Blank && w.cell(0, 0) == Filled);
        w.key(Qt::Key_M);
        QVERIFY(w.session().game().marking() && w.form().actionMarks->isChecked());
        w.drag(Qt::LeftButton, {{1, 1}});
        QCOMPARE(w.cell(1, 1), int(MarkedFilled));
        // Keep marks? Yes: they become cells, which Undo takes back.
        w.answer = true;
        w.key(Qt::Key_M);
        QCOMPARE(w.cell(1, 1), int(Filled));
        w.form().actionUndo->trigger();
        QCOMPARE(w.cell(1, 1), int(MarkedFilled));
    }

    // The choices live on the entries, not in their words: in every language the checked
    // mode is the mode played and the mode kept.
    void theCheckedModeIsPlayedInEveryLanguage()
    {
        for (const char* language : {"de_DE", "fr_FR", "es_ES"}) {
            QTranslator translator;
            QVERIFY(translator.load(QLocale(language), "tessarin", "_", ":/i18n"));
            QCoreApplication::installTranslator(&translator);
            QFile settings("tessarin.ini");
            QVERIFY(settings.open(QIODevice::WriteOnly)
                && settings.write("[settings]\nnewPlayer=false\n[lastGame]\nlastMode=Expert\nlastSize=10x5\n") > 0);
            settings.close();
            {
                WindowDriver w;
                QVERIFY(w->menus().modeEntry(Expert)->isChecked());
                QVERIFY(w->menus().modeEntry(Beginner)->text() != "Beginner");
                w.form().actionNew_Game->trigger();
                QCOMPARE(w.session().mode(), int(Expert));
                QCOMPARE(w.session().columns(), 10);
                w->menus().modeEntry(Normal)->trigger();
                w.form().actionTodaysPuzzle->trigger();
                QCOMPARE(w.session().mode(), int(Normal));
                QVERIFY(w->SaveSettings());
                QCOMPARE(stored(w, "lastGame", "lastMode"), QString("Normal"));
            }
            QCoreApplication::removeTranslator(&translator);
        }
    }

    // The difficulty checked makes the next puzzle, the reserve's and today's; a size that
    // does not make it plays as before, with the reason at hand; wins count under the band.
    void theCheckedDifficultyMakesTheNextPuzzleAndKeepsItsOwnRecords()
    {
        QFile settings("tessarin.ini");
        QVERIFY(settings.open(QIODevice::WriteOnly)
            && settings.write("[settings]\nnewPlayer=false\n[lastGame]\nlastSize=30x30\nlastDifficulty=Hard\n") > 0);
        settings.close();
        const int hard = findBand("Hard");
        const int veryHard = findBand("VeryHard");
        WindowDriver w;
        const GameMenus& menus = w->menus();
        QVERIFY(menus.bandEntry(hard)->isChecked());
        const auto playNew = [&] {
            w.form().actionNew_Game->trigger();
            for (int ticks = 0; ticks < 1000 && w.session().phase() == Session::Phase::Creating; ++ticks)
                w.tick();
            QCOMPARE(w.session().phase(), Session::Phase::Playing);
        };
        playNew();
        QCOMPARE(w.session().columns(), 30);
        QCOMPARE(w.session().code()->band, hard);
        QCOMPARE(bandOf(w.session().difficulty(), 30, 30), hard);

        menus.sizeEntry(sizeIndexOf(10, 5))->trigger();
        QVERIFY(!menus.bandEntry(hard)->isEnabled() && menus.bandEntry(hard)->toolTip().contains("10x5"));
        QVERIFY(!menus.bandEntry(veryHard)->isEnabled() && menus.bandEntry(veryHard)->toolTip().contains("What If"));
        QVERIFY(menus.bandEntry(hard)->isChecked());
        QCOMPARE(menus.band(), -1);
        playNew();
        QCOMPARE(w.session().code()->band, -1);
        QVERIFY(w.session().code()->text().find("-H-") == std::string::npos);

        menus.sizeEntry(sizeIndexOf(10, 10))->trigger();
        QVERIFY(menus.bandEntry(hard)->isEnabled() && !menus.bandEntry(hard)->toolTip().contains("10x10"));
        w.form().actionTodaysPuzzle->trigger();
        for (int ticks = 0; ticks < 1000 && w.session().phase() == Session::Phase::Creating; ++ticks)
            w.tick();
        const std::string today = w.session().code()->text();
        QCOMPARE(w.session().code()->band, hard);
        QCOMPARE(bandOf(w.session().difficulty(), 10, 10), hard);
        w.solve();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        const SettingsStore& store = w->files().settings();
        QCOMPARE(ScoreBook::lookup(store, "10x10Hard", w.session().game().mode()).wins, QString("1"));
        QCOMPARE(ScoreBook::lookup(store, "10x10", w.session().game().mode()).wins, QString("0"));
        QVERIFY(w->SaveSettings());
        QCOMPARE(stored(w, "lastGame", "lastDifficulty"), QString("Hard"));
    }

    // The info box's word for the difficulty tells its technique on demand, and only there.
    void theDifficultysWordShowsItsTechniqueInItsToolTip()
    {
        WindowDriver w;
        w.play(10, 10, Normal);
        MainWindow* window = w.operator->();
        const ClueSet& clues = w.session().clues();
        const QRect box
            = w->scene().layout().infoInWindow(SceneGeometry::infoBox(clues.widestRowClue(), clues.widestColumnClue()));
        QWidget* surface = w->drawingSurface();
        const auto tipAt = [&](QPoint inWindow) {
            const QPoint at = surface->mapFrom(window, inWindow);
            QHelpEvent help(QEvent::ToolTip, at, surface->mapToGlobal(at));
            QApplication::sendEvent(surface, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(w->scene().layout().cellCentreInWindow(5, 5)), QString());
        QCOMPARE(tipAt(box.center()), GameWords::hardestTechnique(w.session().difficulty().hardestTechnique));
        // Moved off the box, it goes.
        tipAt(w->scene().layout().cellCentreInWindow(5, 5));
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void aHintShowsItsLineWhileItsBoxIsOpen()
    {
        WindowDriver w;
        w.play(10, 10, Beginner);
        bool shownWhileAsked = false;
        QString line;
        w.whileAsked = [&](const QString&) {
            const ViewState& view = w->scene().view();
            shownWhileAsked = view.hintShown;
            const ClueSet& clues = w.session().game().clues();
            line = QString::fromStdString(lineName(view.hintIsRow, view.hintLine,
                (view.hintIsRow ? clues.rowClues : clues.columnClues)[size_t(view.hintLine)]));
        };
        w.key(Qt::Key_H);
        QCOMPARE(w.asked.size(), 1);
        // The box names the technique and the line and clue it was used on.
        QVERIFY(w.asked[0].contains("technique"));
        QVERIFY2(w.asked[0].contains("<p align='center'>" + line + "</p>"), qPrintable(w.asked[0]));
        // Counted for its technique at once.
        const QString technique = w.asked[0].section("<b>", 1).section("</b>", 0, 0);
        QCOMPARE(stored(w, "techniques", qPrintable(technique + "Hints")), QString("1"));
        QVERIFY(shownWhileAsked && !w->scene().view().hintShown);
        // The deduced cells were entered for one fault, and the clock runs.
        QCOMPARE(w.session().game().faults(), 1);
        QVERIFY(w.session().clockStarted() && w.form().actionUndo->isEnabled());

        // In marks mode the hint is refused, by key and by menu.
        w.play(10, 10, Normal);
        w.form().actionMarks->trigger();
        QVERIFY(!w.form().actionHint->isEnabled());
        w.key(Qt::Key_H);
        QCOMPARE(w.asked.size(), 1);
    }

    void aWinCountsAtOnceAndItsScreenComesAfterTheDissolve()
    {
        WindowDriver w;
        w.play(5, 5, Normal);
        w.solve();
        // Kept the moment after the board is solved (not inside the tick), with its hardest
        // technique: closing during the dissolve loses nothing.
        QCOMPARE(SettingsStore(w->files().settings().path()).read().value("bestNormal", "5x5Wins"), QString());
        QCOMPARE(stored(w, "bestNormal", "5x5Wins"), QString("1"));
        const QString hardest = techniqueName(w.session().difficulty().hardestTechnique);
        QCOMPARE(stored(w, "techniques", qPrintable(hardest + "Wins")), QString("1"));
        QVERIFY(!w.form().actionHint->isEnabled() && !w.form().actionMarks->isEnabled());
        QStringList shown;
        answerWinScreen(QDialog::Accepted, &shown, 2, 2);
        w.dissolve();
        QVERIFY(shown.isEmpty()); // never inside the tick
        QTRY_COMPARE(shown.size(), 2);
        QVERIFY(shown[1].contains("1"));
        // The chosen 10x10 Expert game is made, and becomes the checked size and mode.
        QCOMPARE(w.session().phase(), Session::Phase::Creating);
        QVERIFY(w->menus().sizeEntry(sizeIndexOf(10, 10))->isChecked() && w->menus().modeEntry(Expert)->isChecked());

        // Quit on the win screen closes the window.
        w.play(5, 5, Beginner);
        w.solve();
        answerWinScreen(QDialog::Rejected, &shown);
        w.dissolve();
        QTRY_VERIFY(!w->isVisible());
        QCOMPARE(stored(w, "bestBeginner", "5x5Wins"), QString("1"));
    }

    void theWinScreenShowsOnceWhateverBoxFollowsIt()
    {
        // Settings that cannot be written are told as the window closes after Quit; ticks run
        // while that box is open, and the win screen must not open again over it.
        QVERIFY(QFile::remove("tessarin.ini") && QFile::link("gone/tessarin.ini", "tessarin.ini"));
        WindowDriver w;
        w.play(5, 5, Normal);
        w.solve();
        int screens = 0;
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [&screens] {
            if (auto* dialog = qobject_cast<WinScreen*>(QApplication::activeModalWidget())) {
                ++screens;
                dialog->done(QDialog::Rejected);
            }
        });
        poll->start(0);
        w.whileAsked = [&](const QString&) {
            for (int i = 0; i < 20; ++i) {
                w.tick();
                QCoreApplication::processEvents();
            }
        };
        w.dissolve();
        QTRY_VERIFY(!w->isVisible());
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        delete poll;
        QCOMPARE(screens, 1);
        QCOMPARE(w.asked.size(), 1);
        QVERIFY(w.asked[0].startsWith("Your settings and scores could not be saved"));

        // F2 on the solved board starts the next game at once: nothing is lost there.
        WindowDriver next;
        next.play(5, 5, Normal);
        next.solve();
        next.key(Qt::Key_F2);
        QVERIFY(next.asked.isEmpty());
        QCOMPARE(next.session().phase(), Session::Phase::Creating);
    }

    void theSolutionIsReplayedFromTheWinScreenAndLeftForTheFinishedBoard()
    {
        WindowDriver w;
        w.play(10, 5, Beginner);
        w.solve();
        answerWinScreen(WinScreen::ShowSolution);
        w.dissolve();
        QTRY_COMPARE(w.session().phase(), Session::Phase::Replaying);
        const SolutionReplay& replay = w.session().replay();
        const ReplayBar& bar = *w->replayBar();
        QVERIFY(!bar.isHidden());
        QCOMPARE(bar.stepText(), "Step 0 of " + QString::number(replay.count()) + ": the blank board");
        // A button that would go nowhere is disabled: the jumps at their ends too.
        const auto enabled = [&](const char* tip) {
            for (const QPushButton* button : bar.findChildren<QPushButton*>())
                if (button->toolTip() == tip)
                    return button->isEnabled();
            qFatal("no button %s", tip);
        };
        QVERIFY(!enabled("Start (Home)") && !enabled("Back (Left)") && enabled("End (End)"));

        // The arrows and Space step through the replay, not the cursor, and the step's line
        // stands out as a hint's does.
        const ViewState& view = w->scene().view();
        const QPoint cursor(view.cursorColumn, view.cursorRow);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Space, Qt::Key_Space, Qt::Key_Left})
            w.key(key);
        QCOMPARE(replay.position(), 2);
        QCOMPARE(QPoint(view.cursorColumn, view.cursorRow), cursor);
        const SolutionReplay::Step& step = *replay.current();
        QVERIFY(view.hintShown && view.hintIsRow == step.isRow && view.hintLine == step.line);
        QCOMPARE(bar.stepText(),
            "Step 2 of " + QString::number(replay.count()) + ": "
                + QString::fromStdString(deductionName(step.technique, step.isRow, step.line, step.clue)));
        w.key(Qt::Key_End);
        QVERIFY(w.session().board().cells == w.session().game().solution().cells);
        QVERIFY(enabled("Start (Home)") && !enabled("End (End)") && !enabled("Forward (Right or Space)"));
        // Minus and plus slow it down and speed it up, eight times either way at most.
        QCOMPARE(bar.speedText(), QString("Speed: 1\u00d7"));
        for (int i = 0; i < 2; ++i)
            w.key(Qt::Key_Minus);
        QCOMPARE(bar.speedText(), QString("Speed: 1/4\u00d7"));
        for (int i = 0; i < 9; ++i)
            w.key(Qt::Key_Plus);
        QCOMPARE(bar.speedText(), QString("Speed: 8\u00d7"));
        QVERIFY(!enabled("Faster (+)") && enabled("Slower (-)"));
        w.key(Qt::Key_Home);
        QVERIFY(!view.hintShown);
        w.key(Qt::Key_P);
        QVERIFY(w.session().replayPlaying());
        w.key(Qt::Key_Right);

        // Escape leaves for the finished board, which the session's replay test checks.
        w.key(Qt::Key_Escape);
        QCOMPARE(w.session().phase(), Session::Phase::Solved);
        QVERIFY(bar.isHidden() && !view.hintShown);
        w.form().actionShowSolution->trigger();
        QCOMPARE(w.session().phase(), Session::Phase::Replaying);
        w.form().actionNew_Game->trigger();
        QVERIFY(bar.isHidden() && !w.form().actionShowSolution->isEnabled());
    }

    void aPuzzleWithoutOneSolutionIsPlayedWithoutBeginner()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath("diagonals.non"));
        QVERIFY(file.open(QIODevice::WriteOnly)
            && file.write("title \"Two diagonals\"\nwidth 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n") > 0);
        file.close();
        WindowDriver w;
        w.play(5, 5, Beginner);
        QVERIFY(w->menus().modeEntry(Beginner)->isEnabled());
        QVERIFY(w->OpenPuzzleFile(file.fileName()));
        QCOMPARE(w.session().mode(), int(Normal));
        QAction& beginner = *w->menus().modeEntry(Beginner);
        QVERIFY(!beginner.isEnabled() && beginner.toolTip().contains("solution"));
        w.form().actionAboutPuzzle->trigger();
        QCOMPARE(w.asked.size(), 1);
        QVERIFY2(w.asked[0].contains("Two diagonals") && w.asked[0].contains("more than one solution")
                && w.asked[0].contains("2x2"),
            qPrintable(w.asked[0]));
        // A generated puzzle again: Beginner is back.
        w.play(5, 5, Beginner);
        QVERIFY(beginner.isEnabled() && !beginner.toolTip().contains("solution"));
    }

    void aCodeOrTheDateStartsItsPuzzleAndAnythingElseChangesNothing()
    {
        WindowDriver w;
        w.play(5, 5, Beginner);
        const int game = w.session().gameNumber();
        // Cancelled, or not a code: the game goes on; the player is told what a code is, in
        // plain text whatever was typed.
        for (const std::optional<QString>& typed : std::initializer_list<std::optional<QString>> {
                 std::nullopt, QString("   "), QString("<b>15x10-1111E</b>")}) {
            w.asked.clear();
            w.typeNext(typed);
            w.form().actionEnterCode->trigger();
            QCOMPARE(w.session().gameNumber(), game);
            QCOMPARE(w.asked.size(), typed && typed->trimmed().size() ? 2 : 1);
        }
        QVERIFY(w.asked.last().contains("&lt;b&gt;15x10-1111E&lt;/b&gt;\" is not a puzzle code"));

        // A code starts its puzzle (the one test_puzzle_code finds it makes) in the checked
        // mode, and the Size menu follows it.
        w->menus().modeEntry(Expert)->trigger();
        w.typeNext(QString(" 15x10-1111d "));
        w.form().actionEnterCode->trigger();
        while (w.session().phase() == Session::Phase::Creating)
            w.tick();
        QCOMPARE(w.session().code()->text(), std::string("15x10-1111D"));
        QVERIFY(w.session().game().mode() == Expert && w->menus().sizeEntry(sizeIndexOf(15, 10))->isChecked());

        // Today's puzzle is the date's, at the checked size.
        w->menus().sizeEntry(sizeIndexOf(10, 5))->trigger();
        w.form().actionTodaysPuzzle->trigger();
        const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
        QCOMPARE(w.session().code()->text(), PuzzleCode::ofDay(today, 10, 5).text());
    }

    void restartAsksOnlyWhenCellsWouldBeLost()
    {
        WindowDriver w;
        w.play(5, 5, Normal);
        w.form().actionRestart->trigger();
        QVERIFY(w.asked.isEmpty());
        // A cross is work too.
        w.drag(Qt::RightButton, {{2, 2}});
        QCOMPARE(w.cell(2, 2), int(Crossed));
        w.answer = false;
        w.form().actionRestart->trigger();
        QCOMPARE(w.asked.size(), 1);
        QVERIFY(w.cell(2, 2) != Blank);
        w.answer = true;
        w.form().actionRestart->trigger();
        QCOMPARE(w.cell(2, 2), int(Blank));
        QVERIFY(!w.form().actionUndo->isEnabled());
    }

    void eachPlaceOpensItsPage()
    {
        QFile::remove("tessarin.ini"); // a new player
        WindowDriver w;
        w.key(Qt::Key_F1);
        w.form().actionHow_To_Play->trigger();
        // The first-time question's Yes opens How to Play before the puzzle is created.
        w.answer = true;
        w->MenuNewGame();
        QStringList pages;
        for (HelpBrowser* help : helpWindows()) {
            pages << help->ui->textBrowser->source().fileName();
            // The game's one icon, not a copy loaded per window that Qt would cache anew each time.
            QVERIFY(!help->windowIcon().isNull());
            QCOMPARE(help->windowIcon().cacheKey(), w->windowIcon().cacheKey());
        }
        pages.sort();
        QCOMPARE(pages, QStringList({"howtoplay.html", "howtoplay.html", "index.html"}));
        closeHelpWindows();

        // The hint box's Help button lands on its technique.
        w.play(5, 5, Beginner);
        w->MenuHint();
        QCOMPARE(helpWindows().size(), 1);
        const QUrl source = helpWindows().first()->ui->textBrowser->source();
        QCOMPARE(source.fileName(), QString("methods.html"));
        QVERIFY(!source.fragment().isEmpty() && w.asked.last().contains("<b>" + source.fragment() + "</b>"));

        // The help goes with the window, not merely hidden: a hidden top-level window would
        // still be counted here.
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int left = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            left += qobject_cast<HelpBrowser*>(widget) != nullptr;
        QCOMPARE(left, 0);
    }

    void helpStaysUsableWhileAQuestionIsOpen()
    {
        WindowDriver w;
        w.play(5, 5, Normal);
        HelpBrowser* help = OpenHelp("Help//howtoplay.html");
        QVERIFY(QTest::qWaitForWindowExposed(help));
        const QString homeTitle = "Help: Contents";
        QVERIFY(help->windowTitle() != homeTitle);

        // Real boxes from here on; clicks go through the windows, as the player's would.
        Prompt::setResponder({});
        QString titleWhileAsked;

        QTimer::singleShot(200, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            const QPoint home = help->ui->homeButton->mapTo(help, help->ui->homeButton->rect().center());
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, home);
            titleWhileAsked = help->windowTitle();
            const QPoint cell = w->drawingSurface()->mapTo(w.operator->(), w.cellPoint(1, 1));
            QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, cell);
            QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, cell);
            box->button(QMessageBox::No)->click();
        });
        w.key(Qt::Key_F2);
        QCOMPARE(titleWhileAsked, homeTitle);
        w.tick();
        QCOMPARE(w.cell(1, 1), int(Blank)); // the question blocks the board
        QCOMPARE(w.session().phase(), Session::Phase::Playing);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
