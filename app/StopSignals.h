// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT (a shutdown, a closed terminal, Ctrl+C) arrive as the signal
// received() in the event loop, where the game can keep what the player would lose. The
// handler only writes a byte to a socket, which is all a signal handler may safely do.
// One per process.
class StopSignals : public QObject {
    Q_OBJECT

public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // A stop signal has arrived since this was made.
    bool arrived() const { return arrived_; }

signals:
    void received();

private:
    QSocketNotifier* notifier_;
    bool arrived_ = false;
};
