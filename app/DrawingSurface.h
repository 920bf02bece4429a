#pragma once

#include <functional>

class QPainter;
class QString;
class QSize;
class QWidget;

// The widget the game is painted on, filling its parent: an OpenGL surface where a context
// can be had and is wanted, a plain raster widget otherwise (and always on Qt's offscreen and
// minimal platforms, where a shown OpenGL widget cannot work). It draws nothing of its own:
// each paint calls paintFrame with a painter on the surface. Mouse events are left to the
// parent.
namespace DrawingSurface {

using PaintFrame = std::function<void(QPainter& painter)>;

// drawing: "opengl", "raster", or "auto": OpenGL unless its renderer is software (llvmpipe,
// softpipe, swrast), which draws each frame several times slower than Qt's raster engine.
QWidget* create(QWidget* parent, PaintFrame paintFrame, const QString& drawing);


} // namespace DrawingSurface
