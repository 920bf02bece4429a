#include "DrawingSurface.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPainter>
#include <QVBoxLayout>

namespace {

class GLSurface : public QOpenGLWidget {
public:
    GLSurface(QWidget* parent, DrawingSurface::PaintFrame paintFrame)
        : QOpenGLWidget(parent)
        , paintFrame_(std::move(paintFrame))
    {
    }

protected:
    void paintGL() override
    {
        // A frame may leave parts undrawn (a missing background); never show stale pixels.
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        QPainter painter(this);
        paintFrame_(painter);
    }

private:
    DrawingSurface::PaintFrame paintFrame_;
};

class RasterSurface : public QWidget {
public:
    RasterSurface(QWidget* parent, DrawingSurface::PaintFrame paintFrame)
        : QWidget(parent)
        , paintFrame_(std::move(paintFrame))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        paintFrame_(painter);
    }

private:
    DrawingSurface::PaintFrame paintFrame_;
};

bool isSoftwareRenderer(const QByteArray& name)
{
    for (const char* software : {"llvmpipe", "softpipe", "swrast"})
        if (name.contains(software))
            return true;
    return false;
}

bool openGLWanted(const QString& drawing)
{
    const QString platform = QGuiApplication::platformName();
    if (drawing == "raster" || platform == "offscreen" || platform == "minimal")
        return false;
    QOpenGLContext probe;
    if (!probe.create())
        return false;
    if (drawing == "opengl")
        return true;
    QOffscreenSurface surface;
    surface.create();
    if (!probe.makeCurrent(&surface))
        return false;
    const QByteArray renderer = reinterpret_cast<const char*>(probe.functions()->glGetString(GL_RENDERER));
    probe.doneCurrent();
    return !isSoftwareRenderer(renderer);
}

} // namespace

namespace DrawingSurface {

QWidget* create(QWidget* parent, PaintFrame paintFrame, const QString& drawing)
{
    QWidget* surface = openGLWanted(drawing) ? static_cast<QWidget*>(new GLSurface(parent, std::move(paintFrame)))
                                             : new RasterSurface(parent, std::move(paintFrame));
    surface->setMouseTracking(true);
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface);
    return surface;
}

} // namespace DrawingSurface
