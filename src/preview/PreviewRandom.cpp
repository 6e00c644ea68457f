#include "preview/PreviewRandom.h"

#include <chrono>
#include <random>

namespace keyloom {

PreviewRandom ClockSeededRandom() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::minstd_rand engine(static_cast<std::minstd_rand::result_type>(now));
    return [engine]() mutable { return static_cast<uint32_t>(engine()); };
}

}  // namespace keyloom
