// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

class QPainter;

// The translucent plate with a soft drop shadow drawn behind the clues and cells, tinted for
// the background, with a darker information box in its top-left corner. Rendered once per
// layout or background change, then only copied by each frame. Between its corners, edges and
// information box the plate is the same all along, so the picture of a large one keeps only
// one line of pixels of each such stretch: a 200x200 board's plate would otherwise take
// 100 MB, and copying a plain stretch is a fill.
class BoardPanel {
public:
    static constexpr qint64 wholePlatePixels = 1 << 20;

    // What the image was built for.
    int rowClueSlots = 0;
    int columnClueSlots = 0;
    int columns = 0;
    int rows = 0;
    // Empty until the first rebuild: the plate of the smallest scene with the same corners,
    // edges and information box, ARGB32; the scene's is size().
    QImage image;

    void rebuild(int columns, int rows, int rowClueSlots, int columnClueSlots, const QColor& fill, const QColor& line);
    // The scene's size in board pixels: (20 rs + 24 columns + 60) x (20 cs + 24 rows + 60).
    QSize size() const { return size_; }
    // Draws the plate with its top-left corner at board point (0, 0) of the laid-out scene.
    void draw(QPainter& painter, qreal opacity) const;
    // The whole plate of a scene of that many board pixels, as draw() shows it at scale 1.
    static QImage render(QSize scene, int rowClueSlots, int columnClueSlots, const QColor& fill, const QColor& line);

private:
    QSize size_;
    // Where the stretches begin in the scene and in the image, along each axis; each is one
    // pixel wide in the image. A scene too small to have one is kept whole.
    int stretchX_ = -1;
    int stretchY_ = -1;
};
