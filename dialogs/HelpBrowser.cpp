// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpBrowser.h"

#include "AssetFolder.h"
#include "ui_HelpBrowser.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QUrl>

namespace {

QString& helpLanguage()
{
    static QString language;
    return language;
}

// The page in the help's language, where the help has it: "Help//methods.html#Glue" becomes
// "Help/de/methods.html#Glue" in German.
QString inLanguage(const QString& page)
{
    const QUrl written(page);
    const QFileInfo english(written.path());
    if (helpLanguage().isEmpty())
        return page;
    const QString translated = english.path() + '/' + helpLanguage() + '/' + english.fileName();
    if (!QFileInfo(AssetFolder::file(translated)).isFile())
        return page;
    return written.hasFragment() ? translated + '#' + written.fragment() : translated;
}

// The text browser resolves links only against a file URL, and an anchor written into a
// file name would be taken as part of it, so the path and the anchor are set apart. The path
// is made absolute so that the pages stay reachable whatever the working folder becomes.
QUrl pageUrl(const QString& page)
{
    const QUrl written(page);
    QUrl url
        = QUrl::fromLocalFile(QDir::cleanPath(QDir::current().absoluteFilePath(AssetFolder::file(written.path()))));
    url.setFragment(written.fragment());
    return url;
}

} // namespace

HelpBrowser::HelpBrowser(const QString& page, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::HelpBrowser)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    connect(ui->textBrowser, &QTextBrowser::sourceChanged, this, &HelpBrowser::updateWindowTitle);
    connect(ui->homeButton, &QPushButton::clicked, this, &HelpBrowser::goHome);
    connect(ui->closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->backButton, &QPushButton::clicked, ui->textBrowser, &QTextBrowser::backward);
    connect(ui->textBrowser, &QTextBrowser::backwardAvailable, ui->backButton, &QWidget::setEnabled);
    // Window-wide, so they work wherever the focus is; the page's own handling of these keys
    // never sees them then, so a press moves one page only.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated, ui->textBrowser,
        &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this), &QShortcut::activated, ui->textBrowser,
        &QTextBrowser::forward);
    // After the connections, so that the first page already names the window.
    ui->textBrowser->setSource(pageUrl(inLanguage(page)));
}

HelpBrowser::~HelpBrowser()
{
    delete ui;
}

void HelpBrowser::goHome()
{
    ui->textBrowser->setSource(QUrl("index.html"));
}

void HelpBrowser::updateWindowTitle()
{
    setWindowTitle(tr("Help: %1").arg(ui->textBrowser->documentTitle()));
}

void HelpBrowser::setLanguage(const QString& language)
{
    helpLanguage() = language;
}

HelpBrowser* OpenHelp(const QString& page)
{
    auto* window = new HelpBrowser(page);
    window->show();
    return window;
}

void CloseHelpWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<HelpBrowser*>(window))
            window->close();
}
