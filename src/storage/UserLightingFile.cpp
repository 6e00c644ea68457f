#include "storage/UserLightingFile.h"

#include <algorithm>
#include <array>
#include <span>

#include "model/KeyButtonTable.h"
#include "platform/PrivateProfile.h"
#include "storage/DecimalList.h"

namespace keyloom {

namespace {

constexpr char kIndexSection[] = "PRESENTMODE";
constexpr char kIndexKey[] = "mode";
constexpr char kNameSection[] = "MODENAME";
constexpr char kPresetSectionPrefix[] = "Mode";
constexpr char kToolKey[] = "tool";
constexpr char kBaseColorKey[] = "jcolor";
constexpr char kColorKey[] = "color";

constexpr char kDefaultIndex[] = "0";
constexpr char kDefaultName[] = "0";
constexpr char kDefaultKeyColor[] = "255,0,0,1";
constexpr char kDefaultTool[] = "0";
constexpr char kDefaultColor[] = "0,0,0";

constexpr int kMaxComponent = 255;

bool IsPreset(int preset) {
    return preset >= 0 && preset < PRESET_COUNT;
}

bool IsLed(int led) {
    return led >= 0 && led < LED_COUNT;
}

std::string PresetSection(int preset) {
    return kPresetSectionPrefix + std::to_string(preset);
}

uint8_t Component(int number) {
    return static_cast<uint8_t>(std::clamp(number, 0, kMaxComponent));
}

Color ColorOfNumbers(std::span<const int> rgb) {
    return ColorOfRgb(Component(rgb[0]), Component(rgb[1]), Component(rgb[2]));
}

std::array<int, RGB_SIZE> NumbersOfColor(Color color) {
    return {RedOf(color), GreenOf(color), BlueOf(color)};
}

Color ParseColor(const std::string& text) {
    std::array<int, RGB_SIZE> rgb{};
    ReadDecimalList(text, rgb);
    return ColorOfNumbers(rgb);
}

std::string FormatColor(Color color) {
    return FormatDecimalList(NumbersOfColor(color));
}

int ParseNumber(const std::string& text, int fallback) {
    std::array<int, 1> number{};
    return ReadDecimalList(text, number) == 1 ? number[0] : fallback;
}

}  // namespace

std::string UserLightingFile::Read(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
    return ReadProfileString(section, key, defaultValue, path_);
}

bool UserLightingFile::Write(const std::string& section, const std::string& key,
                             const std::string& value) const {
    return WritePrivateProfileString(section, key, value, path_);
}

int UserLightingFile::ReadPresetIndex() const {
    const int preset = ParseNumber(Read(kIndexSection, kIndexKey, kDefaultIndex), 0);
    return IsPreset(preset) ? preset : 0;
}

bool UserLightingFile::WritePresetIndex(int preset) const {
    return IsPreset(preset) && Write(kIndexSection, kIndexKey, std::to_string(preset));
}

std::string UserLightingFile::ReadPresetName(int preset) const {
    return Read(kNameSection, std::to_string(preset), kDefaultName);
}

bool UserLightingFile::WritePresetName(int preset, const std::string& name) const {
    return IsPreset(preset) && Write(kNameSection, std::to_string(preset), name);
}

KeyColorEntry UserLightingFile::ReadKeyColor(int preset, int led) const {
    std::array<int, RGB_SIZE + 1> numbers{};
    ReadDecimalList(Read(PresetSection(preset), std::to_string(led), kDefaultKeyColor), numbers);
    return {ColorOfNumbers(numbers), numbers[RGB_SIZE] != 0};
}

bool UserLightingFile::WriteKeyColor(int preset, int led, const KeyColorEntry& entry) const {
    if (!IsPreset(preset) || !IsLed(led)) {
        return false;
    }
    const auto rgb = NumbersOfColor(entry.color);
    const std::array<int, RGB_SIZE + 1> numbers = {rgb[0], rgb[1], rgb[2],
                                                   entry.followsBase ? 1 : 0};
    return Write(PresetSection(preset), std::to_string(led), FormatDecimalList(numbers));
}

PresetSettings UserLightingFile::ReadPresetSettings(int preset) const {
    const std::string section = PresetSection(preset);
    const int tool = ParseNumber(Read(section, kToolKey, kDefaultTool), TOOL_COLOR);
    return {tool == TOOL_BASE_COLOR ? TOOL_BASE_COLOR : TOOL_COLOR,
            ParseColor(Read(section, kBaseColorKey, kDefaultColor)),
            ParseColor(Read(section, kColorKey, kDefaultColor))};
}

bool UserLightingFile::WritePresetSettings(int preset, const PresetSettings& settings) const {
    if (!IsPreset(preset)) {
        return false;
    }
    const std::string section = PresetSection(preset);
    const bool tool = Write(section, kToolKey, std::to_string(settings.tool));
    const bool baseColor = Write(section, kBaseColorKey, FormatColor(settings.baseColor));
    const bool color = Write(section, kColorKey, FormatColor(settings.color));
    return tool && baseColor && color;
}

}  // namespace keyloom
