// RaRovovo: the companion program the tool starts at each of its starts. One copy per user stays
// in the background, silent and idle, until SIGTERM or SIGINT ends it with exit code 0; a copy
// started while another runs ends at once.

#include <unistd.h>

#include <csignal>

#include "platform/CompanionDaemon.h"
#include "platform/InstanceLock.h"

int main() {
    // Blocked before the lock is taken: a stop request that comes early waits to be taken below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    const keyloom::InstanceLock running(keyloom::COMPANION_DAEMON);
    if (!running.Held()) {
        return 0;
    }
    // Holds no folder busy.
    (void)!chdir("/");
    int signal = 0;
    sigwait(&stopSignals, &signal);
    return 0;
}
