// SPDX-License-Identifier: GPL-3.0-or-later
// How the win screen's choices reach the next game, and its first sentences after a win, are
// checked through the main window.
#include "FileBytes.h"
#include "HighScores.h"
#include "Prompt.h"
#include "ScratchFolder.h"
#include "SettingsStore.h"
#include "SharedIconStyle.h"
#include "TechniqueTable.h"
#include "WinScreen.h"
#include "ui_HighScores.h"
#include "ui_WinScreen.h"

#include <QtTest>

#include <QMessageBox>
#include <QPushButton>

#include <optional>

namespace {

QString shown(const HighScores& dialog)
{
    return dialog.ui->highScoreLabel->text() + " " + dialog.ui->winsLabel->text();
}

} // namespace

// Each test runs in a fresh working folder, which holds the "tessarin.ini" the dialogs read.
class DialogsTest : public QObject {
    Q_OBJECT

    std::optional<ScratchFolder> workFolder;

private slots:
    void init() { workFolder.emplace(); }
    void cleanup()
    {
        Prompt::setResponder({});
        workFolder.reset();
    }

    void winScreenSentencesAndButtons()
    {
        // Only the exact text "1" is singular.
        WinScreen dialog;
        dialog.SetScores("01", "1", "10", "001", "12");
        QCOMPARE(QStringList({dialog.ui->yourScoreLabel->text(), dialog.ui->bestScoreLabel->text(),
                     dialog.ui->winsLabel->text()}),
            QStringList({"Your Time: 01 seconds with 1 fault.", "Best Time: 10 seconds with 001 faults.",
                "Total Wins for This Type: 12."}));

        QStringList buttons; // text, then the dialog's result after a click
        for (QAbstractButton* button : dialog.ui->buttonBox->buttons()) {
            dialog.show();
            button->click();
            QVERIFY(!dialog.isVisible());
            buttons << QString("%1 %2").arg(button->text()).arg(dialog.result());
        }
        buttons.sort();
        QCOMPARE(buttons, QStringList({"New Game 1", "Pictures… 3", "Quit 0", "Show Solution 2"}));
    }

    void aBoxStandsClearOfWhatItTalksAboutAndOnTheScreen()
    {
        const QRect window(0, 0, 800, 600);
        const QRect screen(0, 0, 1024, 768);
        const QSize box(300, 100);
        const QPoint corner(100, 100);
        const auto place
            = [&](const QRect& keepClear) { return Prompt::placeClear(window, screen, box, corner, keepClear); };
        // Nothing in the way: the box keeps its place.
        QCOMPARE(place(QRect(500, 0, 24, 600)), corner);
        // A column under the box: moved sideways by the least, to the left of it here.
        QCOMPARE(place(QRect(360, 0, 24, 600)), QPoint(60, 100));
        QCOMPARE(place(QRect(150, 0, 24, 600)), QPoint(174, 100));
        // A row: moved down or up, whichever is nearer.
        QCOMPARE(place(QRect(0, 190, 800, 24)), QPoint(100, 90));
        QCOMPARE(place(QRect(0, 110, 800, 24)), QPoint(100, 134));
        // The nearer side would leave the window: the other one.
        QCOMPARE(place(QRect(120, 0, 24, 600)), QPoint(144, 100));
        // A box wider than the window beside a column, as a longer language's is: it may leave
        // the window, never the screen, even if it must then cover some of the line.
        const QSize wide(520, 100);
        QCOMPARE(Prompt::placeClear(window, screen, wide, corner, QRect(300, 0, 24, 600)), QPoint(324, 100));
        QCOMPARE(Prompt::placeClear(window, screen, wide, corner, QRect(540, 0, 24, 600)), QPoint(20, 100));
        // A window partly off the screen, and a box wider than the screen, which keeps its
        // left edge on it and stands below the line instead.
        QCOMPARE(Prompt::placeClear(QRect(-200, 0, 800, 600), screen, wide, QPoint(-100, 100), QRect(0, 0, 24, 600)),
            QPoint(24, 100));
        QCOMPARE(Prompt::placeClear(window, screen, QSize(1100, 100), corner, QRect(700, 0, 24, 600)), QPoint(0, 600));
    }

    void highScoresShowTheSelectedRecordAndResetOnlyWhenAnsweredYes()
    {
        const QByteArray before
            = "[bestBeginner]\n5x5Time=10\n20x15Wins=4\n[bestExpert]\n5x5Time=1\n5x5Faults=1\n5x5Wins=1\n"
              "[bestNormal]\n10x10Time=143\n10x10Faults=2\n10x10Wins=2\n"
              "[lastGame]\nlastMode=Normal\nlastSize=10x10\n[settings]\nbackground=2\nmusicOn=false\n"
              "[techniques]\nGlueHints=3\nFillWins=2\n";
        writeBytes("tessarin.ini", before);
        SettingsStore store("tessarin.ini");
        HighScores dialog(store);
        // Filling the boxes reads no record; the caller asks once the selection is made.
        dialog.SetSelection(0, 0);
        QCOMPARE(shown(dialog), " ");
        dialog.SetSelection(2, 1);
        QCOMPARE(dialog.ui->sizeComboBox->currentText() + ' ' + dialog.ui->modeComboBox->currentText(), "10x10 Normal");
        QCOMPARE(shown(dialog), "Best Time: 143 seconds with 2 faults. Total Wins for This Type: 2.");
        dialog.ui->sizeComboBox->setCurrentIndex(0);
        QCOMPARE(shown(dialog), "Best Time: 999 seconds with 999 faults. Total Wins for This Type: 0.");
        dialog.ui->modeComboBox->setCurrentIndex(2);
        QCOMPARE(shown(dialog), "Best Time: 1 second with 1 fault. Total Wins for This Type: 1.");
        // Each technique's hints and wins, whatever the selection.
        const QTableWidget& table = *dialog.ui->techniqueTable;
        QCOMPARE(table.rowCount(), techniqueCount);
        QCOMPARE(table.item(3, 0)->text() + table.item(3, 1)->text() + table.item(3, 2)->text(), "Glue30");
        QCOMPARE(table.item(6, 0)->text() + table.item(6, 1)->text() + table.item(6, 2)->text(), "Fill02");
        QCOMPARE(table.item(8, 0)->text() + table.item(8, 1)->text() + table.item(8, 2)->text(), "What If00");

        // Reset asks first, in a real question box, answered No here once it is up.
        dialog.show();
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = QString("%1 | %2 | icon %3 | parent %4")
                       .arg(box->windowTitle(), box->text())
                       .arg(box->icon())
                       .arg(box->parentWidget()->objectName());
            box->button(QMessageBox::No)->click();
        });
        QPushButton* reset = dialog.ui->buttonBox->button(QDialogButtonBox::Reset);
        reset->click();
        QCOMPARE(seen,
            "Tessarin | <p align='center'>This will clear all high scores. Proceed?</p> | icon 0 | parent HighScores");
        QCOMPARE(bytesOf("tessarin.ini"), before);
        QVERIFY(dialog.isVisible());

        // Close asks nothing.
        QStringList questions;
        Prompt::setResponder([&](const QString& text) { return questions << text, Prompt::Answer::Yes; });
        dialog.ui->buttonBox->button(QDialogButtonBox::Close)->click();
        QVERIFY(!dialog.isVisible() && questions.isEmpty());
        QCOMPARE(bytesOf("tessarin.ini"), before);

        dialog.show();
        reset->click();
        QCOMPARE(questions.size(), 1);
        QCOMPARE(bytesOf("tessarin.ini"),
            "[lastGame]\nlastMode=Normal\nlastSize=10x10\n\n[settings]\nbackground=2\nmusicOn=false\n\n"
            "[techniques]\nFillWins=2\nGlueHints=3\n");
        QCOMPARE(shown(dialog), "Best Time: 999 seconds with 999 faults. Total Wins for This Type: 0.");
        QVERIFY(dialog.isVisible());
    }

    void standardIconsAreLoadedOncePerDirection()
    {
        // Every box asks for its buttons' icons; the same object each time keeps Qt's pixmap
        // cache from filling with keys of icons long gone.
        SharedIconStyle style;
        const QIcon ok = style.standardIcon(QStyle::SP_DialogOkButton);
        QVERIFY(!ok.isNull());
        QWidget box;
        QCOMPARE(style.standardIcon(QStyle::SP_DialogOkButton, nullptr, &box).cacheKey(), ok.cacheKey());
        QVERIFY(style.standardIcon(QStyle::SP_DialogCancelButton).cacheKey() != ok.cacheKey());

        // A right-to-left window gets its own arrows, not the left-to-right ones kept first.
        const QIcon back = style.standardIcon(QStyle::SP_ArrowBack);
        QWidget rightToLeft;
        rightToLeft.setLayoutDirection(Qt::RightToLeft);
        const QIcon backRtl = style.standardIcon(QStyle::SP_ArrowBack, nullptr, &rightToLeft);
        QVERIFY(backRtl.cacheKey() != back.cacheKey());
        QCOMPARE(style.standardIcon(QStyle::SP_ArrowBack, nullptr, &rightToLeft).cacheKey(), backRtl.cacheKey());
        QCOMPARE(style.standardIcon(QStyle::SP_ArrowBack).cacheKey(), back.cacheKey());
    }
};

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
