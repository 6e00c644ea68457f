#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace keyloom {

// The 64-byte request and answer report of the keyboard's configuration collection.
inline constexpr size_t kReportSize = 64;
inline constexpr size_t kReportDataSize = 56;
using ConfigReport = std::array<uint8_t, kReportSize>;

// Field offsets.
inline constexpr size_t REPORT_ID_AT = 0;
inline constexpr size_t REPORT_CHECKSUM_AT = 1;  // 16 bits: sum of bytes 3 to 63
inline constexpr size_t REPORT_COMMAND_AT = 3;
inline constexpr size_t REPORT_LENGTH_AT = 4;
inline constexpr size_t REPORT_OFFSET_AT = 5;  // 16 bits: address inside the command's area
inline constexpr size_t REPORT_STATUS_AT = 7;  // 0 in requests; 0xFF or 0xFE in an answer: error
inline constexpr size_t REPORT_DATA_AT = 8;
inline constexpr uint8_t CONFIG_REPORT_ID = 4;
// An answer repeats its request's command, length and offset.
inline constexpr size_t REPORT_ECHO_AT = REPORT_COMMAND_AT;
inline constexpr size_t REPORT_ECHO_SIZE = REPORT_STATUS_AT - REPORT_COMMAND_AT;
using ReportEcho = std::array<uint8_t, REPORT_ECHO_SIZE>;

enum ConfigCommand : uint8_t {
    CMD_BEGIN = 1,
    CMD_END = 2,
    CMD_READ_CONFIG = 3,
    CMD_WRITE_CONFIG = 4,
    CMD_READ_LIGHTING = 5,
    CMD_WRITE_LIGHTING = 6,
    CMD_READ_KEYS = 7,
    CMD_WRITE_KEYS = 8,
    CMD_READ_MACROS = 9,
    CMD_WRITE_MACROS = 10,
    CMD_READ_DEFAULT_KEYS = 15,
    CMD_READ_KEY_COLORS = 16,
    CMD_WRITE_KEY_COLORS = 17,
    CMD_ENTER_BOOT = 0xEE,
};

// A request: zeroes, the header fields, the data, then the checksum.
ConfigReport BuildRequest(uint8_t command, uint8_t length, uint16_t offset,
                          const uint8_t* data = nullptr, size_t dataLength = 0);

// The boot request carries 0xEE in the command and length bytes and no checksum.
ConfigReport BuildEnterBootRequest();

uint16_t ReportChecksum(const ConfigReport& report);

}  // namespace keyloom
