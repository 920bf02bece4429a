#include "WindowDriver.h"

#include "SettingsStore.h"
#include "WinScreen.h"
#include "ui_WinScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QtTest>

namespace {

// Answers the win screen once it opens, after the tick that finished the dissolve: notes what
// it shows, picks a size and mode, then presses New Game (accept) or Quit.
void answerWinScreen(bool newGame, int sizeIndex, int modeIndex, QStringList* shown)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<WinScreen*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        poll->stop();
        *shown << dialog->ui->yourScoreLabel->text() << dialog->ui->winsLabel->text();
        dialog->SetSelection(sizeIndex, modeIndex);
        newGame ? dialog->accept() : dialog->reject();
    });
    poll->start(0);
}

QString stored(WindowDriver& w, const char* group, const char* key)
{
    return SettingsStore(w->files().settings().path()).read().value(group, key);
}

} // namespace

class HintAndWinTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchGameFolder> folder;

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup() { folder.reset(); }

    void aHintShowsItsLineWhileItsBoxIsOpen()
    {
        WindowDriver w;
        w.play(10, 10, Beginner);
        bool shownWhileAsked = false;
        w.whileAsked = [&](const QString&) { shownWhileAsked = w->scene().view().hintShown; };
        w.key(Qt::Key_H);
        QCOMPARE(w.asked.size(), 1);
        QVERIFY(w.asked[0].contains("technique"));
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
        // Kept the moment the board is solved: closing during the dissolve loses nothing.
        QCOMPARE(stored(w, "bestNormal", "5x5Wins"), QString("1"));
        QVERIFY(!w.form().actionHint->isEnabled() && !w.form().actionMarks->isEnabled());
        QStringList shown;
        answerWinScreen(true, 2, 2, &shown);
        w.dissolve();
        QVERIFY(shown.isEmpty()); // never inside the tick
        QTRY_COMPARE(shown.size(), 2);
        QVERIFY(shown[1].contains("1"));
        // The chosen 10x10 Expert game is made, and becomes the checked size and mode.
        QCOMPARE(w.session().phase(), Session::Phase::Creating);
        QVERIFY(w.form().action10x10->isChecked() && w.form().actionExpert->isChecked());

        // Quit on the win screen closes the window.
        w.play(5, 5, Beginner);
        w.solve();
        answerWinScreen(false, 0, 0, &shown);
        w.dissolve();
        QTRY_VERIFY(!w->isVisible());
        QCOMPARE(stored(w, "bestBeginner", "5x5Wins"), QString("1"));
    }

    void aBoxAnswersOnlyTheGameThatAsked()
    {
        // A new game begun while the hint's box is open keeps its board blank.
        WindowDriver w;
        w.play(10, 10, Beginner);
        w.whileAsked = [&](const QString&) {
            w.whileAsked = {};
            w.play(5, 5, Normal);
        };
        w->MenuHint();
        QCOMPARE(w.session().columns(), 5);
        for (int x = 0; x < 5; ++x)
            for (int y = 0; y < 5; ++y)
                QCOMPARE(w.cell(x, y), int(Blank));
        QCOMPARE(w.session().game().faults(), 0);
        QVERIFY(!w.session().clockStarted());
    }
};

QTEST_MAIN(HintAndWinTest)
#include "test_hint_and_win.moc"
