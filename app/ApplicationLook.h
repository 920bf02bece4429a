// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIcon;

// What every window of the game shares: the Comfortaa fonts, the game's icon, the button icons
// of its boxes and a pixmap cache sized for them.
namespace ApplicationLook {

void install(const QIcon& icon);

} // namespace ApplicationLook
