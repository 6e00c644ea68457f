#pragma once

// The keyboard's lighting settings of one profile (a 42-byte record in its lighting area), the
// lighting modes it announces, and the values the tool shows and edits from them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace keyloom {

// Colours with red in the lowest byte, then green, then blue, as in memory, files and controls.
using Color = uint32_t;

constexpr Color ColorOfRgb(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
           (static_cast<Color>(blue) << 16);
}
constexpr uint8_t RedOf(Color color) {
    return static_cast<uint8_t>(color);
}
constexpr uint8_t GreenOf(Color color) {
    return static_cast<uint8_t>(color >> 8);
}
constexpr uint8_t BlueOf(Color color) {
    return static_cast<uint8_t>(color >> 16);
}

inline constexpr size_t RGB_SIZE = 3;
// Three bytes red, green, blue.
Color ReadRgb(const uint8_t* rgb);
void WriteRgb(uint8_t* rgb, Color color);

inline constexpr int LIGHTING_PROFILE_COUNT = 3;
inline constexpr size_t LIGHTING_RECORD_SIZE = 42;
using LightingRecord = std::array<uint8_t, LIGHTING_RECORD_SIZE>;

// Where a profile's record lies in the keyboard's lighting area.
constexpr size_t LightingRecordOffset(int profile) {
    return LIGHTING_RECORD_SIZE * static_cast<size_t>(profile);
}

// Fields of the record; the bytes in between are the keyboard's own.
inline constexpr size_t LIGHT_MODE = 0;
inline constexpr size_t LIGHT_BRIGHTNESS = 1;
inline constexpr size_t LIGHT_SPEED = 2;       // 0 to 9, 9 = slowest
inline constexpr size_t LIGHT_DIRECTION = 3;   // LIGHT_DIRECTION_FIRST or LIGHT_DIRECTION_SECOND
inline constexpr size_t LIGHT_MULTICOLOR = 4;  // non-zero: changing colours
inline constexpr size_t LIGHT_COLOR = 5;       // red, green, blue
inline constexpr size_t LIGHT_BASE_COLOR = 9;  // base colour of the user mode, read only
inline constexpr size_t LIGHT_REPORT_RATE = 15;
inline constexpr size_t LIGHT_FIXED_COLOR = 17;  // mode 17: 0 red, 1 yellow, 2 green, 3 blue
inline constexpr size_t LIGHT_MODE7_FLAG = 18;
inline constexpr size_t LIGHT_TRIGGER = 19;  // 0 single key, 1 grid
inline constexpr size_t LIGHT_SECOND_COLOR = 25;
inline constexpr size_t LIGHT_SECOND_MULTICOLOR = 28;
inline constexpr size_t LIGHT_THIRD_COLOR = 30;
inline constexpr size_t LIGHT_THIRD_MULTICOLOR = 33;

static_assert(LIGHT_COLOR + RGB_SIZE <= LIGHT_BASE_COLOR);
static_assert(LIGHT_BASE_COLOR + RGB_SIZE <= LIGHT_REPORT_RATE);
static_assert(LIGHT_SECOND_COLOR + RGB_SIZE == LIGHT_SECOND_MULTICOLOR);
static_assert(LIGHT_THIRD_COLOR + RGB_SIZE == LIGHT_THIRD_MULTICOLOR);
static_assert(LIGHT_THIRD_MULTICOLOR < LIGHTING_RECORD_SIZE);

inline constexpr uint8_t LIGHT_DIRECTION_FIRST = 0xFF;   // left, up or spreading
inline constexpr uint8_t LIGHT_DIRECTION_SECOND = 0x00;  // right, down or converging
inline constexpr uint8_t MAX_REPORT_RATE = 3;
inline constexpr uint8_t MAX_FIXED_COLOR = 3;

inline constexpr int MODE_NONE = 0;  // an empty mode list entry, or an item without a mode
inline constexpr int MODE_WITH_FLAG18 = 7;
inline constexpr int MODE_USER = 20;  // per-key colours from the user presets

// What the tool shows and edits of the record of the profile in view.
struct LightingValues {
    int mode = MODE_NONE;
    int brightness = 0;
    int speed = 0;
    uint8_t direction = LIGHT_DIRECTION_SECOND;
    bool multicolor = false;
    Color color = 0;  // shared by all colour buttons
    int reportRate = 0;
    int fixedColor = 0;
    int flag18 = 0;
    int triggerKind = 0;
    Color secondColor = 0;
    bool secondMulticolor = false;
    Color thirdColor = 0;
    bool thirdMulticolor = false;
};

// Takes the values from a record. A report rate above 3 shows as 3 and a fixed colour above 3 as
// red. The byte-18 flag is taken only in mode 7 and the trigger kind only when the record holds
// a valid one (0 or 1); otherwise they keep their previous value.
void DecodeLightingValues(const LightingRecord& record, LightingValues& values);

// The default lighting: mode 1, brightness 8, speed 4, white, changing colours, report rate 0.
inline constexpr size_t DEFAULT_LIGHTING_SIZE = 35;
std::span<const uint8_t, DEFAULT_LIGHTING_SIZE> DefaultLightingBytes();

// The fields written when a mode is chosen.
enum class ModeWrite : uint8_t {
    NOTHING,
    MODE,                // byte 0
    MODE_AND_MULTICOLOR  // bytes 0 and 4
};
// Modes the keyboard may announce beyond the known ones are written as the mode byte alone.
ModeWrite ModeWriteOf(int mode);

inline constexpr size_t MODE_LIST_CAPACITY = 32;

// The lighting modes the keyboard announces, in the order of the mode box: item k is entry k.
class ModeList {
  public:
    // From the 32 mode bytes of the configuration block; empty entries (0) are skipped.
    void Rebuild(std::span<const uint8_t, MODE_LIST_CAPACITY> modeBytes);
    void Clear() { count_ = 0; }

    int Count() const { return static_cast<int>(count_); }
    // The first item of the mode, -1 when the keyboard does not announce it.
    int ItemOfMode(int mode) const;
    // MODE_NONE for an item outside the list.
    int ModeOfItem(int item) const;
    bool Contains(int mode) const { return ItemOfMode(mode) >= 0; }

  private:
    std::array<uint8_t, MODE_LIST_CAPACITY> modes_{};
    size_t count_ = 0;
};

}  // namespace keyloom
