// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewTransform.h"

#include <cmath>

ViewTransform ViewTransform::fit(QSize sceneSize, int windowWidth, int windowHeight, int menuBarHeight)
{
    ViewTransform view;
    if (sceneSize.isEmpty())
        return view;

    const int available = windowHeight - menuBarHeight;
    const double windowRatio = double(windowWidth) / available;
    const double sceneRatio = double(sceneSize.width()) / sceneSize.height();
    if (windowRatio < sceneRatio) {
        // Narrower than the scene: full width, centred vertically below the menu bar.
        view.scale = float(windowWidth) / sceneSize.width();
        view.offsetY = static_cast<int>((available - sceneSize.height() * view.scale) * 0.5 + menuBarHeight);
    } else {
        view.scale = float(available) / sceneSize.height();
        view.offsetX = static_cast<int>((windowWidth - sceneSize.width() * view.scale) * 0.5);
        view.offsetY = menuBarHeight;
    }
    return view;
}

QPoint ViewTransform::toBoard(int windowX, int windowY) const
{
    // A cast, not floor: a point just left of or above the scene still maps to board 0.
    return QPoint(static_cast<int>((windowX - offsetX) / scale), static_cast<int>((windowY - offsetY) / scale));
}

QRect ViewTransform::toWindow(const QRectF& boardRect) const
{
    const int left = static_cast<int>(std::floor(offsetX + boardRect.left() * scale)) - 1;
    const int top = static_cast<int>(std::floor(offsetY + boardRect.top() * scale)) - 1;
    const int right = static_cast<int>(std::ceil(offsetX + boardRect.right() * scale)) + 1;
    const int bottom = static_cast<int>(std::ceil(offsetY + boardRect.bottom() * scale)) + 1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}
