// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpBrowser.h"

#include <QApplication>
#include <QList>

// The help windows on screen now, however they were opened.
inline QList<HelpBrowser*> helpWindows()
{
    QList<HelpBrowser*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpBrowser*>(widget); help && help->isVisible())
            windows << help;
    return windows;
}
