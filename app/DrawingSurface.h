// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QPainter;
class QProcess;
class QString;
class QWidget;

// The widget the game is painted on, filling its parent: an OpenGL surface where a context
// can be had and is worth having, a plain raster widget otherwise (and always on Qt's
// offscreen and minimal platforms, where a shown OpenGL widget cannot work). It draws nothing
// of its own: each paint calls paintFrame with a painter on the surface. Mouse events are left
// to the parent.
//
// drawing: "opengl", "raster", or "auto": OpenGL unless its renderer is software (llvmpipe,
// softpipe, swrast), which draws each frame several times slower than Qt's raster engine.
// Where a program answers rendererArgument (askRendererOf), "auto" starts on the raster widget
// and asks that program, as a child process, for the renderer's name: loading an OpenGL
// driver takes a tenth of a second and, for a software one, more memory than the rest of the
// game, and a driver that crashes takes only the child with it. A hardware renderer's answer
// puts the OpenGL surface in the raster widget's place. Otherwise the renderer is asked in
// this process, before the surface is made.
class DrawingSurface : public QObject {
public:
    using PaintFrame = std::function<void(QPainter& painter)>;

    DrawingSurface(QWidget* parent, PaintFrame paintFrame, const QString& drawing);
    ~DrawingSurface() override;
    QWidget* widget() const { return widget_; }

    // Run with this argument, the program prints the name of the OpenGL renderer it gets and
    // ends: printRenderer is its whole work.
    static constexpr char rendererArgument[] = "--opengl-renderer";
    static int printRenderer(int argc, char* argv[]);
    // The program to run with rendererArgument, for every surface made after.
    static void askRendererOf(const QString& program);

private:
    void heardRenderer();
    void show(QWidget* surface);

    QWidget* parent_;
    PaintFrame paintFrame_;
    QWidget* widget_ = nullptr;
    QProcess* rendererQuery_ = nullptr;
};
