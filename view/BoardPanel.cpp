// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardPanel.h"

#include "SceneGeometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <vector>

namespace {

using SceneGeometry::clueStep;
using SceneGeometry::margin;

// The shadow fades in over the outer margin: clear up to 10 pixels from the image edge,
// darkest where the plate begins.
const QColor shadow(0, 0, 0, 180);
constexpr int shadowRadius = 19;

void fillShadowCorner(QPainter& painter, QPointF centre, const QRect& square)
{
    QRadialGradient gradient(centre, shadowRadius, centre);
    gradient.setColorAt(0, shadow);
    gradient.setColorAt(1, Qt::transparent);
    painter.fillRect(square, gradient);
}

void fillShadowEdge(QPainter& painter, QPointF clear, QPointF dark, const QRect& strip)
{
    QLinearGradient gradient(clear, dark);
    gradient.setColorAt(0, Qt::transparent);
    gradient.setColorAt(1, shadow);
    painter.fillRect(strip, gradient);
}

} // namespace

void BoardPanel::rebuild(
    int columns, int rows, int rowClueSlots, int columnClueSlots, const QColor& fill, const QColor& line)
{
    this->columns = columns;
    this->rows = rows;
    this->rowClueSlots = rowClueSlots;
    this->columnClueSlots = columnClueSlots;
    size_ = QSize(SceneGeometry::sceneExtent(rowClueSlots, columns), SceneGeometry::sceneExtent(columnClueSlots, rows));
    // The stretches begin two pixels past the information box, whose edges filtering spreads,
    // and end where the far edge's shadow and rounded corner begin.
    const int startX = margin + clueStep * rowClueSlots + 2;
    const int startY = margin + clueStep * columnClueSlots + 2;
    const int farEdge = margin + 2;
    // A plate of up to a million pixels (any of the six sizes') is kept whole, drawn exactly
    // as it always was; filtering rounds a stretch a shade differently.
    const bool whole = qint64(size_.width()) * size_.height() <= wholePlatePixels;
    stretchX_ = !whole && size_.width() > startX + 1 + farEdge ? startX : -1;
    stretchY_ = !whole && size_.height() > startY + 1 + farEdge ? startY : -1;
    const QSize kept(
        stretchX_ < 0 ? size_.width() : startX + 1 + farEdge, stretchY_ < 0 ? size_.height() : startY + 1 + farEdge);
    image = render(kept, rowClueSlots, columnClueSlots, fill, line);
}

QImage BoardPanel::render(QSize scene, int rowClueSlots, int columnClueSlots, const QColor& fill, const QColor& line)
{
    const int w = scene.width();
    const int h = scene.height();
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    // Each shape replaces what lies beneath, alpha included: the plate must keep its own
    // translucency over the shadow so the background shows through it in the game.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);

    fillShadowCorner(painter, QPointF(margin, margin), QRect(0, 0, margin, margin));
    fillShadowCorner(painter, QPointF(w - margin, margin), QRect(w - margin, 0, margin, margin));
    fillShadowCorner(painter, QPointF(margin, h - margin), QRect(0, h - margin, margin, margin));
    fillShadowCorner(painter, QPointF(w - margin, h - margin), QRect(w - margin, h - margin, margin, margin));

    fillShadowEdge(painter, QPointF(margin, 10), QPointF(margin, margin), QRect(margin, 0, w - 2 * margin, margin));
    fillShadowEdge(painter, QPointF(margin, h - 10), QPointF(margin, h - margin),
        QRect(margin, h - margin, w - 2 * margin, margin));
    fillShadowEdge(painter, QPointF(10, margin), QPointF(margin, margin), QRect(0, margin, margin, h - 2 * margin));
    fillShadowEdge(painter, QPointF(w - 10, margin), QPointF(w - margin, margin),
        QRect(w - margin, margin, margin, h - 2 * margin));

    // The plate, with an outline one device pixel wide.
    painter.setPen(QPen(line, 0));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRect(19, 19, w - 38, h - 38), 10, 10);

    // The information box in the plate's corner: a disc for the rounded corner, and two
    // rectangles that square off the rest.
    painter.setBrush(line);
    painter.drawRoundedRect(QRect(19, 19, 20, 20), 10, 10);
    painter.fillRect(QRect(30, 20, clueStep * rowClueSlots, clueStep * columnClueSlots + 10), line);
    painter.fillRect(QRect(20, 30, 10, clueStep * columnClueSlots), line);
    return image;
}

namespace {

// One axis of the plate in up to three parts: what lies before the stretch, the stretch, and
// what lies after it, each as where it stands in the scene and where it is in the image.
struct Span {
    qreal sceneStart, sceneEnd;
    int imageStart, imageEnd;
};

std::vector<Span> spans(int sceneLength, int imageLength, int stretch)
{
    if (stretch < 0)
        return {{0, qreal(sceneLength), 0, imageLength}};
    const int after = imageLength - stretch - 1;
    return {{0, qreal(stretch), 0, stretch}, {qreal(stretch), qreal(sceneLength - after), stretch, stretch + 1},
        {qreal(sceneLength - after), qreal(sceneLength), stretch + 1, imageLength}};
}

} // namespace

void BoardPanel::draw(QPainter& painter, qreal opacity) const
{
    painter.save();
    painter.setOpacity(opacity);
    const std::vector<Span> across = spans(size_.width(), image.width(), stretchX_);
    const std::vector<Span> down = spans(size_.height(), image.height(), stretchY_);
    // Only what the clip shows costs anything: a frame usually redraws a few cells.
    const QRectF shown = painter.hasClipping() ? painter.clipBoundingRect() : QRectF(QPointF(0, 0), QSizeF(size_));
    for (const Span& x : across) {
        for (const Span& y : down) {
            const QRectF target(QPointF(x.sceneStart, y.sceneStart), QPointF(x.sceneEnd, y.sceneEnd));
            if (!target.intersects(shown))
                continue;
            const QRect source(QPoint(x.imageStart, y.imageStart), QPoint(x.imageEnd - 1, y.imageEnd - 1));
            // The middle of the plate is one colour.
            if (source.width() == 1 && source.height() == 1)
                painter.fillRect(target, image.pixelColor(source.topLeft()));
            else
                painter.drawImage(target, image, source);
        }
    }
    painter.restore();
}
