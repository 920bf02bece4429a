#include "HighScores.h"
#include "Prompt.h"
#include "WinScreen.h"
#include "ui_HighScores.h"
#include "ui_WinScreen.h"

#include <QtTest>

#include <QMessageBox>
#include <QPushButton>

#include <memory>

// Each test runs in a fresh empty working folder, where the dialogs find "tessarin.ini".
class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void winScreenForm();
    void winScreenSentences_data();
    void winScreenSentences();
    void winScreenSelection();
    void winScreenButtonsDecideTheResult();
    void highScoresForm();
    void highScoresShowsTheSelectedRecord();
    void resetAnsweredNoLeavesTheFileAlone();
    void resetAnsweredYesClearsEveryRecord();
    void closeAsksNothing();

private:
    QString originalFolder;
    std::unique_ptr<QTemporaryDir> workFolder;
};

namespace {

const QStringList sizes = {"5x5", "10x5", "10x10", "15x10", "15x15", "20x15"};
const QStringList modes = {"Beginner", "Normal", "Expert"};

void writeIni(const QByteArray& text)
{
    QFile file("tessarin.ini");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray iniBytes()
{
    QFile file("tessarin.ini");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// The dialog and its own widgets in creation order: class, name, geometry and, for labels,
// text and alignment.
QStringList formOf(const QDialog& dialog)
{
    QStringList widgets = {QString::asprintf("%s \"%s\" %dx%d", qPrintable(dialog.objectName()),
        qPrintable(dialog.windowTitle()), dialog.width(), dialog.height())};
    for (const QWidget* w : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect g = w->geometry();
        widgets << QString::asprintf("%s %s %d,%d %dx%d", w->metaObject()->className(), qPrintable(w->objectName()),
            g.x(), g.y(), g.width(), g.height());
        if (auto* label = qobject_cast<const QLabel*>(w))
            widgets.last() += " \"" + label->text() + (label->alignment() == Qt::AlignCenter ? "\" centred" : "\"");
    }
    return widgets;
}

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Notes the next message box once it is up, then answers it.
void answerNextBox(QWidget* owner, QMessageBox::StandardButton answer, QString* seen)
{
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        *seen = QString("%1 | %2 | icon %3 | parent %4")
                    .arg(box->windowTitle(), box->text())
                    .arg(box->icon())
                    .arg(box->parentWidget() ? box->parentWidget()->objectName() : "none");
        box->button(answer)->click();
    });
    poll->start(10);
}

} // namespace

void DialogsTest::init()
{
    originalFolder = QDir::currentPath();
    workFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(workFolder->isValid());
    QVERIFY(QDir::setCurrent(workFolder->path()));
}

void DialogsTest::cleanup()
{
    Prompt::setResponder({});
    QDir::setCurrent(originalFolder);
    workFolder.reset();
}

void DialogsTest::winScreenForm()
{
    WinScreen dialog;
    QCOMPARE(formOf(dialog),
        QStringList({
            "WinScreen \"Congratulations!\" 400x224",
            "QDialogButtonBox buttonBox 30,170 341x32",
            "QLabel playAgainLabel 160,100 81x20 \"Play Again?\" centred",
            "QLabel yourScoreLabel 10,20 380x16 \"Your Time:\" centred",
            "QLabel bestScoreLabel 10,40 380x16 \"Best Time:\" centred",
            "QComboBox sizeComboBox 205,130 81x22",
            "QComboBox modeComboBox 115,130 81x22",
            "QLabel winsLabel 10,60 380x16 \"Total Wins For This Type: \" centred",
        }));
    const QFont font = dialog.ui->playAgainLabel->font();
    QCOMPARE(font.family(), "Comfortaa");
    QCOMPARE(font.pointSize(), 10);
    QCOMPARE(font.weight(), QFont::Bold);
    QCOMPARE(itemsOf(dialog.ui->sizeComboBox), sizes);
    QCOMPARE(itemsOf(dialog.ui->modeComboBox), modes);
    QVERIFY(!dialog.ui->sizeComboBox->isEditable());
    // The caller picks the modality, so that help windows stay usable.
    QCOMPARE(dialog.windowModality(), Qt::NonModal);

    QCOMPARE(dialog.ui->buttonBox->orientation(), Qt::Horizontal);
    QVERIFY(dialog.ui->buttonBox->centerButtons());
    QCOMPARE(dialog.ui->buttonBox->standardButtons(), QDialogButtonBox::NoButton);
}

void DialogsTest::winScreenSentences_data()
{
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<QStringList>("labels");

    QTest::newRow("first 10x10 Normal win")
        << QStringList({"143", "2", "143", "2", "1"})
        << QStringList({"Your Time: 143 seconds with 2 faults.", "Best Time: 143 seconds with 2 faults.",
               "Total Wins for This Type: 1."});
    QTest::newRow("singular forms") << QStringList({"1", "1", "1", "0", "12"})
                                    << QStringList({"Your Time: 1 second with 1 fault.",
                                           "Best Time: 1 second with 0 faults.", "Total Wins for This Type: 12."});
    QTest::newRow("only the text 1 is singular")
        << QStringList({"11", "01", "21", "10", "1"})
        << QStringList({"Your Time: 11 seconds with 01 faults.", "Best Time: 21 seconds with 10 faults.",
               "Total Wins for This Type: 1."});
}

void DialogsTest::winScreenSentences()
{
    QFETCH(QStringList, scores);
    QFETCH(QStringList, labels);
    WinScreen dialog;
    dialog.SetScores(scores[0], scores[1], scores[2], scores[3], scores[4]);
    QCOMPARE(QStringList(
                 {dialog.ui->yourScoreLabel->text(), dialog.ui->bestScoreLabel->text(), dialog.ui->winsLabel->text()}),
        labels);
}

void DialogsTest::winScreenSelection()
{
    WinScreen dialog;
    dialog.SetSelection(2, 1);
    QCOMPARE(dialog.ui->sizeComboBox->currentText(), "10x10");
    QCOMPARE(dialog.ui->modeComboBox->currentText(), "Normal");
    QCOMPARE(dialog.SelectedSize(), 2);
    QCOMPARE(dialog.SelectedMode(), 1);

    // The player's choice in the boxes is what counts.
    dialog.ui->sizeComboBox->setCurrentIndex(5);
    dialog.ui->modeComboBox->setCurrentIndex(2);
    QCOMPARE(dialog.SelectedSize(), 5);
    QCOMPARE(dialog.SelectedMode(), 2);
}

void DialogsTest::winScreenButtonsDecideTheResult()
{
    WinScreen dialog;
    QStringList buttons; // text, role, then the dialog's result after a click
    for (QAbstractButton* button : dialog.ui->buttonBox->buttons()) {
        dialog.show();
        button->click();
        QVERIFY(!dialog.isVisible());
        buttons << QString("%1 %2 %3")
                       .arg(button->text())
                       .arg(dialog.ui->buttonBox->buttonRole(button))
                       .arg(dialog.result());
    }
    buttons.sort();
    QCOMPARE(buttons, QStringList({"New Game 0 1", "Quit 1 0"})); // AcceptRole Accepted, RejectRole Rejected

    dialog.show();
    dialog.setResult(QDialog::Accepted);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void DialogsTest::highScoresForm()
{
    HighScores dialog;
    QCOMPARE(formOf(dialog),
        QStringList({
            "HighScores \"High Scores\" 400x119",
            "QDialogButtonBox buttonBox 290,20 81x241",
            "QComboBox sizeComboBox 140,20 81x22",
            "QComboBox modeComboBox 40,20 81x22",
            "QFrame line 250,0 20x119",
            "QLabel highScoreLabel 5,50 240x34 \"\" centred",
            "QLabel winsLabel 5,84 240x20 \"\" centred",
        }));
    QCOMPARE(dialog.ui->line->frameShape(), QFrame::VLine);
    QCOMPARE(dialog.ui->line->frameShadow(), QFrame::Sunken);
    QCOMPARE(dialog.ui->buttonBox->orientation(), Qt::Vertical);
    QCOMPARE(dialog.ui->buttonBox->standardButtons(), QDialogButtonBox::Close | QDialogButtonBox::Reset);
    QCOMPARE(itemsOf(dialog.ui->sizeComboBox), sizes);
    QCOMPARE(itemsOf(dialog.ui->modeComboBox), modes);
    QCOMPARE(dialog.windowModality(), Qt::NonModal);
}

void DialogsTest::highScoresShowsTheSelectedRecord()
{
    writeIni("[bestNormal]\n10x10Time=143\n10x10Faults=2\n10x10Wins=2\n"
             "[bestExpert]\n5x5Time=1\n5x5Faults=1\n5x5Wins=1\n");
    HighScores dialog;
    const auto labels = [&] { return dialog.ui->highScoreLabel->text() + " " + dialog.ui->winsLabel->text(); };
    // Filling the boxes reads no record; the caller asks once the selection is made.
    dialog.SetSelection(0, 0);
    QCOMPARE(labels(), " ");
    dialog.UpdateHighScore();
    QCOMPARE(labels(), "Best Time: 999 seconds with 999 faults. Total Wins for This Type: 0.");

    dialog.SetSelection(2, 1);
    QCOMPARE(dialog.ui->sizeComboBox->currentText(), "10x10");
    QCOMPARE(dialog.ui->modeComboBox->currentText(), "Normal");
    QCOMPARE(labels(), "Best Time: 143 seconds with 2 faults. Total Wins for This Type: 2.");

    dialog.ui->sizeComboBox->setCurrentIndex(0);
    QCOMPARE(labels(), "Best Time: 999 seconds with 999 faults. Total Wins for This Type: 0.");
    dialog.ui->modeComboBox->setCurrentIndex(2);
    QCOMPARE(labels(), "Best Time: 1 second with 1 fault. Total Wins for This Type: 1.");
}

void DialogsTest::resetAnsweredNoLeavesTheFileAlone()
{
    const QByteArray before = "[bestNormal]\n10x10Time=143\n10x10Faults=2\n10x10Wins=2\n[settings]\nbackground=2\n";
    writeIni(before);
    HighScores dialog;
    dialog.SetSelection(2, 1);
    dialog.show();
    QString seen;
    answerNextBox(&dialog, QMessageBox::No, &seen);
    dialog.ui->buttonBox->button(QDialogButtonBox::Reset)->click();

    QCOMPARE(seen,
        "Tessarin | <p align='center'>This will clear all high scores. Proceed?</p> | icon 0 | parent HighScores");
    QCOMPARE(iniBytes(), before);
    QCOMPARE(dialog.ui->highScoreLabel->text(), "Best Time: 143 seconds with 2 faults.");
    QVERIFY(dialog.isVisible());
}

void DialogsTest::resetAnsweredYesClearsEveryRecord()
{
    writeIni("[bestBeginner]\n5x5Time=10\n20x15Wins=4\n[bestExpert]\n15x15Faults=0\n"
             "[bestNormal]\n10x10Time=143\n10x10Faults=2\n10x10Wins=2\n"
             "[lastGame]\nlastMode=Normal\nlastSize=10x10\n[settings]\nbackground=2\nmusicOn=false\n");
    HighScores dialog;
    dialog.SetSelection(2, 1);
    dialog.show();
    QStringList questions;
    Prompt::setResponder([&](const QString& text) {
        questions << text;
        return true;
    });
    dialog.ui->buttonBox->button(QDialogButtonBox::Reset)->click();

    QCOMPARE(questions.size(), 1);
    QCOMPARE(iniBytes(), "[lastGame]\nlastMode=Normal\nlastSize=10x10\n\n[settings]\nbackground=2\nmusicOn=false\n");
    QCOMPARE(dialog.ui->highScoreLabel->text(), "Best Time: 999 seconds with 999 faults.");
    QCOMPARE(dialog.ui->winsLabel->text(), "Total Wins for This Type: 0.");
    QVERIFY(dialog.isVisible());
}

void DialogsTest::closeAsksNothing()
{
    writeIni("[bestNormal]\n10x10Wins=2\n");
    HighScores dialog;
    int questions = 0;
    Prompt::setResponder([&](const QString&) { return ++questions, true; });
    dialog.show();
    dialog.ui->buttonBox->button(QDialogButtonBox::Close)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(questions, 0);
    QCOMPARE(iniBytes(), "[bestNormal]\n10x10Wins=2\n");
}

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
