// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplayBar.h"

#include "Session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

ReplayBar::ReplayBar(QWidget* parent, Run run)
    : QWidget(parent)
    , run_(std::move(run))
    , step_(new QLabel(this))
{
    // The board takes whatever height the bar leaves.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    QPushButton* start = button("Start (Home)", Command::Start);
    back_ = button("Back (Left)", Command::Back);
    play_ = button("Play (P)", Command::Play);
    forward_ = button("Forward (Right or Space)", Command::Forward);
    QPushButton* end = button("End (End)", Command::End);
    start->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    back_->setIcon(style()->standardIcon(QStyle::SP_MediaSeekBackward));
    forward_->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
    end->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    for (QPushButton* control : {start, back_, play_, forward_, end})
        layout->addWidget(control);
    layout->addWidget(step_, 1);
    QPushButton* leave = button("Show the finished board (Escape)", Command::Leave);
    leave->setText("Done");
    layout->addWidget(leave);
    // Copied and passed on like the puzzle's code.
    step_->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

QPushButton* ReplayBar::button(const QString& toolTip, Command command)
{
    auto* control = new QPushButton(this);
    control->setToolTip(toolTip);
    control->setFocusPolicy(Qt::NoFocus);
    connect(control, &QPushButton::clicked, this, [this, command] { run_(command); });
    return control;
}

std::optional<ReplayBar::Command> ReplayBar::commandFor(int key)
{
    switch (key) {
    case Qt::Key_Home: return Command::Start;
    case Qt::Key_Left: return Command::Back;
    case Qt::Key_P: return Command::Play;
    case Qt::Key_Right:
    case Qt::Key_Space: return Command::Forward;
    case Qt::Key_End: return Command::End;
    case Qt::Key_Escape: return Command::Leave;
    default: return std::nullopt;
    }
}

void ReplayBar::follow(const Session& session)
{
    const SolutionReplay& replay = session.replay();
    QString text = "Step " + QString::number(replay.position()) + " of " + QString::number(replay.count());
    if (const SolutionReplay::Step* step = replay.current())
        text += ": " + QString::fromStdString(step->name());
    else
        text += ": the blank board";
    step_->setText(text);
    back_->setEnabled(replay.position() > 0);
    forward_->setEnabled(!replay.atEnd());
    const bool playing = session.replayPlaying();
    play_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    play_->setToolTip(playing ? "Stop (P)" : "Play (P)");
}

QString ReplayBar::stepText() const
{
    return step_->text();
}
