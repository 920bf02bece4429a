// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyle>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class Session;

// The replay's controls under the board: which step is on show and what it found, and
// buttons to step, jump, play and leave. The buttons never take the focus, so the keys stay
// with the window.
class ReplayBar : public QWidget {
    Q_OBJECT

public:
    enum class Command { Start, Back, Play, Forward, End, Leave };
    using Run = std::function<void(Command)>;

    ReplayBar(QWidget* parent, Run run);

    // Home, Left, P, Right or Space, End and Escape; none for any other key.
    static std::optional<Command> commandFor(int key);
    // Where the session's replay stands.
    void follow(const Session& session);
    QString stepText() const;

private:
    QPushButton* button(
        const QString& toolTip, Command command, std::optional<QStyle::StandardPixmap> icon = std::nullopt);

    Run run_;
    QLabel* step_;
    QPushButton* back_;
    QPushButton* play_;
    QPushButton* forward_;
};
