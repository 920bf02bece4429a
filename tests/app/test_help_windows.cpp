#include "WindowDriver.h"

#include "HelpBrowser.h"
#include "HelpWindows.h"
#include "ui_HelpBrowser.h"
#include "ui_MainWindow.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

namespace {

void closeHelpWindows()
{
    CloseHelpWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup()
    {
        closeHelpWindows();
        folder.reset();
    }
    void eachPlaceOpensItsPage();
    void helpStaysUsableWhileAQuestionIsOpen();
    void helpClosesWithTheGame();

private:
    std::unique_ptr<ScratchGameFolder> folder;
};

void HelpWindowsTest::eachPlaceOpensItsPage()
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
}

void HelpWindowsTest::helpStaysUsableWhileAQuestionIsOpen()
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

void HelpWindowsTest::helpClosesWithTheGame()
{
    WindowDriver w;
    w.key(Qt::Key_F1);
    OpenHelp("Help//methods.html");
    QCOMPARE(helpWindows().size(), 2);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Gone, not merely hidden: a hidden top-level window would still be counted here.
    int left = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        left += qobject_cast<HelpBrowser*>(widget) != nullptr;
    QCOMPARE(left, 0);
}

QTEST_MAIN(HelpWindowsTest)
#include "test_help_windows.moc"
