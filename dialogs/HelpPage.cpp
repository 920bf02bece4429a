// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPage.h"

#include "AssetFolder.h"

#include <QTextDocument>

QVariant HelpPage::loadResource(int type, const QUrl& name)
{
    // Relative names come resolved against the page; anything else (a resource of the
    // program's own) is the browser's to find.
    if (!name.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    const QByteArray file = AssetFolder::readFile(name.toLocalFile());
    if (file.isEmpty())
        return {};
    if (type == QTextDocument::HtmlResource)
        return QString::fromUtf8(file);
    return file;
}
