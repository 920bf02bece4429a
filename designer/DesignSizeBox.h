// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>

class QSpinBox;

// Asks the size of a new design: any from 5x5 to 60x60, the game's own sizes offered first.
class DesignSizeBox : public QDialog {
    Q_OBJECT

public:
    explicit DesignSizeBox(QWidget* parent = nullptr);
    QSize chosen() const;
    // The size chosen, none on Cancel.
    static std::optional<QSize> ask(QWidget* parent);

private:
    QSpinBox* columns_;
    QSpinBox* rows_;
};
