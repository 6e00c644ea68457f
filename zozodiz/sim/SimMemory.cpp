#include "SimMemory.h"

#include <algorithm>

#include "FactoryKeyTable.h"
#include "platform/LittleEndian.h"

namespace zozodiz {

namespace {

constexpr int kAreaCount = ZOZSIM_AREA_KEY_COLORS + 1;
constexpr uint8_t kFactoryMacroUnits = 32;  // 4096 bytes of macro memory
constexpr uint8_t kModeCount = 20;
constexpr size_t kModeListByte = 12;
constexpr size_t kMacroHeaderSize = 16;
constexpr uint16_t kMacroMagic = 0x55AA;
constexpr size_t kLightingRecordSize = 42;
constexpr size_t kKeyColorBank = 512;
constexpr size_t kLedCount = 126;

// Per profile: mode, brightness, speed, direction, multicolour, colour, base colour, report rate.
struct FactoryLighting {
    uint8_t mode, brightness, speed, direction, multicolour;
    uint8_t color[3];
    uint8_t baseColor[3];
    uint8_t reportRate;
};
constexpr FactoryLighting kFactoryLighting[3] = {
    {1, 10, 4, 0xFF, 1, {0x00, 0x82, 0xFF}, {0xFF, 0xFF, 0xFF}, 3},
    {5, 12, 5, 0xFF, 0, {0xFF, 0x64, 0x00}, {0xFF, 0xFF, 0xFF}, 3},
    {20, 14, 5, 0x00, 0, {0xFF, 0xFF, 0xFF}, {0x00, 0x82, 0xFF}, 3},
};

void WriteFactoryLighting(std::span<uint8_t> area) {
    for (size_t p = 0; p < 3; ++p) {
        const FactoryLighting& f = kFactoryLighting[p];
        uint8_t* record = area.data() + kLightingRecordSize * p;
        const uint8_t head[5] = {f.mode, f.brightness, f.speed, f.direction, f.multicolour};
        std::copy(std::begin(head), std::end(head), record);
        std::copy(std::begin(f.color), std::end(f.color), record + 5);
        std::copy(std::begin(f.baseColor), std::end(f.baseColor), record + 9);
        record[15] = f.reportRate;
    }
}

// Each profile's per-key colours start as that profile's lighting colour.
void WriteFactoryKeyColors(std::span<uint8_t> area) {
    for (size_t p = 0; p < 3; ++p) {
        for (size_t led = 0; led < kLedCount; ++led) {
            std::copy_n(kFactoryLighting[p].color, 3, area.data() + kKeyColorBank * p + 3 * led);
        }
    }
}

size_t AreaSize(int area, size_t macroCapacity) {
    static constexpr size_t kFixed[kAreaCount] = {SimMemory::kConfigSize,
                                                  SimMemory::kLightingSize,
                                                  SimMemory::kKeysSize,
                                                  SimMemory::kDefaultKeysSize,
                                                  0,
                                                  SimMemory::kKeyColorsSize};
    return area == ZOZSIM_AREA_MACROS ? macroCapacity : kFixed[area];
}

}  // namespace

SimMemory::SimMemory(size_t macroCapacity) {
    for (int area = 0; area < kAreaCount; ++area) {
        areas_[area].assign(AreaSize(area, macroCapacity), 0);
    }
}

SimMemory SimMemory::Factory() {
    SimMemory memory(kFactoryMacroUnits * kMacroUnit);
    auto config = memory.Area(ZOZSIM_AREA_CONFIG);
    config[kActiveProfileByte] = 0;
    config[kMacroUnitsByte] = kFactoryMacroUnits;
    for (uint8_t mode = 1; mode <= kModeCount; ++mode) {
        config[kModeListByte + mode - 1] = mode;
    }
    WriteFactoryLighting(memory.Area(ZOZSIM_AREA_LIGHTING));
    const auto& table = FactoryKeyTable();
    auto keys = memory.Area(ZOZSIM_AREA_KEYS);
    for (size_t block = 0; block < 3; ++block) {
        std::copy(table.begin(), table.end(), keys.begin() + kKeyTableSize * block);
    }
    std::copy(table.begin(), table.end(), memory.Area(ZOZSIM_AREA_DEFAULT_KEYS).begin());
    uint8_t* macros = memory.Area(ZOZSIM_AREA_MACROS).data();
    keyloom::WriteU16(macros, kMacroMagic);
    keyloom::WriteU16(macros + 2, kMacroHeaderSize);
    WriteFactoryKeyColors(memory.Area(ZOZSIM_AREA_KEY_COLORS));
    return memory;
}

std::optional<SimMemory> SimMemory::Deserialize(const std::vector<uint8_t>& bytes) {
    if (bytes.size() <= kMacroUnitsByte) {
        return std::nullopt;
    }
    const size_t macroCapacity = bytes[kMacroUnitsByte] * kMacroUnit;
    SimMemory memory(macroCapacity);
    size_t total = 0;
    for (int area = 0; area < kAreaCount; ++area) {
        total += memory.areas_[area].size();
    }
    if (macroCapacity == 0 || bytes.size() != total || bytes[kActiveProfileByte] > 2) {
        return std::nullopt;
    }
    auto from = bytes.begin();
    for (auto& area : memory.areas_) {
        std::copy_n(from, area.size(), area.begin());
        from += static_cast<std::ptrdiff_t>(area.size());
    }
    return memory;
}

std::vector<uint8_t> SimMemory::Serialize() const {
    std::vector<uint8_t> bytes;
    for (const auto& area : areas_) {
        bytes.insert(bytes.end(), area.begin(), area.end());
    }
    return bytes;
}

std::span<uint8_t> SimMemory::Area(int area) {
    if (area < 0 || area >= kAreaCount) {
        return {};
    }
    return areas_[area];
}

std::span<const uint8_t> SimMemory::Area(int area) const {
    return const_cast<SimMemory*>(this)->Area(area);
}

}  // namespace zozodiz
