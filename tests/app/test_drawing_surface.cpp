// SPDX-License-Identifier: GPL-3.0-or-later
// The surface the game draws on, chosen by the OpenGL renderer's name as a child program gives
// it. Runs on a real X display (Xvfb), where OpenGL contexts can be made.
#include "DrawingSurface.h"

#include <QFile>
#include <QOpenGLWidget>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class DrawingSurfaceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir scratch_;
    int painted_ = 0;

    // A program that answers the renderer question with the given shell lines.
    QString renderer(const QString& name, const QByteArray& lines)
    {
        QFile program(scratch_.filePath(name));
        if (!program.open(QIODevice::WriteOnly) || program.write("#!/bin/sh\n" + lines + "\n") < 0)
            return {};
        program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return program.fileName();
    }

    // A shown surface made with that setting, once the renderer's answer (if asked) is in.
    DrawingSurface* settled(QWidget& parent, const QString& drawing)
    {
        parent.resize(200, 150);
        auto* surface = new DrawingSurface(
            &parent, [this](QPainter&) { ++painted_; }, drawing);
        parent.show();
        if (!QTest::qWaitForWindowExposed(&parent))
            return nullptr;
        // The question's child is dropped once it has answered, or been given up on.
        for (int waited = 0; parent.findChild<QProcess*>() && waited < 8000; waited += 20)
            QTest::qWait(20);
        return parent.findChild<QProcess*>() ? nullptr : surface;
    }

private slots:
    void initTestCase() { QVERIFY(scratch_.isValid()); }

    void aHardwareAnswerAloneBringsOpenGL()
    {
        struct Case {
            const char* what;
            QByteArray lines;
            const char* drawing;
            bool openGL;
        };
        const Case cases[] = {
            {"hardware", "echo 'Fast Card 3000/PCIe'", "auto", true},
            {"software", "echo 'llvmpipe (LLVM 15.0.6, 256 bits)'", "auto", false},
            {"no context", "exit 1", "auto", false},
            {"crashed", "echo 'Fast Card'; kill -SEGV $$", "auto", false},
            {"silent", "exit 0", "auto", false},
            {"raster chosen", "echo 'Fast Card'", "raster", false},
            {"opengl chosen", "echo 'llvmpipe'", "opengl", true},
        };
        for (const Case& c : cases) {
            DrawingSurface::askRendererOf(renderer(c.what, c.lines));
            QWidget parent;
            DrawingSurface* surface = settled(parent, c.drawing);
            QVERIFY2(surface, c.what);
            QWidget* widget = surface->widget();
            QVERIFY2(bool(qobject_cast<QOpenGLWidget*>(widget)) == c.openGL, c.what);
            // The one surface left fills the parent, tracks the pointer and paints the game.
            QVERIFY2(widget->isVisible() && widget->hasMouseTracking() && widget->size() == parent.size(), c.what);
            QCOMPARE(parent.findChildren<QWidget*>().size(), 1);
            painted_ = 0;
            widget->update();
            QTRY_VERIFY2(painted_ > 0, c.what);
        }
    }
};

QTEST_MAIN(DrawingSurfaceTest)
#include "test_drawing_surface.moc"
