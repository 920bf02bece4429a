// SPDX-License-Identifier: GPL-3.0-or-later
#include "About.h"
#include "Arrangements.h"
#include "ClueSet.h"
#include "GameFolderMark.h"
#include "HelpBrowser.h"
#include "HelpWindows.h"
#include "LineSolver.h"
#include "ScratchFolder.h"
#include "TechniqueTable.h"
#include "ui_About.h"
#include "ui_HelpBrowser.h"

#include <QtTest>

#include <QScrollBar>
#include <QTextBlock>
#include <QTranslator>

#include <functional>
#include <optional>

namespace {

const QDir source(TESSARIN_HELP_FOLDER);
// The techniques' keys, which anchor their sections; a line technique's is also its name.
QStringList techniqueKeys()
{
    QStringList keys;
    for (int i = 0; i < techniqueCount; ++i)
        keys << techniqueTable()[i].key;
    return keys;
}
const QStringList techniques = techniqueKeys();

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

// The help's languages: English in the folder itself, the others each in a folder of its own.
const QStringList languages = {"", "de", "fr", "es"};

QTextDocument* load(const QString& page, QObject* owner)
{
    QFile file(source.filePath(page));
    auto* document = new QTextDocument(owner);
    document->setHtml(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
    return document;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

    std::optional<ScratchFolder> workFolder;

private slots:
    // Each test runs in a fresh game folder that reaches the pages, and holds the mark of the
    // game's assets so that an installed game's pages are not taken instead.
    void init()
    {
        workFolder.emplace();
        QVERIFY(QFile::link(source.path(), "Help"));
        markAsGameFolder();
    }

    void cleanup()
    {
        qDeleteAll(helpWindows());
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
            if (line.startsWith('#'))
                continue;
            const QRegularExpressionMatch match = example.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            seen << match.captured(1);
            // Stored clues start at the far end and are negated while the line matches them.
            std::vector<int> clue, cells;
            for (const QString& run : match.captured(2).split(' '))
                clue.insert(clue.begin(), run.toInt());
            for (QChar c : match.captured(3))
                cells.push_back(int(codes.indexOf(c)));
            if (ClueSet::lineMatches(cells, clue))
                for (int& run : clue)
                    run = -run;
            const int technique = int(techniques.indexOf(seen.last())) + 1;
            if (technique == arrangementsTechnique)
                Arrangements().apply(cells, clue, 1, 2);
            else
                LineSolver().apply(technique, cells, clue, 1, 2);
            QString after;
            for (int code : cells)
                after += codes[code];
            QCOMPARE(after, match.captured(4));
        }
        // Every line technique has its example; What If has a board of its own.
        QCOMPARE(seen, techniques.mid(0, arrangementsTechnique));
    }

    void linksAndPicturesResolveInEveryLanguage()
    {
        for (const QString& language : languages) {
            const QDir folder(source.filePath(language));
            for (const QString page : {"index.html", "howtoplay.html", "methods.html", "designing.html"}) {
                QStringList links, broken;
                const QString path = QDir(language).filePath(page);
                forEachFragment(*load(path, this), [&](const QTextFragment& fragment) {
                    const QTextCharFormat format = fragment.charFormat();
                    if (format.isImageFormat() && QImage(folder.filePath(format.toImageFormat().name())).isNull())
                        broken << format.toImageFormat().name();
                    if (format.anchorHref().isEmpty())
                        return;
                    // The help works without a network: every link stays within its folder.
                    const QUrl link(format.anchorHref());
                    const QString target = QDir(language).filePath(link.path().isEmpty() ? page : link.path());
                    links << link.toString();
                    if (!link.scheme().isEmpty() || !source.exists(target)
                        || (link.hasFragment() && anchorPosition(*load(target, this), link.fragment()) < 0))
                        broken << link.toString();
                });
                QVERIFY2(broken.isEmpty(), qPrintable(path + ": " + broken.join(' ')));
                // The contents lead to each technique's section, which the hint's Help button
                // opens, and every language links the same places.
                for (const QString& name : techniques)
                    QVERIFY(page != "index.html" || links.contains("methods.html#" + name));
                if (!language.isEmpty()) {
                    QStringList english;
                    forEachFragment(*load(page, this), [&](const QTextFragment& fragment) {
                        if (!fragment.charFormat().anchorHref().isEmpty())
                            english << fragment.charFormat().anchorHref();
                    });
                    english.removeDuplicates();
                    links.removeDuplicates();
                    QCOMPARE(links, english);
                }
            }
        }
    }

    // The hint names a technique as the game's texts do; its section's heading must read the
    // same, in every language.
    void eachTechniqueIsHeadedByTheNameTheHintGivesIt()
    {
        for (const QString& language : languages) {
            QTranslator translator;
            QVERIFY(language.isEmpty() || translator.load(QLocale(language), "tessarin", "_", ":/i18n"));
            QCoreApplication::installTranslator(&translator);
            QTextDocument* methods = load(QDir(language).filePath("methods.html"), this);
            for (int number = 1; number <= techniqueCount; ++number) {
                const Technique& technique = *findTechnique(number);
                const int at = anchorPosition(*methods, technique.key);
                QVERIFY2(at >= 0, qPrintable(language + " " + technique.key));
                const QString heading = methods->findBlock(at).text();
                QCOMPARE(heading, QCoreApplication::translate("GameWords", technique.name));
            }
            QCoreApplication::removeTranslator(&translator);
        }
    }

    void theWindowShowsTheHelpInItsLanguage()
    {
        // The same English page and anchor, which the hint's Help button names, open the
        // player's language; a language the help lacks keeps to English.
        HelpBrowser::setLanguage("de");
        QPointer<HelpBrowser> window = OpenHelp("Help//methods.html#Glue");
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), "Help: Methoden");
        QTextBrowser* page = window->ui->textBrowser;
        QTextCursor glue(page->document());
        glue.setPosition(anchorPosition(*page->document(), "Glue"));
        QCOMPARE(glue.block().text(), QString("Kleber"));
        QVERIFY(page->verticalScrollBar()->value() > 0);
        window->ui->homeButton->click();
        QCOMPARE(window->windowTitle(), "Help: Inhalt");
        HelpBrowser::setLanguage("it");
        QCOMPARE(OpenHelp("Help//index.html")->windowTitle(), "Help: Contents");
        HelpBrowser::setLanguage({});
    }

    void theWindowFindsItsAnchorGoesHomeAndBackAndCloses()
    {
        // Active, so that shortcuts and layout work as on screen.
        QPointer<HelpBrowser> window = OpenHelp("Help//methods.html#Glue");
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTextBrowser* page = window->ui->textBrowser;
        // The section's heading stands at the top of the visible text.
        QTextCursor glue(page->document());
        glue.setPosition(anchorPosition(*page->document(), "Glue"));
        QVERIFY(glue.position() > 0 && page->verticalScrollBar()->value() > 0);
        const int top = page->cursorRect(glue).top();
        QVERIFY2(top >= 0 && top < 20, qPrintable(QString::number(top)));
        const QSize border = window->size() - page->size();
        window->resize(900, 800);
        QTRY_COMPARE(page->size(), QSize(900, 800) - border);

        // Back and Alt+Left go back one page, Alt+Right forward, wherever the focus is.
        QPushButton* back = window->ui->backButton;
        window->ui->homeButton->click();
        page->setSource(QUrl("howtoplay.html"));
        back->click();
        QCOMPARE(window->windowTitle(), "Help: Contents");
        const auto step = [&](QWidget* focus, Qt::Key key) {
            focus->setFocus();
            QTest::keyClick(focus, key, Qt::AltModifier);
            return window->windowTitle();
        };
        QCOMPARE(step(back, Qt::Key_Left), "Help: Methods");
        QVERIFY(!back->isEnabled());
        QCOMPARE(step(page, Qt::Key_Right), "Help: Contents");
        QCOMPARE(step(page, Qt::Key_Right), "Help: How to Play");

        // A window opened on a page of another folder finds Home, the contents, in that folder.
        QVERIFY(QDir().mkdir("Other") && QFile::copy("Help/howtoplay.html", "Other/page.html"));
        QVERIFY(QFile::copy("Help/methods.html", "Other/index.html"));
        HelpBrowser* other = OpenHelp("Other//page.html");
        other->ui->homeButton->click();
        QCOMPARE(other->windowTitle(), "Help: Methods");
        // Escape animates a click on Close, which lands a moment later; the window goes for good.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(window.isNull());
    }

    // The version, and links: the web's for the system's browser, the game's own pages for
    // its help window, which needs no browser at all.
    void aboutShowsTheVersionAndItsPagesOpenInTheHelp()
    {
        About about;
        QCOMPARE(about.ui->versionLabel->text(), QString("Version " TESSARIN_VERSION));
        int web = 0, pages = 0;
        static const QRegularExpression href("href=\"([^\"]+)\"");
        for (QLabel* label : about.findChildren<QLabel*>())
            for (const QRegularExpressionMatch& match : href.globalMatch(label->text())) {
                const QUrl url(match.captured(1));
                QVERIFY(!label->openExternalLinks());
                if (url.scheme().startsWith("http")) {
                    ++web;
                    continue;
                }
                ++pages;
                const int before = int(helpWindows().size());
                emit label->linkActivated(match.captured(1));
                QCOMPARE(int(helpWindows().size()), before + 1);
                QCOMPARE(helpWindows().last()->windowTitle(), "Help: Contents");
            }
        QVERIFY(web > 1 && pages > 1);
    }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
