#include "WindowDriver.h"

#include "LineNotation.h"
#include "SettingsStore.h"
#include "WinScreen.h"
#include "ui_MainWindow.h"
#include "ui_WinScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Answers the win screen from inside its event loop: picks a size and mode, then presses
// New Game (accept) or Quit.
void answerWinScreen(bool newGame, int sizeIndex = -1, int modeIndex = -1, QStringList* shown = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<class WinScreen*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (shown)
            *shown << dialog->ui->yourScoreLabel->text() << dialog->ui->bestScoreLabel->text()
                   << dialog->ui->winsLabel->text() << dialog->ui->sizeComboBox->currentText()
                   << dialog->ui->modeComboBox->currentText();
        if (sizeIndex >= 0)
            dialog->SetSelection(sizeIndex, modeIndex);
        newGame ? dialog->accept() : dialog->reject();
    });
}

// A key of "tessarin.ini" as it stands on disk.
QString stored(WindowDriver& w, const char* group, const char* key)
{
    return SettingsStore(w->settingsStore.path()).read().value(group, key);
}

} // namespace

class HintAndWinTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup() { folder.reset(); }
    void normalHintMendsTheFirstWrongCell();
    void expertHintClearsOrReassures();
    void techniqueHintNamesItAndKeepsTheCells();
    void hintFindingNothingCostsNothing();
    void hKeyObeysItsConditions();
    void winIsRecordedAndNextGameChosen();
    void aWinOutlivesTheDissolve();
    void aBoxAnswersOnlyTheGameThatAsked();
    void quittingTheWinScreenClosesTheWindow();

private:
    std::unique_ptr<ScratchGameFolder> folder;
};

void HintAndWinTest::normalHintMendsTheFirstWrongCell()
{
    WindowDriver w;
    w.play(5, 5, Normal, 11);
    // Wrong cells at (3, 1) and (1, 4): column 1 comes first.
    for (const QPoint& wrong : {QPoint(3, 1), QPoint(1, 4)})
        w.setCell(wrong.x(), wrong.y(), 3 - w->solution.cells[wrong.x()][wrong.y()]);
    w->MenuHint();
    QCOMPARE(w.cell(1, 4), w->solution.cells[1][4]);
    QCOMPARE(w.cell(3, 1), 3 - w->solution.cells[3][1]);
    QCOMPARE(w->faults, 1);
    QCOMPARE(w->faultX, w->boardX + 24);
    QCOMPARE(w->faultY, w->boardY + 96);
    QVERIFY(w.asked.isEmpty());
    QVERIFY(w->clock.isValid());
}

void HintAndWinTest::expertHintClearsOrReassures()
{
    WindowDriver w;
    w.play(5, 5, Expert, 12);
    const QPoint right = w.solutionCell(Filled);
    w.setCell(right.x(), right.y(), Filled);
    w->MenuHint();
    QCOMPARE(w.asked, QStringList({"<p align='center'>All markings are currently correct.</p>"}));
    QCOMPARE(w->faults, 0);
    QCOMPARE(w.cell(right.x(), right.y()), int(Filled));

    const QPoint wrong = w.solutionCell(Crossed);
    w.setCell(wrong.x(), wrong.y(), Filled);
    w->MenuHint();
    QCOMPARE(w.cell(wrong.x(), wrong.y()), int(Blank));
    QCOMPARE(w->faults, 1);
    QCOMPARE(w.asked.size(), 1);
}

void HintAndWinTest::techniqueHintNamesItAndKeepsTheCells()
{
    // A 5 x 5 whose first column is full: Boxes fills it, shown as marks under the box.
    WindowDriver w;
    w.play(5, 5, Beginner, 13);
    w->clues.columnClues[0] = {5};
    QStringList seen;
    Prompt::setResponder([&](const QString& text) {
        seen << text << QString::number(w->hintShown) << digitsOf(w->board.column(0));
        return Prompt::Answer::No;
    });
    w->MenuHint();
    QCOMPARE(seen,
        QStringList({"<p align='center'>These cells are found using the <b>Boxes</b> technique.</p>", "1", "33333"}));
    QVERIFY(!w->hintShown);
    QCOMPARE(digitsOf(w->board.column(0)), QString("11111"));
    QCOMPARE(w->faults, 1);
    QVERIFY(!w->hintIsRow);
    QCOMPARE(w->hintLine, 0);
}

void HintAndWinTest::hintFindingNothingCostsNothing()
{
    WindowDriver w;
    w.play(10, 5, Normal, 14);
    w->board.copyFrom(w->solution);
    w->MenuHint();
    QCOMPARE(w->faults, 0);
    QVERIFY(w.asked.isEmpty());
    QVERIFY(w->clock.isValid());
}

void HintAndWinTest::hKeyObeysItsConditions()
{
    WindowDriver w;
    w.play(5, 5, Normal, 15);
    w->ui->actionMarks->trigger();
    w.key(Qt::Key_H);
    QCOMPARE(w->faults, 0);
    QVERIFY(!w->ui->actionHint->isEnabled());
    w->ui->actionMarks->trigger();
    w.key(Qt::Key_H);
    QCOMPARE(w->faults, 1);
}

void HintAndWinTest::winIsRecordedAndNextGameChosen()
{
    WindowDriver w;
    w.play(10, 10, Normal, 16);
    w->particlesOn = false;
    w->timeOffset = 143;
    w->faults = 2;
    w->clock.start();
    w.solve();
    // Kept the moment the board is solved, while it has yet to dissolve, and nothing acts on
    // the solved game any more.
    QCOMPARE(stored(w, "bestNormal", "10x10Wins"), QString("1"));
    QCOMPARE(stored(w, "bestNormal", "10x10Time"), QString("143"));
    for (const QAction* command : {w->ui->actionHint, w->ui->actionMarks, w->ui->actionPause, w->ui->action5x5,
             w->ui->actionExpert, w->ui->actionUndo})
        QVERIFY2(!command->isEnabled(), qPrintable(command->text()));
    w->MenuHint();
    w->MenuMarking();
    QCOMPARE(w->faults, 2);
    QVERIFY(w.asked.isEmpty());

    QStringList shown;
    answerWinScreen(true, 5, 2, &shown);
    w.tick(10 * 10 + 2);
    QCOMPARE(shown,
        QStringList({"Your Time: 143 seconds with 2 faults.", "Best Time: 143 seconds with 2 faults.",
            "Total Wins for This Type: 1.", "10x10", "Normal"}));
    QCOMPARE(w->state, Creating);
    QCOMPARE(w->columns, 20);
    QCOMPARE(w->rows, 15);
    QCOMPARE(w->mode, int(Expert));
    QVERIFY(w->ui->action20x15->isChecked() && w->ui->action20x15->isEnabled());
    QVERIFY(w->ui->actionExpert->isChecked());
    QVERIFY(w.asked.isEmpty());
    QCOMPARE(stored(w, "bestNormal", "10x10Wins"), QString("1"));
}

void HintAndWinTest::aWinOutlivesTheDissolve()
{
    {
        WindowDriver w;
        w.play(5, 5, Beginner, 17);
        w.solve();
        w->close();
        QVERIFY2(w.asked.isEmpty(), "a won game is not offered for saving");
        QVERIFY(!w->isVisible());
    }
    WindowDriver w;
    QCOMPARE(stored(w, "bestBeginner", "5x5Wins"), QString("1"));
    QCOMPARE(stored(w, "settings", "newPlayer"), QString("false"));
    w.play(5, 5, Beginner, 17);
    w.solve();
    w.answer = true;
    w.key(Qt::Key_F2);
    QCOMPARE(w->state, Creating);
    QCOMPARE(stored(w, "bestBeginner", "5x5Wins"), QString("2"));
}

void HintAndWinTest::aBoxAnswersOnlyTheGameThatAsked()
{
    // The hint's box is up when another game begins under it (nothing the player can do
    // does that now, but a box must not trust it).
    WindowDriver w;
    w.play(5, 5, Normal, 13);
    w.whileAsked = [&](const QString&) {
        w.whileAsked = nullptr;
        w.play(20, 15, Normal, 3);
    };
    w->clues.columnClues[0] = {5};
    w->MenuHint();
    QCOMPARE(w->columns, 20);
    QCOMPARE(w->state, Playing);
    QCOMPARE(digitsOf(w->board.column(0)), QString(15, '0'));
    QCOMPARE(w->faults, 0);
    QVERIFY(!w->hintShown);
    QVERIFY(!w->clock.isValid());

    // "Keep marks?" likewise: Yes must not make the next game's marks real.
    w->MenuMarking();
    w.answer = true;
    w.whileAsked = [&](const QString&) {
        w.whileAsked = nullptr;
        w.play(10, 5, Normal, 3);
        w.setCell(0, 0, MarkedFilled);
    };
    w->MenuMarking();
    QCOMPARE(w.cell(0, 0), int(MarkedFilled));
}

void HintAndWinTest::quittingTheWinScreenClosesTheWindow()
{
    WindowDriver w;
    w.play(5, 5, Beginner, 17);
    w->particlesOn = false;
    w.solve();
    answerWinScreen(false);
    w.tick(5 * 5 + 2);
    QVERIFY(!w->isVisible());
    QCOMPARE(w->state, WinScreen);
    QVERIFY2(w.asked.isEmpty(), "a won game is not offered for saving");
}

QTEST_MAIN(HintAndWinTest)
#include "test_hint_and_win.moc"
