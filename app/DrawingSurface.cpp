// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingSurface.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPainter>
#include <QProcess>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

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

bool offscreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform == "offscreen" || platform == "minimal";
}

// A renderer that has not answered by then is taken to be broken.
constexpr int rendererQueryMs = 5000;

// The program that answers DrawingSurface::rendererArgument; none: the renderer is asked here.
QString& rendererProgram()
{
    static QString program;
    return program;
}

// The renderer's name, empty when no OpenGL context can be made current.
QByteArray rendererName()
{
    QOpenGLContext context;
    QOffscreenSurface surface;
    surface.create();
    if (!context.create() || !context.makeCurrent(&surface))
        return {};
    const char* renderer = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    context.doneCurrent();
    return renderer ? QByteArray(renderer) : QByteArray();
}

bool hardwareRenderer(const QByteArray& name)
{
    return !name.isEmpty() && !isSoftwareRenderer(name);
}

} // namespace

DrawingSurface::DrawingSurface(QWidget* parent, PaintFrame paintFrame, const QString& drawing)
    : QObject(parent)
    , parent_(parent)
    , paintFrame_(std::move(paintFrame))
{
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    if (drawing == "opengl" && !offscreen()) {
        QOpenGLContext probe;
        if (probe.create()) {
            show(new GLSurface(parent_, paintFrame_));
            return;
        }
    }
    if (drawing == "auto" && !offscreen() && rendererProgram().isEmpty() && hardwareRenderer(rendererName())) {
        show(new GLSurface(parent_, paintFrame_));
        return;
    }
    show(new RasterSurface(parent_, paintFrame_));
    if (drawing != "auto" || offscreen() || rendererProgram().isEmpty())
        return;
    rendererQuery_ = new QProcess(this);
    rendererQuery_->setStandardErrorFile(QProcess::nullDevice());
    connect(rendererQuery_, &QProcess::finished, this, &DrawingSurface::heardRenderer);
    QTimer::singleShot(rendererQueryMs, rendererQuery_, &QProcess::kill);
    rendererQuery_->start(rendererProgram(), {rendererArgument});
}

// A game closed before the renderer answered does not wait for it.
DrawingSurface::~DrawingSurface()
{
    if (rendererQuery_) {
        rendererQuery_->kill();
        rendererQuery_->waitForFinished(1000);
    }
}

void DrawingSurface::heardRenderer()
{
    const QByteArray renderer = rendererQuery_->readAllStandardOutput().trimmed();
    const bool answered = rendererQuery_->exitStatus() == QProcess::NormalExit && rendererQuery_->exitCode() == 0;
    rendererQuery_->deleteLater();
    rendererQuery_ = nullptr;
    if (answered && hardwareRenderer(renderer)) {
        QWidget* raster = widget_;
        show(new GLSurface(parent_, paintFrame_));
        raster->deleteLater();
    }
}

void DrawingSurface::show(QWidget* surface)
{
    surface->setMouseTracking(true);
    QLayout* layout = parent_->layout();
    if (widget_) {
        layout->replaceWidget(widget_, surface);
        widget_->hide();
    } else {
        layout->addWidget(surface);
    }
    surface->show();
    widget_ = surface;
}

void DrawingSurface::askRendererOf(const QString& program)
{
    rendererProgram() = program;
}

int DrawingSurface::printRenderer(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QByteArray renderer = rendererName();
    if (renderer.isEmpty())
        return 1;
    std::printf("%s\n", renderer.constData());
    return 0;
}
