// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace Ui {
class HelpBrowser;
}

// A stand-alone window on one page of the game's manual, with Home (the contents page of the
// same folder), Back (also Alt+Left; Alt+Right goes forward again) and Close (also Escape).
// It opens at 600 x 420 and the page follows any size the player gives it. It deletes itself
// when closed. It is never
// modal and has no parent, so the game's dialogs, which are modal to the main window only,
// leave it usable.
class HelpBrowser : public QWidget {
    Q_OBJECT

public:
    // page: a path relative to the game's asset folder, optionally with an anchor, such as
    // "Help//methods.html#Glue"; the page in the help's language where there is one.
    explicit HelpBrowser(const QString& page, QWidget* parent = nullptr);

    // The language the help is shown in where it has the pages ("de" reads "Help/de/..."
    // for "Help/..."), as the game's texts are; empty for English, the pages of "Help/"
    // itself. The anchors are the same in every language.
    static void setLanguage(const QString& language);
    ~HelpBrowser() override;

    Ui::HelpBrowser* ui;

public slots:
    void goHome();
    void updateWindowTitle();
};

// Opens a further help window on the page and returns at once; the window owns itself.
HelpBrowser* OpenHelp(const QString& page);
// Closes every help window, as the game's own window closes.
void CloseHelpWindows();
