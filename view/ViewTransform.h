// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Maps board pixels to window pixels: window = offset + board * scale.
struct ViewTransform {
    float scale = 1.0f;
    int offsetX = 0;
    int offsetY = 0;

    // The largest scale at which a scene of sceneSize board pixels fits the window below its
    // menu bar, centred across the other direction. An empty scene gives the identity.
    static ViewTransform fit(QSize sceneSize, int windowWidth, int windowHeight, int menuBarHeight);

    // The board point under a window point, each coordinate truncated toward zero.
    QPoint toBoard(int windowX, int windowY) const;
    // The window point of a board point, rounded to the nearest pixel.
    QPoint toWindow(QPoint boardPoint) const
    {
        return {offsetX + qRound(boardPoint.x() * scale), offsetY + qRound(boardPoint.y() * scale)};
    }
    // The window pixels a board rectangle covers, and one more all round: filtering spreads
    // a scaled picture's edge into its neighbours.
    QRect toWindow(const QRectF& boardRect) const;
};
