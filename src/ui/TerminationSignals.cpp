#include "ui/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ui {

namespace {

// Written by the signal handler (only async-signal-safe calls there), read by the event loop.
int pipeEnds[2] = {-1, -1};

extern "C" void onTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
    errno = savedErrno;
}

void setHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (pipeEnds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    // A full buffer must never block the handler: further bytes add nothing anyway.
    for (const int end : pipeEnds)
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::onReadable);
    setHandler(SIGTERM, onTerminationSignal);
    setHandler(SIGINT, onTerminationSignal);
}

TerminationSignals::~TerminationSignals() {
    if (!m_notifier)
        return;
    setHandler(SIGTERM, SIG_DFL);
    setHandler(SIGINT, SIG_DFL);
    delete m_notifier;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void TerminationSignals::onReadable() {
    char buffer[16];
    while (::read(pipeEnds[1], buffer, sizeof buffer) > 0) {
    }
    m_requested = true;
    emit terminationRequested();
}

} // namespace ui
