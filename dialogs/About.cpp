// SPDX-License-Identifier: GPL-3.0-or-later
#include "About.h"

#include "AssetFolder.h"
#include "ui_About.h"

#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QUrl>

namespace {

// The form links to the help pages by paths relative to the game's asset folder, as the game
// reads its assets; the system's browser is handed absolute file addresses instead.
// Addresses with a scheme are left as they are.
QString withAbsoluteLinks(QString text)
{
    static const QRegularExpression relativeLink(QStringLiteral("href=\"([^\":]+)\""));
    QRegularExpressionMatch match;
    qsizetype from = 0;
    while ((match = relativeLink.match(text, from)).hasMatch()) {
        const QString url
            = QUrl::fromLocalFile(QDir::current().absoluteFilePath(AssetFolder::file(match.captured(1)))).toString();
        const QString link = QStringLiteral("href=\"%1\"").arg(url.toHtmlEscaped());
        text.replace(match.capturedStart(), match.capturedLength(), link);
        from = match.capturedStart() + link.size();
    }
    return text;
}

} // namespace

About::About(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::About)
{
    ui->setupUi(this);
    ui->versionLabel->setText(tr("Version %1").arg(QStringLiteral(TESSARIN_VERSION)));
    for (QLabel* label : findChildren<QLabel*>())
        label->setText(withAbsoluteLinks(label->text()));
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
