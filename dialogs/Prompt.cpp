// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prompt.h"

#include <QCoreApplication>
#include <QDebug>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <tuple>

namespace {

Prompt::Responder& responder()
{
    static Prompt::Responder instance;
    return instance;
}

Prompt::TextResponder& textResponder()
{
    static Prompt::TextResponder instance;
    return instance;
}

// Room for a window manager's frame around a box, which is not known before it is shown.
constexpr int frameAllowance = 32;

QMessageBox::StandardButton show(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, const QRect* keepClear = nullptr)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (parent && keepClear) {
        // The box settles its size only once shown.
        box.show();
        const QRect clear(parent->mapToGlobal(keepClear->topLeft()), keepClear->size());
        const QScreen* screen = parent->screen();
        box.move(Prompt::placeClear(parent->frameGeometry(), screen ? screen->availableGeometry() : QRect(),
            box.size() + QSize(0, frameAllowance), parent->pos() + QPoint(100, 100), clear.adjusted(-4, -4, 4, 4)));
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

namespace Prompt {

bool ask(QWidget* parent, const QString& question)
{
    if (responder())
        return responder()(question) == Answer::Yes;
    return show(parent, "Tessarin", question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool askBeside(QWidget* parent, const QString& question, const QRect& keepClear)
{
    if (responder())
        return responder()(question) == Answer::Yes;
    return show(parent, "Tessarin", question, QMessageBox::Yes | QMessageBox::No, &keepClear) == QMessageBox::Yes;
}

Answer askOrCancel(QWidget* parent, const QString& question)
{
    if (responder())
        return responder()(question);
    switch (show(parent, "Tessarin", question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

void tell(QWidget* parent, const QString& message)
{
    if (responder()) {
        responder()(message);
        return;
    }
    show(parent, "Tessarin", message, QMessageBox::Ok);
}

std::optional<QString> askText(QWidget* parent, const QString& question)
{
    if (textResponder())
        return textResponder()(question);
    QInputDialog box(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.setWindowTitle("Tessarin");
    box.setLabelText(question);
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

bool offerHelp(QWidget* parent, const QString& message, const QRect& keepClear)
{
    if (responder())
        return responder()(message) == Answer::Yes;
    return show(parent, "Tessarin", message, QMessageBox::Ok | QMessageBox::Help, &keepClear) == QMessageBox::Help;
}

QPoint placeClear(
    const QRect& area, const QRect& screen, const QSize& box, const QPoint& preferred, const QRect& keepClear)
{
    // Moved as little as it takes to stand wholly on the screen; a box larger than the screen
    // keeps its top-left corner, and its buttons, there.
    const auto onScreen = [&](QPoint at) {
        if (screen.isEmpty())
            return at;
        return QPoint(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - box.width())),
            std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - box.height())));
    };
    const QPoint candidates[] = {
        preferred,
        {keepClear.left() - box.width(), preferred.y()},
        {keepClear.right() + 1, preferred.y()},
        {preferred.x(), keepClear.top() - box.height()},
        {preferred.x(), keepClear.bottom() + 1},
    };
    // Clear of what it talks about first, then inside the window, then as near as can be.
    const auto rank = [&](QPoint at) {
        const QRect placed(at, box);
        return std::make_tuple(
            placed.intersects(keepClear), !area.contains(placed), (at - preferred).manhattanLength());
    };
    QPoint best = onScreen(preferred);
    for (QPoint candidate : candidates) {
        const QPoint at = onScreen(candidate);
        if (rank(at) < rank(best))
            best = at;
    }
    return best;
}

void fatalError(const QString& text)
{
    // Also on the terminal, where a bug report can copy it from.
    qWarning().noquote() << "Fatal Error:" << text;
    if (responder()) {
        responder()(text);
        return;
    }
    show(nullptr, QCoreApplication::translate("Prompt", "Fatal Error"), text, QMessageBox::Ok);
}

void setResponder(Responder newResponder)
{
    responder() = std::move(newResponder);
}

void setTextResponder(TextResponder responder)
{
    textResponder() = std::move(responder);
}

} // namespace Prompt
