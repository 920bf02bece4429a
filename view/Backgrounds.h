// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

// The four background textures with the colours of the board panel that suit each.
// Indexes: 0 Wood, 1 Leaves, 2 Grass, 3 Water (the value kept in the settings).
struct BackgroundStyle {
    QString textureFile;
    QColor panelFill;
    QColor panelLine;
};

namespace Backgrounds {

constexpr int count = 4;

/* 0 <= index < count */
const BackgroundStyle& style(int index);

} // namespace Backgrounds
