// SPDX-License-Identifier: GPL-3.0-or-later
#include "About.h"

#include "HelpBrowser.h"
#include "ui_About.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

namespace {

// The game's own pages, named relative to its asset folder, open in its own help window, in
// the player's language; only addresses with a scheme go to the system's browser.
void follow(const QString& link)
{
    const QUrl url(link);
    if (url.scheme().isEmpty())
        OpenHelp(link);
    else
        QDesktopServices::openUrl(url);
}

} // namespace

About::About(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::About)
{
    ui->setupUi(this);
    ui->versionLabel->setText(tr("Version %1").arg(QStringLiteral(TESSARIN_VERSION)));
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setOpenExternalLinks(false);
        connect(label, &QLabel::linkActivated, this, &follow);
    }
}

About::~About()
{
    delete ui;
}

void About::showModal(QWidget* parent)
{
    About dialog(parent);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}
