// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScrollBars.h"

#include "SceneGeometry.h"
#include "Viewport.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

ScrollBars::ScrollBars(QWidget* parent, std::function<void(QPoint)> scrollTo)
    : QObject(parent)
    , scrollTo_(std::move(scrollTo))
    , across_(new QScrollBar(Qt::Horizontal, parent))
    , down_(new QScrollBar(Qt::Vertical, parent))
{
    for (QScrollBar* bar : {across_, down_}) {
        // The keys stay with the board.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, &ScrollBars::chosen);
    }
}

int ScrollBars::thickness() const
{
    return down_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, down_);
}

// Only the player's moves reach the viewport: following it changes the bars silently.
void ScrollBars::follow(const Viewport& viewport)
{
    const QRect room = viewport.placement().room;
    const int step = std::max(1, int(SceneGeometry::cellPitch * viewport.scale()));
    const auto place = [step](QScrollBar* bar, bool shown, int limit, int page, int value) {
        const QSignalBlocker quiet(bar);
        bar->setVisible(shown);
        bar->setRange(0, limit);
        bar->setPageStep(page);
        bar->setSingleStep(step);
        bar->setValue(value);
    };
    place(across_, viewport.horizontalBar(), viewport.scrollLimit().width(), room.width(), viewport.scrolled().x());
    place(down_, viewport.verticalBar(), viewport.scrollLimit().height(), room.height(), viewport.scrolled().y());
}

void ScrollBars::chosen()
{
    scrollTo_(QPoint(across_->value(), down_->value()));
}
