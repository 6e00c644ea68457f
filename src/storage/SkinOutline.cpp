#include "storage/SkinOutline.h"

namespace keyloom {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

}  // namespace

std::vector<OutlineRun> OutlineRuns(int width, int height,
                                    const std::function<uint32_t(int x, int y)>& rgbAt) {
    std::vector<OutlineRun> runs;
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && (rgbAt(x, y) & kWhite) == kWhite) {
                ++x;
            }
            const int start = x;
            while (x < width && (rgbAt(x, y) & kWhite) != kWhite) {
                ++x;
            }
            if (x > start) {
                runs.push_back({start, y, x - start});
            }
        }
    }
    return runs;
}

}  // namespace keyloom
