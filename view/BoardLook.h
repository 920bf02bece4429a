// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Backgrounds.h"

#include <QColor>

// The colours of the plate and of what stands on it. The game's own look lets the texture
// show through a pale plate under white numbers; High Contrast puts near-black numbers on an
// opaque, light plate for players who cannot read the first.
struct BoardLook {
    // Numbers of lines still open.
    QColor clueText;
    // Numbers of matched and empty lines, drawn with dimmedAlpha times the colour's alpha.
    QColor dimmedClueText;
    double dimmedAlpha;
    // A hovered line keeps the highlight colour; dimmed, its alpha is this share of it.
    double dimmedHighlightAlpha;
    // Mode, time and faults in the information box.
    QColor infoText;
    QColor gridLine;
    // Every fifth line; its alpha is scaled by the cells' opacity.
    QColor blockSeparator;
    // Share of white mixed into the background's plate and information box colours. Above 0
    // the plate is opaque, so no texture shows through it; 0 keeps the background's own
    // translucent colours.
    double plateWhite;
    double infoBoxWhite;

    static const BoardLook& standard();
    static const BoardLook& highContrast();
    static const BoardLook& forSetting(bool highContrast)
    {
        return highContrast ? BoardLook::highContrast() : standard();
    }

    // The plate's fill, and its outline and information box, on that background.
    QColor plateFill(const BackgroundStyle& background) const;
    QColor plateLine(const BackgroundStyle& background) const;
};
