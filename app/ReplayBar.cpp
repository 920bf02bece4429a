// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplayBar.h"

#include "GameWords.h"
#include "Session.h"
#include "TechniqueTable.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <utility>

ReplayBar::ReplayBar(QWidget* parent, Run run)
    : QWidget(parent)
    , run_(std::move(run))
    , step_(new QLabel(this))
    , speed_(new QLabel(this))
{
    // The board takes whatever height the bar leaves.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(start_ = button(tr("Start (Home)"), Command::Start, QStyle::SP_MediaSkipBackward));
    layout->addWidget(back_ = button(tr("Back (Left)"), Command::Back, QStyle::SP_MediaSeekBackward));
    // Its icon and tip follow whether the replay plays.
    layout->addWidget(play_ = button(tr("Play (P)"), Command::Play, QStyle::SP_MediaPlay));
    layout->addWidget(forward_ = button(tr("Forward (Right or Space)"), Command::Forward, QStyle::SP_MediaSeekForward));
    layout->addWidget(end_ = button(tr("End (End)"), Command::End, QStyle::SP_MediaSkipForward));
    layout->addWidget(slower_ = button(tr("Slower (-)"), Command::Slower));
    layout->addWidget(speed_);
    layout->addWidget(faster_ = button(tr("Faster (+)"), Command::Faster));
    // A sign each, as narrow as the buttons with pictures.
    for (const auto& [control, sign] : {std::pair(slower_, QStringLiteral("\u2212")), {faster_, QStringLiteral("+")}}) {
        control->setText(sign);
        control->setFixedWidth(start_->sizeHint().width());
    }
    layout->addWidget(step_, 1);
    QPushButton* leave = button(tr("Show the finished board (Escape)"), Command::Leave);
    leave->setText(tr("Done"));
    layout->addWidget(leave);
    // Copied and passed on like the puzzle's code.
    step_->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

QPushButton* ReplayBar::button(const QString& toolTip, Command command, std::optional<QStyle::StandardPixmap> icon)
{
    auto* control = new QPushButton(this);
    if (icon)
        control->setIcon(style()->standardIcon(*icon));
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
    case Qt::Key_Minus: return Command::Slower;
    case Qt::Key_Plus:
    case Qt::Key_Equal: return Command::Faster;
    case Qt::Key_Escape: return Command::Leave;
    default: return std::nullopt;
    }
}

void ReplayBar::follow(const Session& session)
{
    const SolutionReplay& replay = session.replay();
    const SolutionReplay::Step* step = replay.current();
    step_->setText(
        tr("Step %1 of %2: %3")
            .arg(replay.position())
            .arg(replay.count())
            .arg(!step ? tr("the blank board")
                    : step->technique == whatIfTechnique
                    //: What If and its reasoning: "What If: If the cell in column 3, ..."
                    ? QCoreApplication::translate("GameWords", "%1: %2")
                          .arg(GameWords::technique(whatIfTechnique),
                              GameWords::whatIf(step->assumption.x, step->assumption.y, step->assumption.broken))
                    : GameWords::deduction(step->technique, step->isRow, step->line, step->clue)));
    start_->setEnabled(replay.position() > 0);
    back_->setEnabled(replay.position() > 0);
    forward_->setEnabled(!replay.atEnd());
    end_->setEnabled(!replay.atEnd());
    // As a multiple of the usual pace: "1/2×", "1×", "4×".
    const auto pace = session.replayPace();
    const auto usual = Session::replayPaces[Session::usualReplaySpeed];
    const QString times
        = pace > usual ? QStringLiteral("1/%1\u00d7").arg(pace / usual) : QStringLiteral("%1\u00d7").arg(usual / pace);
    speed_->setText(tr("Speed: %1").arg(times));
    slower_->setEnabled(session.replaySpeed() > 0);
    faster_->setEnabled(session.replaySpeed() < Session::replaySpeedCount - 1);
    const bool playing = session.replayPlaying();
    play_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    play_->setToolTip(playing ? tr("Stop (P)") : tr("Play (P)"));
}

QString ReplayBar::stepText() const
{
    return step_->text();
}

QString ReplayBar::speedText() const
{
    return speed_->text();
}
