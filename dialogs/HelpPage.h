// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>

// The text of a help window. Its pages and pictures are read as the game reads its assets:
// only regular files, never waiting on a pipe or a device; anything else shows as missing.
class HelpPage : public QTextBrowser {
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override;
};
