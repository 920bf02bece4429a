// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

class QPainter;

// The translucent plate with a soft drop shadow drawn behind the clues and cells, tinted for
// the background, with a darker information box in its top-left corner. Rendered once per
// layout or background change, then only copied by each frame.
class BoardPanel {
public:
    // What the image was built for.
    int rowClueSlots = 0;
    int columnClueSlots = 0;
    int columns = 0;
    int rows = 0;
    // Empty until the first rebuild; (20 rs + 24 columns + 60) x (20 cs + 24 rows + 60), ARGB32.
    QImage image;

    void rebuild(int columns, int rows, int rowClueSlots, int columnClueSlots, const QColor& fill, const QColor& line);
    // Draws the image with its top-left corner at board point (0, 0) of the laid-out scene.
    void draw(QPainter& painter, qreal opacity) const;
};
