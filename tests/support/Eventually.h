#pragma once

#include <chrono>
#include <thread>

namespace keyloom::test {

// What a wait does between two checks: nothing but pass 10 ms.
inline void PassTenMilliseconds() {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

// Checks `condition` until it holds or `limit` has passed, running `meanwhile` between two checks
// (a window test handles its events there); whether it held.
template <typename Condition, typename Meanwhile = void (*)()>
bool Eventually(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(5),
                Meanwhile meanwhile = PassTenMilliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        meanwhile();
    }
    return true;
}

}  // namespace keyloom::test
