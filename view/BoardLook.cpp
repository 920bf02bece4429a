// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardLook.h"

namespace {

QColor towardWhite(const QColor& colour, double white)
{
    if (white <= 0)
        return colour;
    const auto mix = [white](int component) { return qRound(component + (255 - component) * white); };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

} // namespace

const BoardLook& BoardLook::standard()
{
    static const BoardLook look {
        QColor(255, 255, 255),
        QColor(255, 255, 255),
        0.3,
        0.3,
        QColor(255, 255, 255),
        QColor(255, 255, 255, 77),
        QColor(178, 0, 0, 180),
        0.0,
        0.0,
    };
    return look;
}

// Contrast on the four plates (WCAG ratios, as rendered): the numbers above 13:1, the time and
// faults above 8:1 on the darker information box, the dimmed grey above 3.5:1 and the grid
// above 4.5:1. Red is kept for faults and the hover highlight, so the blocks of five turn
// blue-grey; a matched line under the pointer still reads 3:1 in red.
const BoardLook& BoardLook::highContrast()
{
    static const BoardLook look {
        QColor(24, 24, 24),
        QColor(118, 118, 118),
        1.0,
        0.65,
        QColor(24, 24, 24),
        QColor(96, 96, 96),
        QColor(44, 62, 96, 230),
        0.75,
        0.5,
    };
    return look;
}

QColor BoardLook::plateFill(const BackgroundStyle& background) const
{
    return towardWhite(background.panelFill, plateWhite);
}

QColor BoardLook::plateLine(const BackgroundStyle& background) const
{
    return towardWhite(background.panelLine, infoBoxWhite);
}
