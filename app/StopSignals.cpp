// SPDX-License-Identifier: GPL-3.0-or-later
#include "StopSignals.h"

#include <QSocketNotifier>

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {

int sockets[2] = {-1, -1};
const int stopSignals[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void onStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(sockets[0], &byte, 1);
}

void handle(void (*handler)(int))
{
    struct sigaction action { };
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : stopSignals)
        ::sigaction(signal, &action, nullptr);
}

} // namespace

StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{
    ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets);
    notifier_ = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(sockets[1], bytes, sizeof bytes) > 0) { }
        arrived_ = true;
        emit received();
    });
    handle(onStopSignal);
}

StopSignals::~StopSignals()
{
    handle(SIG_DFL);
    delete notifier_;
    ::close(sockets[0]);
    ::close(sockets[1]);
    sockets[0] = sockets[1] = -1;
}
