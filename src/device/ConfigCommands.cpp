#include "device/ConfigCommands.h"

#include <algorithm>
#include <thread>

#include "device/ConfigReport.h"
#include "device/DeviceResult.h"

namespace keyloom {

namespace {

// Largest address the 16-bit offset field can carry.
constexpr size_t kMaxOffset = 0xFFFF;

// One exchange, with the answer's status turned into a result. The answer is left in `answer`.
DeviceResult Exchange(ReportExchange& exchange, const ConfigReport& request, ConfigReport& answer) {
    size_t received = 0;
    answer.fill(0);
    const DeviceResult result =
        exchange.ExchangeReport(request.data(), kReportSize, answer.data(), kReportSize, &received);
    if (result != RESULT_OK) {
        return result;
    }
    switch (answer[REPORT_STATUS_AT]) {
        case 0xFF:
            return RESULT_STATUS_FF;
        case 0xFE:
            return RESULT_STATUS_FE;
        default:
            return RESULT_OK;
    }
}

DeviceResult Simple(ReportExchange& exchange, uint8_t command, uint8_t length, size_t offset,
                    const uint8_t* data = nullptr, uint8_t* out = nullptr) {
    ConfigReport answer{};
    const DeviceResult result = Exchange(
        exchange, BuildRequest(command, length, static_cast<uint16_t>(offset), data, length),
        answer);
    if (result == RESULT_OK && out != nullptr) {
        std::copy_n(&answer[REPORT_DATA_AT], kReportDataSize, out);
    }
    return result;
}

// A transfer in chunks of 56 bytes from `base`; reads fill `in`, writes send `out`.
DeviceResult Chunks(ReportExchange& exchange, uint8_t command, size_t base, size_t count,
                    uint8_t* in, const uint8_t* out) {
    if (base + count > kMaxOffset + 1) {
        return RESULT_BAD_ARGUMENT;
    }
    for (size_t at = 0; at < count; at += kReportDataSize) {
        const auto length = static_cast<uint8_t>(std::min(kReportDataSize, count - at));
        ConfigReport answer{};
        const DeviceResult result =
            Exchange(exchange,
                     BuildRequest(command, length, static_cast<uint16_t>(base + at),
                                  out != nullptr ? out + at : nullptr, length),
                     answer);
        if (result != RESULT_OK) {
            return result;
        }
        if (in != nullptr) {
            std::copy_n(&answer[REPORT_DATA_AT], length, in + at);
        }
    }
    return RESULT_OK;
}

bool IsKeyBlock(int block) {
    return block >= 0 && block < KEY_BLOCK_COUNT;
}

}  // namespace

DeviceResult CmdBegin(ReportExchange& exchange) {
    return Simple(exchange, CMD_BEGIN, 0, 0);
}

DeviceResult CmdEnd(ReportExchange& exchange) {
    std::this_thread::sleep_for(END_COMMAND_PAUSE);
    return Simple(exchange, CMD_END, 0, 0);
}

DeviceResult CmdReadConfig(ReportExchange& exchange, uint8_t* out44) {
    uint8_t data[kReportDataSize];
    const DeviceResult result =
        Simple(exchange, CMD_READ_CONFIG, CONFIG_BLOCK_SIZE, 0, nullptr, data);
    if (result == RESULT_OK) {
        std::copy_n(data, CONFIG_BLOCK_SIZE, out44);
    }
    return result;
}

DeviceResult CmdWriteConfig(ReportExchange& exchange, const uint8_t* block44) {
    return Simple(exchange, CMD_WRITE_CONFIG, CONFIG_BLOCK_SIZE, 0, block44);
}

DeviceResult CmdReadLighting(ReportExchange& exchange, uint8_t* out56, uint8_t length,
                             uint16_t offset) {
    if (length > kReportDataSize) {
        return RESULT_BAD_ARGUMENT;
    }
    return Simple(exchange, CMD_READ_LIGHTING, length, offset, nullptr, out56);
}

DeviceResult CmdWriteLighting(ReportExchange& exchange, const uint8_t* bytes, uint8_t length,
                              uint16_t offset) {
    if (length > kReportDataSize) {
        return RESULT_BAD_ARGUMENT;
    }
    return Simple(exchange, CMD_WRITE_LIGHTING, length, offset, bytes);
}

DeviceResult CmdReadKeys(ReportExchange& exchange, uint8_t* out378, int block) {
    if (!IsKeyBlock(block)) {
        return RESULT_BAD_ARGUMENT;
    }
    return Chunks(exchange, CMD_READ_KEYS, KEY_BLOCK_SIZE * static_cast<size_t>(block),
                  KEY_BLOCK_SIZE, out378, nullptr);
}

DeviceResult CmdWriteKeys(ReportExchange& exchange, const uint8_t* block378, int block) {
    if (!IsKeyBlock(block)) {
        return RESULT_BAD_ARGUMENT;
    }
    return Chunks(exchange, CMD_WRITE_KEYS, KEY_BLOCK_SIZE * static_cast<size_t>(block),
                  KEY_BLOCK_SIZE, nullptr, block378);
}

DeviceResult CmdReadMacros(ReportExchange& exchange, uint8_t* out, size_t count) {
    return Chunks(exchange, CMD_READ_MACROS, 0, count, out, nullptr);
}

DeviceResult CmdWriteMacros(ReportExchange& exchange, const uint8_t* bytes, size_t count) {
    return Chunks(exchange, CMD_WRITE_MACROS, 0, count, nullptr, bytes);
}

DeviceResult CmdReadDefaultKeys(ReportExchange& exchange, uint8_t* out378) {
    return Chunks(exchange, CMD_READ_DEFAULT_KEYS, 0, KEY_BLOCK_SIZE, out378, nullptr);
}

DeviceResult CmdWriteKeyColors(ReportExchange& exchange, const uint8_t* bytes, uint8_t length,
                               int keySlot, int profile) {
    const size_t offset =
        3 * static_cast<size_t>(keySlot) + KEY_COLOR_BANK_SIZE * static_cast<size_t>(profile);
    if (length > kReportDataSize || keySlot < 0 || profile < 0 || offset > kMaxOffset) {
        return RESULT_BAD_ARGUMENT;
    }
    return Simple(exchange, CMD_WRITE_KEY_COLORS, length, offset, bytes);
}

int CmdEnterBoot(ReportExchange& exchange) {
    const ConfigReport request = BuildEnterBootRequest();
    return exchange.SendReportNoWait(request.data(), request.size());
}

}  // namespace keyloom
