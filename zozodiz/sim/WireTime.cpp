#include "WireTime.h"

#include <sys/prctl.h>
#include <time.h>

#include <cerrno>

namespace zozodiz {

namespace {

using Clock = std::chrono::steady_clock;

// Longer than the kernel is late to wake a thread on a busy machine, most of the time.
constexpr auto kWatchedStretch = std::chrono::microseconds(100);

// steady_clock is CLOCK_MONOTONIC; a signal handled meanwhile does not shorten the sleep.
void SleepUntil(Clock::time_point until) {
    constexpr unsigned long kFinestSlackNs = 1;
    const int slack = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    prctl(PR_SET_TIMERSLACK, kFinestSlackNs, 0, 0, 0);
    const auto since = until.time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
    const timespec time{static_cast<time_t>(seconds.count()),
                        static_cast<long>((since - seconds) / std::chrono::nanoseconds(1))};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &time, nullptr) == EINTR) {
    }
    if (slack > 0) {
        prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(slack), 0, 0, 0);
    }
}

}  // namespace

void WaitOnWire(Clock::time_point deadline) {
    if (Clock::now() + kWatchedStretch < deadline) {
        SleepUntil(deadline - kWatchedStretch);
    }
    while (Clock::now() < deadline) {
    }
}

}  // namespace zozodiz
