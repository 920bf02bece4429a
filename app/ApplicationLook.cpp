// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationLook.h"

#include "AssetFolder.h"
#include "SharedIconStyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmapCache>

namespace ApplicationLook {

void install(const QIcon& icon)
{
    // An installed game has no font folder of its own: it uses the system's Comfortaa.
    QFontDatabase::addApplicationFontFromData(AssetFolder::read("Fonts//Comfortaa Regular.ttf"));
    QFontDatabase::addApplicationFontFromData(AssetFolder::read("Fonts//Comfortaa Bold.ttf"));
    // Help windows show the application's icon, so all share this one, and every box shares
    // its buttons' icons with the boxes before it. Each icon object leaves scaled copies of its
    // own in Qt's pixmap cache: one loaded per help window, like the button icons of every
    // box, filled the cache (10 MB) a little more each time. Icons and small style pieces are
    // all it holds here, so 2 MB is plenty.
    QApplication::setWindowIcon(icon);
    if (!dynamic_cast<SharedIconStyle*>(QApplication::style()))
        QApplication::setStyle(new SharedIconStyle);
    QPixmapCache::setCacheLimit(2 * 1024);
}

} // namespace ApplicationLook
