#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace keyloom {

// A horizontal run of pixels that belong to a window: [x, x + width) on row y.
struct OutlineRun {
    int x;
    int y;
    int width;
    friend bool operator==(const OutlineRun&, const OutlineRun&) = default;
};

// The window's shape from its outline picture, row by row: every pixel that is not pure white
// belongs to the window. `rgbAt(x, y)` gives a pixel as red | green << 8 | blue << 16.
std::vector<OutlineRun> OutlineRuns(int width, int height,
                                    const std::function<uint32_t(int x, int y)>& rgbAt);

}  // namespace keyloom
