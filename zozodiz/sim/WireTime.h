#pragma once

#include <chrono>

namespace zozodiz {

// Waits until `deadline` to within a few microseconds, as a report's time on the wire is to be
// kept: the kernel wakes a sleeping thread up to tens of microseconds late even with the finest
// timer slack (which is lowered for the wait and put back after it), so the thread sleeps to
// shortly before the deadline and watches the clock for the rest. Returns at once for a deadline
// that has passed.
void WaitOnWire(std::chrono::steady_clock::time_point deadline);

}  // namespace zozodiz
