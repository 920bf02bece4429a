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
// buttons to step, jump, play slower or faster and leave. The buttons never take the focus, so
// the keys stay with the window; those that would go nowhere are disabled.
class ReplayBar : public QWidget {
    Q_OBJECT

public:
    enum class Command { Start, Back, Play, Forward, End, Slower, Faster, Leave };
    using Run = std::function<void(Command)>;

    ReplayBar(QWidget* parent, Run run);

    // Home, Left, P, Right or Space, End, minus, plus (or =, its key unshifted) and Escape;
    // none for any other key.
    static std::optional<Command> commandFor(int key);
    // Where the session's replay stands.
    void follow(const Session& session);
    QString stepText() const;
    QString speedText() const;

private:
    QPushButton* button(
        const QString& toolTip, Command command, std::optional<QStyle::StandardPixmap> icon = std::nullopt);

    Run run_;
    QLabel* step_;
    QLabel* speed_;
    QPushButton* start_;
    QPushButton* back_;
    QPushButton* play_;
    QPushButton* forward_;
    QPushButton* end_;
    QPushButton* slower_;
    QPushButton* faster_;
};
