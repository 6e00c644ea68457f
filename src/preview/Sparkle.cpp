#include "preview/Sparkle.h"

#include <numeric>

#include "preview/ColorWheel.h"
#include "preview/PreviewRing.h"

namespace keyloom {
namespace {

constexpr int kFlashesPerTick = 3;
constexpr int kFade = 22;  // dark again some 12 ticks after a flash
constexpr int kRingSize = static_cast<int>(PREVIEW_RING_SIZE);
// The scrambled order steps this far along the ring; sharing no factor with the ring's length,
// it reaches every key once per round.
constexpr int kScrambleStride = 28;
static_assert(std::gcd(kScrambleStride, kRingSize) == 1);

}  // namespace

void Sparkle::Reset() {
    glow_.Clear();
    next_ = 0;
}

void Sparkle::Step(const LightingValues& values, PreviewFrame& frame) {
    glow_.Fade(kFade);
    for (int flash = 0; flash < kFlashesPerTick; ++flash) {
        const int button = PreviewRing()[next_ * kScrambleStride % kRingSize];
        glow_.Light(button, static_cast<int>(random_() % WHEEL_SIZE));
        next_ = (next_ + 1) % kRingSize;
    }
    glow_.Draw(values, frame);
}

}  // namespace keyloom
