// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignSizeBox.h"

#include "Design.h"
#include "PuzzleSizes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

DesignSizeBox::DesignSizeBox(QWidget* parent)
    : QDialog(parent)
    , columns_(new QSpinBox(this))
    , rows_(new QSpinBox(this))
{
    setWindowTitle(tr("New Design"));
    auto* presets = new QComboBox(this);
    for (const PuzzleSize& size : puzzleSizes)
        presets->addItem(size.label, QSize(size.columns, size.rows));
    for (QSpinBox* side : {columns_, rows_}) {
        side->setRange(Design::smallestSide, Design::largestSide);
        side->setValue(10);
    }
    presets->setCurrentIndex(sizeIndexOf(10, 10));
    connect(presets, &QComboBox::activated, this, [this, presets](int index) {
        const QSize size = presets->itemData(index).toSize();
        columns_->setValue(size.width());
        rows_->setValue(size.height());
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Size:"), presets);
    form->addRow(tr("Columns:"), columns_);
    form->addRow(tr("Rows:"), rows_);
    form->addRow(buttons);
}

QSize DesignSizeBox::chosen() const
{
    return {columns_->value(), rows_->value()};
}

std::optional<QSize> DesignSizeBox::ask(QWidget* parent)
{
    DesignSizeBox box(parent);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.chosen();
}
