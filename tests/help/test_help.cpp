#include "About.h"
#include "ClueSet.h"
#include "HelpBrowser.h"
#include "LineSolver.h"
#include "ui_About.h"
#include "ui_HelpBrowser.h"

#include <QtTest>

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>

#include <functional>
#include <memory>

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void examplesAreWhatTheSolverDoes();
    void linksAndPicturesResolve();

    void opensAFixedWindowNamedAfterThePage();
    void homeShowsTheContentsOfThePagesFolder();
    void anAnchorOpensScrolledToIt();
    void escapeClosesAndDeletesTheWindow();
    void eachCallOpensAFurtherWindow();
    void aboutForm();
    void aboutClosesWithCloseOrEscape();

private:
    QString originalFolder;
    std::unique_ptr<QTemporaryDir> workFolder;
};

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

void copyFolder(const QDir& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QFileInfo& entry : from.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        entry.isDir() ? copyFolder(QDir(entry.filePath()), to + "/" + entry.fileName())
                      : void(QFile::copy(entry.filePath(), to + "/" + entry.fileName()));
}

void writePage(const QString& path, const QString& title)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QString("<html><head><title>%1</title></head><body>%1</body></html>").arg(title).toUtf8());
}

// Shown and active, so that shortcuts and layout work as on screen.
bool onScreen(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QList<HelpBrowser*> helpWindows()
{
    QList<HelpBrowser*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpBrowser*>(widget); help && help->isVisible())
            windows << help;
    return windows;
}

} // namespace

void HelpTest::init()
{
    originalFolder = QDir::currentPath();
    workFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(workFolder->isValid());
    QVERIFY(QDir::setCurrent(workFolder->path()));
    copyFolder(source, "Help");
}

void HelpTest::cleanup()
{
    qDeleteAll(helpWindows());
    QDir::setCurrent(originalFolder);
    workFolder.reset();
}

void HelpTest::examplesAreWhatTheSolverDoes()
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

void HelpTest::linksAndPicturesResolve()
{
    const std::pair<QString, QString> pages[]
        = {{"index.html", "Contents"}, {"howtoplay.html", "How to Play"}, {"methods.html", "Methods"}};
    for (const auto& [page, title] : pages) {
        QTextDocument* document = load(page, this);
        QCOMPARE(document->metaInformation(QTextDocument::DocumentTitle), title);
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

void HelpTest::opensAFixedWindowNamedAfterThePage()
{
    HelpBrowser* window = OpenHelp("Help//howtoplay.html");
    QVERIFY(window->isVisible() && !window->parentWidget());
    QCOMPARE(window->windowTitle(), "Help: How to Play");
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QVERIFY(!window->windowIcon().isNull());
    window->resize(800, 600);
    QCOMPARE(window->size(), QSize(600, 420));
}

void HelpTest::homeShowsTheContentsOfThePagesFolder()
{
    QDir().mkdir("Other");
    writePage("Other/index.html", "Other contents");
    writePage("Other/page.html", "Other page");
    HelpBrowser* other = OpenHelp("Other//page.html");
    QCOMPARE(other->windowTitle(), "Help: Other page");
    other->ui->homeButton->click();
    QCOMPARE(other->windowTitle(), "Help: Other contents");

    HelpBrowser* help = OpenHelp("Help//methods.html#Glue");
    help->ui->homeButton->click();
    QCOMPARE(help->windowTitle(), "Help: Contents");
}

void HelpTest::anAnchorOpensScrolledToIt()
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
}

void HelpTest::escapeClosesAndDeletesTheWindow()
{
    QPointer<HelpBrowser> window = OpenHelp("Help//index.html");
    QVERIFY(onScreen(window));
    // The shortcut animates a click on Close, which lands a moment later.
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(window.isNull());
}

void HelpTest::eachCallOpensAFurtherWindow()
{
    HelpBrowser* first = OpenHelp("Help//howtoplay.html");
    HelpBrowser* second = OpenHelp("Help//howtoplay.html");
    QCOMPARE(helpWindows().size(), 2);
    first->ui->closeButton->click();
    QCOMPARE(helpWindows(), QList<HelpBrowser*>({second}));
}

void HelpTest::aboutForm()
{
    About about;
    QCOMPARE(about.windowTitle(), "About Tessarin");
    QCOMPARE(about.size(), QSize(420, 247));
    QCOMPARE(about.ui->buttonBox->standardButtons(), QDialogButtonBox::Close);
    // The sounds line stands above the textures line.
    QVERIFY(about.ui->creditLabel5->y() < about.ui->creditLabel4->y());

    QStringList labels;
    QStringList hrefs;
    static const QRegularExpression href("href=\"([^\"]+)\"");
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        const QFont font = label->font();
        labels << QString("%1 %2 %3 %4 %5: %6")
                      .arg(label->objectName(), font.family())
                      .arg(font.pointSize())
                      .arg(font.weight())
                      .arg(label->openExternalLinks() ? "linked" : "plain")
                      .arg(QTextDocumentFragment::fromHtml(label->text()).toPlainText());
        for (const QRegularExpressionMatch& match : href.globalMatch(label->text()))
            hrefs << match.captured(1);
    }
    QCOMPARE(labels,
        QStringList({
            "titleLabel Comfortaa 14 700 plain: Tessarin",
            "siteLabel Comfortaa 14 400 linked: The Tessarin manual",
            "creditLabel1 Comfortaa 12 400 plain: Programming and design by the Tessarin team",
            "creditLabel2 Comfortaa 12 400 linked: Music by the Tessarin developers",
            "creditLabel3 Comfortaa 12 400 linked: Font by Johan Aakerlund",
            "creditLabel4 Comfortaa 12 400 linked: Textures by the Tessarin developers",
            "creditLabel5 Comfortaa 12 400 linked: Sounds by the Tessarin developers",
        }));
    // The system's browser gets absolute addresses: the font's home or a page of the help.
    QCOMPARE(hrefs.size(), 5);
    for (const QUrl url : hrefs)
        QVERIFY2(
            url.scheme() == "http" || (QDir::isAbsolutePath(url.toLocalFile()) && QFile::exists(url.toLocalFile())),
            qPrintable(url.toString()));
}

void HelpTest::aboutClosesWithCloseOrEscape()
{
    About about;
    QVERIFY(onScreen(&about));
    about.ui->buttonBox->button(QDialogButtonBox::Close)->click();
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Rejected));

    QVERIFY(onScreen(&about));
    about.setResult(QDialog::Accepted);
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Rejected));
}

QTEST_MAIN(HelpTest)
#include "test_help.moc"
