#pragma once

#include <cstddef>
#include <cstdint>

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

// The keyboard's commands. Each returns 1 on success, the exchange's result when it is not 1,
// -102 or -103 for an answer with status 0xFF or 0xFE, and -201 for a bad argument (nothing
// sent). Multi-chunk transfers stop at the first chunk that fails; chunks already written stay.
[[nodiscard]] int CmdBegin(ReportExchange& exchange);
int CmdEnd(ReportExchange& exchange);
int CmdReadConfig(ReportExchange& exchange, uint8_t* out44);
int CmdWriteConfig(ReportExchange& exchange, const uint8_t* block44);
// Copies all 56 data bytes of the answer, whatever the length asked for.
int CmdReadLighting(ReportExchange& exchange, uint8_t* out56, uint8_t length, uint16_t offset);
int CmdWriteLighting(ReportExchange& exchange, const uint8_t* bytes, uint8_t length,
                     uint16_t offset);
int CmdReadKeys(ReportExchange& exchange, uint8_t* out378, int block);
int CmdWriteKeys(ReportExchange& exchange, const uint8_t* block378, int block);
int CmdReadMacros(ReportExchange& exchange, uint8_t* out, size_t count);
int CmdWriteMacros(ReportExchange& exchange, const uint8_t* bytes, size_t count);
int CmdReadDefaultKeys(ReportExchange& exchange, uint8_t* out378);
int CmdReadKeyColors(ReportExchange& exchange, uint8_t* out56, uint8_t length, int keySlot,
                     int bank);
int CmdWriteKeyColors(ReportExchange& exchange, const uint8_t* bytes, uint8_t length, int keySlot,
                      int profile);
// Sends the keyboard into its boot loader; no answer comes. The transport's result.
int CmdEnterBoot(ReportExchange& exchange);

}  // namespace keyloom
