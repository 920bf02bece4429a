#include "About.h"
#include "ClueSet.h"
#include "GameFolderMark.h"
#include "HelpBrowser.h"
#include "HelpWindows.h"
#include "LineSolver.h"
#include "ui_About.h"
#include "ui_HelpBrowser.h"

#include <QtTest>

#include <QScrollBar>
#include <QTextBlock>

#include <functional>
#include <optional>

namespace {

const QDir source(TESSARIN_HELP_FOLDER);
const QStringList techniques = {"Boxes", "Complete", "Mercury", "Glue", "Punctuate", "Gap", "Fill"};

// Every fragment of text, and every picture, as the help's rich-text engine sees the page.
void forEachFragment(const QTextDocument& document, const std::function<void(const QTextFragment&)>& visit)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            visit(it.fragment());
}

int anchorPosition(const QTextDocument& document, const QString& name)
{
    int position = -1;
    forEachFragment(document, [&](const QTextFragment& fragment) {
        if (position < 0 && fragment.charFormat().anchorNames().contains(name))
            position = fragment.position();
    });
    return position;
}

QTextDocument* load(const QString& page, QObject* owner)
{
    QFile file(source.filePath(page));
    auto* document = new QTextDocument(owner);
    if (file.open(QIODevice::ReadOnly))
        document->setHtml(QString::fromUtf8(file.readAll()));
    return document;
}

// Shown and active, so that shortcuts and layout work as on screen.
bool onScreen(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> workFolder;
    const QString originalFolder = QDir::currentPath();

private slots:
    // Each test runs in a fresh game folder holding a copy of the pages, and the mark of the
    // game's assets so that an installed game's pages are not taken instead.
    void init()
    {
        QVERIFY(QDir::setCurrent(workFolder.emplace().path()));
        for (QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString to = "Help/" + source.relativeFilePath(it.next());
            QVERIFY(QDir().mkpath(QFileInfo(to).path()) && QFile::copy(it.filePath(), to));
        }
        markAsGameFolder();
    }

    void cleanup()
    {
        qDeleteAll(helpWindows());
        QDir::setCurrent(originalFolder);
        workFolder.reset();
    }

    void examplesAreWhatTheSolverDoes()
    {
        QFile file(source.filePath("images/lines.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        static const QRegularExpression example(R"(^(\w+) \[([\d ]+)\] ([.#x]+) -> ([.#x]+)$)");
        const QString codes = ".#x"; // blank, filled, crossed
        QStringList seen;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch match = example.match(line);
            QVERIFY2(line.startsWith('#') || match.hasMatch(), qPrintable(line));
            if (!match.hasMatch())
                continue;
            seen << match.captured(1);
            // Stored clues start at the far end and are negated while the line matches them.
            std::vector<int> clue, cells;
            for (const QString& run : match.captured(2).split(' '))
                clue.insert(clue.begin(), run.toInt());
            for (QChar c : match.captured(3))
                cells.push_back(int(codes.indexOf(c)));
            const int sign = ClueSet::lineMatches(cells, clue) ? -1 : 1;
            for (int& run : clue)
                run *= sign;
            LineSolver().apply(int(techniques.indexOf(seen.last())) + 1, cells, clue, 1, 2);
            QString after;
            for (int code : cells)
                after += codes[code];
            QCOMPARE(after, match.captured(4));
            QVERIFY2(source.exists("images/" + seen.last().toLower() + ".png"), qPrintable(line));
        }
        QCOMPARE(seen, techniques);
    }

    void linksAndPicturesResolve()
    {
        for (const QString page : {"index.html", "howtoplay.html", "methods.html"}) {
            QTextDocument* document = load(page, this);
            QStringList links, broken;
            forEachFragment(*document, [&](const QTextFragment& fragment) {
                const QTextCharFormat format = fragment.charFormat();
                if (format.isImageFormat() && QImage(source.filePath(format.toImageFormat().name())).isNull())
                    broken << format.toImageFormat().name();
                if (format.anchorHref().isEmpty())
                    return;
                // The help works without a network: every link stays within its folder.
                const QUrl link(format.anchorHref());
                const QString target = link.path().isEmpty() ? page : link.path();
                links << link.toString();
                if (!link.scheme().isEmpty() || !source.exists(target)
                    || (link.hasFragment() && anchorPosition(*load(target, this), link.fragment()) < 0))
                    broken << link.toString();
            });
            QCOMPARE(broken, QStringList());
            QVERIFY2(!links.isEmpty(), qPrintable(page));
            // The contents lead to each technique's section, which the hint's Help button opens.
            for (const QString& name : techniques)
                QVERIFY(page != "index.html" || links.contains("methods.html#" + name));
        }
    }

    void anAnchorOpensScrolledToItAndHomeLeadsToTheContents()
    {
        HelpBrowser* window = OpenHelp("Help//methods.html#Glue");
        QVERIFY(onScreen(window));
        QTextBrowser* browser = window->ui->textBrowser;
        QCOMPARE(window->windowTitle(), "Help: Methods");
        QCOMPARE(browser->source().fragment(), "Glue");
        // The section's heading stands at the top of the visible text.
        QTextCursor glue(browser->document());
        glue.setPosition(anchorPosition(*browser->document(), "Glue"));
        QVERIFY(glue.position() > 0 && browser->verticalScrollBar()->value() > 0);
        const int top = browser->cursorRect(glue).top();
        QVERIFY2(top >= 0 && top < 20, qPrintable(QString::number(top)));
        window->ui->homeButton->click();
        QCOMPARE(window->windowTitle(), "Help: Contents");

        // Home is the contents of the folder the window opened in.
        QDir().mkdir("Other");
        for (const char* title : {"index", "page"}) {
            QFile page(QString("Other/%1.html").arg(title));
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write(QString("<html><head><title>Other %1</title></head></html>").arg(title).toUtf8());
        }
        HelpBrowser* other = OpenHelp("Other//page.html");
        QCOMPARE(other->windowTitle(), "Help: Other page");
        other->ui->homeButton->click();
        QCOMPARE(other->windowTitle(), "Help: Other index");
    }

    void eachCallOpensAFurtherWindowThatEscapeCloses()
    {
        QPointer<HelpBrowser> first = OpenHelp("Help//howtoplay.html");
        HelpBrowser* second = OpenHelp("Help//howtoplay.html");
        QCOMPARE(helpWindows().size(), 2);
        for (HelpBrowser* window : {first.data(), second})
            QVERIFY(window->windowTitle() == "Help: How to Play" && !window->parentWidget());
        // The shortcut animates a click on Close, which lands a moment later; the window goes
        // for good.
        QVERIFY(onScreen(first));
        QTest::keyClick(first, Qt::Key_Escape);
        QTRY_VERIFY(first.isNull());
        QCOMPARE(helpWindows(), QList<HelpBrowser*>({second}));
    }

    void pageFollowsTheWindowSizeAndRetracesItsSteps()
    {
        HelpBrowser* window = OpenHelp("Help//howtoplay.html");
        QVERIFY(onScreen(window));
        QCOMPARE(window->size(), QSize(600, 420));
        QTextBrowser* page = window->ui->textBrowser;
        const QSize border = window->size() - page->size();
        for (const QSize size : {QSize(900, 800), QSize(420, 300)}) {
            window->resize(size);
            QTRY_COMPARE(page->size(), size - border);
        }

        // Back (beside Close) and Alt+Left go back one page, Alt+Right forward, wherever the
        // focus is.
        QPushButton* back = window->ui->backButton;
        QCOMPARE(
            window->ui->buttonLayout->indexOf(back) + 1, window->ui->buttonLayout->indexOf(window->ui->closeButton));
        QVERIFY(!back->isEnabled());
        window->ui->homeButton->click();
        page->setSource(QUrl("methods.html"));
        back->click();
        QCOMPARE(window->windowTitle(), "Help: Contents");
        const auto step = [&](QWidget* focus, Qt::Key key) {
            focus->setFocus();
            QTest::keyClick(focus, key, Qt::AltModifier);
            return window->windowTitle();
        };
        QCOMPARE(step(page, Qt::Key_Left), "Help: How to Play");
        QVERIFY(!back->isEnabled());
        QCOMPARE(step(back, Qt::Key_Right), "Help: Contents");
        QCOMPARE(step(page, Qt::Key_Right), "Help: Methods");
    }

    void aboutShowsTheProjectVersion()
    {
        About about;
        QCOMPARE(about.ui->versionLabel->text(), QString("Version " TESSARIN_VERSION));
        for (const QLabel* other : {about.ui->siteLabel, about.ui->creditLabel1})
            QVERIFY(!about.ui->versionLabel->geometry().intersects(other->geometry()));
    }

    void aboutLinksOpenOutsideAndCloses()
    {
        // The system's browser gets absolute addresses: the font's home or a page of the help.
        About about;
        QStringList hrefs;
        static const QRegularExpression href("href=\"([^\"]+)\"");
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            for (const QRegularExpressionMatch& match : href.globalMatch(label->text())) {
                hrefs << match.captured(1);
                QVERIFY2(label->openExternalLinks(), qPrintable(label->objectName()));
            }
        }
        QCOMPARE(hrefs.size(), 5);
        for (const QUrl url : hrefs)
            QVERIFY2(
                url.scheme() == "http" || (QDir::isAbsolutePath(url.toLocalFile()) && QFile::exists(url.toLocalFile())),
                qPrintable(url.toString()));

        about.show();
        about.ui->buttonBox->button(QDialogButtonBox::Close)->click();
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
