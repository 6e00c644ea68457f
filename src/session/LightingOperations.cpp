#include "session/LightingOperations.h"

#include <algorithm>
#include <array>
#include <span>

#include "device/ConfigCommands.h"
#include "device/DeviceResult.h"
#include "session/LightingTransaction.h"
#include "session/UserLighting.h"

namespace keyloom {

namespace {

constexpr uint8_t kRecordReadLength = 56;  // a record read always asks for a whole answer

// After an ordinary read a stored "view on" switches the view on; after a profile change made on
// the keyboard the view follows the stored flag both ways, and the user presets are reloaded.
enum class ReadKind { ORDINARY, AFTER_PROFILE_CHANGE };

bool FitsRecord(size_t field, size_t count) {
    return count > 0 && field + count <= LIGHTING_RECORD_SIZE;
}

// Within an open transaction.
DeviceResult WriteField(LightingContext& lighting, size_t field, const uint8_t* bytes,
                        size_t count) {
    if (!FitsRecord(field, count)) {
        return RESULT_BAD_ARGUMENT;
    }
    const size_t offset = LightingRecordOffset(lighting.state.Profile()) + field;
    return CmdWriteLighting(lighting.exchange, bytes, static_cast<uint8_t>(count),
                            static_cast<uint16_t>(offset));
}

DeviceResult WriteByte(LightingContext& lighting, size_t field, uint8_t value) {
    return WriteField(lighting, field, &value, 1);
}

// A read that fails leaves the answer buffer, and so the record, as it was.
void ReadRecords(LightingContext& lighting) {
    for (int profile = 0; profile < LIGHTING_PROFILE_COUNT; ++profile) {
        LightingRecord& record = lighting.state.records[static_cast<size_t>(profile)];
        std::array<uint8_t, kRecordReadLength> answer{};
        std::copy(record.begin(), record.end(), answer.begin());
        (void)CmdReadLighting(lighting.exchange, answer.data(), kRecordReadLength,
                              static_cast<uint16_t>(LightingRecordOffset(profile)));
        std::copy_n(answer.begin(), record.size(), record.begin());
    }
}

bool ReadModeList(LightingContext& lighting) {
    std::array<uint8_t, CONFIG_BLOCK_SIZE> config{};
    if (CmdReadConfig(lighting.exchange, config.data()) != RESULT_OK) {
        return false;
    }
    lighting.state.modes.Rebuild(std::span(config).subspan<CONFIG_MODE_LIST, MODE_LIST_CAPACITY>());
    return true;
}

void TakeViewFlag(LightingContext& lighting, ReadKind kind) {
    const bool stored = lighting.files.SettingsFile().ReadLightingViewFlag();
    lighting.state.view = stored || (kind == ReadKind::ORDINARY && lighting.state.view);
}

LightingRead ReadState(LightingContext& lighting, ReadKind kind) {
    LightingState& state = lighting.state;
    lighting.display.ClearModeBox();
    state.modes.Clear();
    if (!ReadModeList(lighting)) {
        return LIGHTING_CONFIG_UNREADABLE;
    }
    InLightingTransaction(lighting.exchange, [&] {
        if (kind == ReadKind::AFTER_PROFILE_CHANGE && state.modes.Contains(MODE_USER)) {
            // Lighting writes go unchecked: the read that follows shows what the keyboard took.
            (void)ReloadUserPresets(lighting);
        }
        ReadRecords(lighting);
        return RESULT_OK;
    });
    DecodeLightingValues(state.ProfileRecord(), state.values);
    TakeViewFlag(lighting, kind);
    return LIGHTING_READ_OK;
}

}  // namespace

LightingRead ReadLightingState(LightingContext& lighting) {
    return ReadState(lighting, ReadKind::ORDINARY);
}

LightingRead ReadLightingStateAfterProfileChange(LightingContext& lighting) {
    return ReadState(lighting, ReadKind::AFTER_PROFILE_CHANGE);
}

LightingRead FollowKeyboardProfile(LightingContext& lighting, int activeProfile) {
    if (!lighting.state.SelectProfile(activeProfile)) {
        return LIGHTING_CONFIG_UNREADABLE;
    }
    const LightingRead read = ReadLightingStateAfterProfileChange(lighting);
    RecomputeBaseColorFlags(lighting.state);
    return read;
}

DeviceResult WriteLightingBytes(LightingContext& lighting, size_t field, const uint8_t* bytes,
                                size_t count) {
    if (!FitsRecord(field, count)) {
        return RESULT_BAD_ARGUMENT;
    }
    return InLightingTransaction(lighting.exchange,
                                 [&] { return WriteField(lighting, field, bytes, count); });
}

DeviceResult WriteMode(LightingContext& lighting, int mode) {
    const ModeWrite write = ModeWriteOf(mode);
    DeviceResult result = RESULT_OK;
    if (write != ModeWrite::NOTHING) {
        result = InLightingTransaction(lighting.exchange, [&] {
            const DeviceResult written =
                WriteByte(lighting, LIGHT_MODE, static_cast<uint8_t>(mode));
            if (write != ModeWrite::MODE_AND_MULTICOLOR) {
                return written;
            }
            const uint8_t flag = lighting.state.values.multicolor ? 1 : 0;
            return FirstFailure(written, WriteByte(lighting, LIGHT_MULTICOLOR, flag));
        });
    }
    lighting.state.values.mode = mode;
    return result;
}

DeviceResult WriteDefaultLighting(LightingContext& lighting) {
    const auto bytes = DefaultLightingBytes();
    const DeviceResult result = InLightingTransaction(
        lighting.exchange, [&] { return WriteField(lighting, 0, bytes.data(), bytes.size()); });
    LightingRecord& record = lighting.state.ProfileRecord();
    std::copy(bytes.begin(), bytes.end(), record.begin());
    DecodeLightingValues(record, lighting.state.values);
    return result;
}

}  // namespace keyloom
