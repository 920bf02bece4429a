// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace Ui {
class About;
}

// The product name and version, a link to the game's own help and the credits. Links open in the
// system's browser.
class About : public QDialog {
    Q_OBJECT

public:
    explicit About(QWidget* parent = nullptr);
    ~About() override;
    // Modal to parent's window only, so that help windows stay usable, until it closes.
    static void showModal(QWidget* parent);

    Ui::About* ui;
};
