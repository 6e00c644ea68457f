#include "preview/PhaseWave.h"

#include "preview/ColorScaling.h"
#include "preview/ColorWheel.h"
#include "preview/PhaseAdvance.h"

namespace keyloom {

int PhaseColors::Size() const {
    return levels_.empty() ? WHEEL_SIZE : static_cast<int>(levels_.size());
}

Color PhaseColors::At(int index, Color chosen) const {
    return levels_.empty() ? WheelColor(index) : ScaleColor(chosen, levels_[index]);
}

void PhaseWave::Step(const LightingValues& values, PreviewFrame& frame) {
    const int size = colors_.Size();
    phase_ = AdvanceByDirection(phase_, step_, size, values.direction);
    PaintGroups(groups_, frame, [&](int group) {
        return colors_.At((phase_ + spacing_ * group) % size, values.color);
    });
}

}  // namespace keyloom
