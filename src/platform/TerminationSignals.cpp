#include "platform/TerminationSignals.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>

#include "platform/Log.h"

namespace keyloom {

namespace {

sigset_t TerminationSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&set, signal);
    }
    return set;
}

}  // namespace

void TerminationSignals::Block() {
    const sigset_t set = TerminationSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

TerminationSignals::TerminationSignals(std::function<void(int signal)> onSignal)
    : onSignal_(std::move(onSignal)) {
    Block();
    const sigset_t set = TerminationSet();
    signalFd_ = signalfd(-1, &set, SFD_CLOEXEC);
    stopFd_ = eventfd(0, EFD_CLOEXEC);
    if (signalFd_ < 0 || stopFd_ < 0) {
        LogWarning(FileErrorText("cannot watch for", "termination signals", errno));
        return;
    }
    thread_ = std::thread(&TerminationSignals::Watch, this);
}

TerminationSignals::~TerminationSignals() {
    if (thread_.joinable()) {
        const uint64_t stop = 1;
        (void)!write(stopFd_, &stop, sizeof stop);
        thread_.join();
    }
    for (const int fd : {signalFd_, stopFd_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void TerminationSignals::Watch() {
    pollfd entries[2] = {{signalFd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
    for (;;) {
        if (poll(entries, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (entries[1].revents != 0) {
            return;
        }
        signalfd_siginfo info{};
        if (read(signalFd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
            LogInfo("ending on signal " + std::to_string(info.ssi_signo));
            onSignal_(static_cast<int>(info.ssi_signo));
        }
    }
}

}  // namespace keyloom
