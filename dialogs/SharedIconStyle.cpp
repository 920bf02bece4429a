// SPDX-License-Identifier: GPL-3.0-or-later
#include "SharedIconStyle.h"

#include <QGuiApplication>
#include <QWidget>

QIcon SharedIconStyle::standardIcon(StandardPixmap picture, const QStyleOption* option, const QWidget* widget) const
{
    // An option may ask for a particular look; such icons are rare and not kept.
    if (option)
        return QProxyStyle::standardIcon(picture, option, widget);
    // Arrows point the other way in a right-to-left window.
    const Qt::LayoutDirection direction = widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
    const auto key = std::make_pair(picture, direction);
    auto found = icons_.find(key);
    if (found == icons_.end())
        found = icons_.emplace(key, QProxyStyle::standardIcon(picture, option, widget)).first;
    return found->second;
}
