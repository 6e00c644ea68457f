#include "model/LightingRecord.h"

#include <algorithm>

namespace keyloom {

namespace {

constexpr int kLastKnownMode = 20;
constexpr int kLastModeNumber = 255;  // a mode is one byte

// Fields written when mode n (1 to 20) is chosen: entry n - 1.
constexpr ModeWrite kModeWrites[kLastKnownMode] = {
    ModeWrite::MODE_AND_MULTICOLOR,  // 1
    ModeWrite::MODE_AND_MULTICOLOR,  // 2
    ModeWrite::MODE_AND_MULTICOLOR,  // 3
    ModeWrite::MODE,                 // 4
    ModeWrite::MODE_AND_MULTICOLOR,  // 5
    ModeWrite::MODE,                 // 6
    ModeWrite::MODE_AND_MULTICOLOR,  // 7
    ModeWrite::MODE_AND_MULTICOLOR,  // 8
    ModeWrite::MODE_AND_MULTICOLOR,  // 9
    ModeWrite::MODE,                 // 10
    ModeWrite::MODE,                 // 11
    ModeWrite::MODE,                 // 12
    ModeWrite::MODE_AND_MULTICOLOR,  // 13
    ModeWrite::MODE_AND_MULTICOLOR,  // 14
    ModeWrite::MODE_AND_MULTICOLOR,  // 15
    ModeWrite::MODE,                 // 16
    ModeWrite::MODE,                 // 17
    ModeWrite::MODE,                 // 18
    ModeWrite::NOTHING,              // 19
    ModeWrite::MODE,                 // 20
};

constexpr std::array<uint8_t, DEFAULT_LIGHTING_SIZE> kDefaultLighting = {
    1, 8, 4, LIGHT_DIRECTION_SECOND, 0xFF, 0xFF, 0xFF, 0xFF,  // bytes 8 to 34 are 0
};

bool IsFlag(uint8_t value) {
    return value <= 1;
}

}  // namespace

Color ReadRgb(const uint8_t* rgb) {
    return ColorOfRgb(rgb[0], rgb[1], rgb[2]);
}

void WriteRgb(uint8_t* rgb, Color color) {
    rgb[0] = RedOf(color);
    rgb[1] = GreenOf(color);
    rgb[2] = BlueOf(color);
}

void DecodeLightingValues(const LightingRecord& record, LightingValues& values) {
    values.mode = record[LIGHT_MODE];
    values.brightness = record[LIGHT_BRIGHTNESS];
    values.speed = record[LIGHT_SPEED];
    values.direction = record[LIGHT_DIRECTION];
    values.multicolor = record[LIGHT_MULTICOLOR] != 0;
    values.color = ReadRgb(&record[LIGHT_COLOR]);
    values.reportRate = std::min(record[LIGHT_REPORT_RATE], MAX_REPORT_RATE);
    values.fixedColor =
        record[LIGHT_FIXED_COLOR] <= MAX_FIXED_COLOR ? record[LIGHT_FIXED_COLOR] : 0;
    if (values.mode == MODE_WITH_FLAG18 && IsFlag(record[LIGHT_MODE7_FLAG])) {
        values.flag18 = record[LIGHT_MODE7_FLAG];
    }
    if (IsFlag(record[LIGHT_TRIGGER])) {
        values.triggerKind = record[LIGHT_TRIGGER];
    }
    values.secondColor = ReadRgb(&record[LIGHT_SECOND_COLOR]);
    values.secondMulticolor = record[LIGHT_SECOND_MULTICOLOR] != 0;
    values.thirdColor = ReadRgb(&record[LIGHT_THIRD_COLOR]);
    values.thirdMulticolor = record[LIGHT_THIRD_MULTICOLOR] != 0;
}

std::span<const uint8_t, DEFAULT_LIGHTING_SIZE> DefaultLightingBytes() {
    return kDefaultLighting;
}

ModeWrite ModeWriteOf(int mode) {
    if (mode <= MODE_NONE || mode > kLastModeNumber) {
        return ModeWrite::NOTHING;
    }
    return mode <= kLastKnownMode ? kModeWrites[mode - 1] : ModeWrite::MODE;
}

void ModeList::Rebuild(std::span<const uint8_t, MODE_LIST_CAPACITY> modeBytes) {
    const auto end = std::copy_if(modeBytes.begin(), modeBytes.end(), modes_.begin(),
                                  [](uint8_t mode) { return mode != MODE_NONE; });
    count_ = static_cast<size_t>(end - modes_.begin());
}

int ModeList::ItemOfMode(int mode) const {
    const auto used = std::span(modes_).first(count_);
    const auto found = std::find(used.begin(), used.end(), mode);
    return found == used.end() ? -1 : static_cast<int>(found - used.begin());
}

int ModeList::ModeOfItem(int item) const {
    if (item < 0 || static_cast<size_t>(item) >= count_) {
        return MODE_NONE;
    }
    return modes_[static_cast<size_t>(item)];
}

}  // namespace keyloom
