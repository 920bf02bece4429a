// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPage.h"

#include "DurableFile.h"

#include <QTextDocument>

QVariant HelpPage::loadResource(int type, const QUrl& name)
{
    // Relative names come resolved against the page; anything else (a resource of the
    // program's own) is the browser's to find.
    if (!name.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    constexpr qint64 largestPage = 8 << 20;
    const DurableFile::Reading file = DurableFile::read(name.toLocalFile(), largestPage);
    if (file.status != DurableFile::Reading::Status::Read)
        return {};
    if (type == QTextDocument::HtmlResource)
        return QString::fromUtf8(file.bytes);
    return file.bytes;
}
