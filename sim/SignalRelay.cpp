#include "sim/SignalRelay.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vk220::sim {

SignalRelay::SignalRelay(std::initializer_list<int> signalNumbers, QObject *parent)
    : QObject(parent) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readFd = fds[0];
    writeFd = fds[1];
    notifier = new QSocketNotifier(readFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SignalRelay::Drain);
    struct sigaction action {};
    action.sa_handler = &SignalRelay::Handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : signalNumbers)
        sigaction(signalNumber, &action, nullptr);
}

SignalRelay::~SignalRelay() {
    if (readFd < 0)
        return;
    delete notifier;
    const int pipeWriteFd = writeFd;
    writeFd = -1;
    close(pipeWriteFd);
    close(readFd);
}

void SignalRelay::Handle(int signalNumber) {
    const unsigned char code = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = write(writeFd, &code, 1);
}

void SignalRelay::Drain() {
    unsigned char code = 0;
    while (read(readFd, &code, 1) == 1)
        emit Received(code);
}

} // namespace vk220::sim
