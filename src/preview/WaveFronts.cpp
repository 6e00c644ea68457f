#include "preview/WaveFronts.h"

#include <cstdlib>

#include "preview/ColorWheel.h"
#include "preview/KeyNameLookup.h"

namespace keyloom {

WaveFronts::WaveFronts(const WaveScript& script, const PreviewRandom& random)
    : script_(script), random_(random) {
    for (size_t i = 0; i < script.starts.size(); ++i) {
        starts_[i] = FirstCellOf(LightingButtonOfName(script.starts[i]));
    }
}

void WaveFronts::Reset() {
    glow_.Clear();
    fronts_.fill({});
    nextFront_ = 0;
    nextStart_ = 0;
    ticksToStart_ = 0;
}

void WaveFronts::Step(const LightingValues& values, PreviewFrame& frame) {
    glow_.Fade(script_.fade);
    if (ticksToStart_ == 0) {
        StartNext(values);
        ticksToStart_ = script_.beat;
    }
    --ticksToStart_;
    for (Front& front : fronts_) {
        Spread(front);
    }
    glow_.Draw(values, frame);
}

void WaveFronts::StartNext(const LightingValues& values) {
    const std::optional<GridCell> start = starts_[nextStart_];
    nextStart_ = (nextStart_ + 1) % script_.starts.size();
    if (!start) {
        return;
    }
    const int wheelEntry = values.multicolor ? static_cast<int>(random_() % WHEEL_SIZE) : 0;
    fronts_[nextFront_] = {*start, 0, wheelEntry, true};
    nextFront_ = (nextFront_ + 1) % fronts_.size();
}

// Lights the cells at the front's distance from its start (rows and columns apart added up).
void WaveFronts::Spread(Front& front) {
    if (!front.moving) {
        return;
    }
    for (int rowsAway = -front.radius; rowsAway <= front.radius; ++rowsAway) {
        const int row = front.start.row + rowsAway;
        const int columnsAway = front.radius - std::abs(rowsAway);
        Hit(front.start.column - columnsAway, row, front.wheelEntry);
        if (columnsAway > 0) {
            Hit(front.start.column + columnsAway, row, front.wheelEntry);
        }
    }
    ++front.radius;
    front.moving = front.radius <= script_.reach;
}

void WaveFronts::Hit(int column, int row, int wheelEntry) {
    if (column < 0 || column >= GRID_COLUMNS || row < 0 || row >= GRID_ROWS) {
        return;
    }
    const int button = PreviewGrid()[row][column];
    if (button != NO_BUTTON) {
        glow_.Light(button, wheelEntry);
    }
}

}  // namespace keyloom
