#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "device/DeviceResult.h"
#include "device/ReportExchange.h"

namespace keyloom {

// Sizes of the keyboard's memory areas as the commands address them.
inline constexpr size_t CONFIG_BLOCK_SIZE = 44;
inline constexpr size_t KEY_BLOCK_SIZE = 378;
inline constexpr int KEY_BLOCK_COUNT = 3;
inline constexpr size_t KEY_COLOR_BANK_SIZE = 512;

// Bytes of the configuration block.
inline constexpr size_t CONFIG_ACTIVE_PROFILE = 10;
inline constexpr size_t CONFIG_MACRO_UNITS = 11;  // macro memory in units of 128 bytes
inline constexpr size_t CONFIG_MODE_LIST = 12;    // 32 lighting mode numbers, 0 = empty
inline constexpr size_t CONFIG_MODE_COUNT = 32;
inline constexpr size_t MACRO_MEMORY_UNIT = 128;

// The keyboard wants this pause before the end of a sequence; CmdEnd keeps it.
inline constexpr std::chrono::milliseconds END_COMMAND_PAUSE{10};

// The keyboard's commands. Each gives RESULT_OK on success, the exchange's result when it is
// not, RESULT_STATUS_FF or RESULT_STATUS_FE for an answer with that status, and
// RESULT_BAD_ARGUMENT (nothing sent) for a bad argument. Multi-chunk transfers stop at the first
// chunk that fails; chunks already written stay.
[[nodiscard]] DeviceResult CmdBegin(ReportExchange& exchange);
[[nodiscard]] DeviceResult CmdEnd(ReportExchange& exchange);
[[nodiscard]] DeviceResult CmdReadConfig(ReportExchange& exchange, uint8_t* out44);
[[nodiscard]] DeviceResult CmdWriteConfig(ReportExchange& exchange, const uint8_t* block44);
// Copies all 56 data bytes of the answer, whatever the length asked for.
[[nodiscard]] DeviceResult CmdReadLighting(ReportExchange& exchange, uint8_t* out56, uint8_t length,
                                           uint16_t offset);
[[nodiscard]] DeviceResult CmdWriteLighting(ReportExchange& exchange, const uint8_t* bytes,
                                            uint8_t length, uint16_t offset);
[[nodiscard]] DeviceResult CmdReadKeys(ReportExchange& exchange, uint8_t* out378, int block);
[[nodiscard]] DeviceResult CmdWriteKeys(ReportExchange& exchange, const uint8_t* block378,
                                        int block);
[[nodiscard]] DeviceResult CmdReadMacros(ReportExchange& exchange, uint8_t* out, size_t count);
[[nodiscard]] DeviceResult CmdWriteMacros(ReportExchange& exchange, const uint8_t* bytes,
                                          size_t count);
[[nodiscard]] DeviceResult CmdReadDefaultKeys(ReportExchange& exchange, uint8_t* out378);
[[nodiscard]] DeviceResult CmdWriteKeyColors(ReportExchange& exchange, const uint8_t* bytes,
                                             uint8_t length, int keySlot, int profile);
// Sends the keyboard into its boot loader; no answer comes. The transport's result.
[[nodiscard]] int CmdEnterBoot(ReportExchange& exchange);

}  // namespace keyloom
