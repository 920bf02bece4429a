// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Seamlessly tiling backgrounds, one per choice in the Background menu.
QImage woodTexture();
QImage leavesTexture();
QImage grassTexture();
QImage waterTexture();

// The 120 x 24 strip of cell looks, one 24 x 24 tile per cell state.
QImage cellStrip();

// The mark that pops up where a wrong move was made.
QImage mistakeMark();

// The game's emblem, a small solved puzzle on a plate, drawn afresh for each
// size so that it stays crisp at 16 pixels instead of being shrunk. The large
// sizes carry clue numbers in Comfortaa, which needs a QGuiApplication; check
// emblemFontAvailable() first, or a substitute font would slip in unnoticed.
QImage emblem(int size);
bool emblemFontAvailable();
