#include "SimKeyboard.h"

#include <algorithm>
#include <utility>

#include "platform/LittleEndian.h"

namespace zozodiz {

namespace {

constexpr size_t kChecksumAt = 1;
constexpr size_t kCommandAt = 3;
constexpr size_t kLengthAt = 4;
constexpr size_t kOffsetAt = 5;
constexpr size_t kStatusAt = 7;
constexpr size_t kDataAt = 8;
constexpr size_t kDataSize = 56;
constexpr uint8_t kReportId = 4;
constexpr uint8_t kStatusOk = 0x00;
constexpr uint8_t kStatusError = 0xFF;
constexpr uint8_t kEnterBoot = 0xEE;

enum class Access { kNone, kRead, kWrite };

struct CommandRule {
    uint8_t command;
    Access access;
    int area;
};

constexpr CommandRule kCommands[] = {
    {1, Access::kNone, -1},
    {2, Access::kNone, -1},
    {3, Access::kRead, ZOZSIM_AREA_CONFIG},
    {4, Access::kWrite, ZOZSIM_AREA_CONFIG},
    {5, Access::kRead, ZOZSIM_AREA_LIGHTING},
    {6, Access::kWrite, ZOZSIM_AREA_LIGHTING},
    {7, Access::kRead, ZOZSIM_AREA_KEYS},
    {8, Access::kWrite, ZOZSIM_AREA_KEYS},
    {9, Access::kRead, ZOZSIM_AREA_MACROS},
    {10, Access::kWrite, ZOZSIM_AREA_MACROS},
    {11, Access::kNone, -1},
    {12, Access::kNone, -1},
    {13, Access::kNone, -1},
    {14, Access::kNone, -1},
    {15, Access::kRead, ZOZSIM_AREA_DEFAULT_KEYS},
    {16, Access::kRead, ZOZSIM_AREA_KEY_COLORS},
    {17, Access::kWrite, ZOZSIM_AREA_KEY_COLORS},
};

const CommandRule* RuleOf(uint8_t command) {
    for (const auto& rule : kCommands) {
        if (rule.command == command) {
            return &rule;
        }
    }
    return nullptr;
}

uint16_t ReportChecksum(const uint8_t* report) {
    unsigned sum = 0;
    for (size_t i = kCommandAt; i < kReportSize; ++i) {
        sum += report[i];
    }
    return static_cast<uint16_t>(sum);
}

}  // namespace

bool SimKeyboard::IsEnterBoot(std::span<const uint8_t> request) {
    return request.size() > kCommandAt && request[kCommandAt] == kEnterBoot;
}

std::optional<Report> SimKeyboard::Answer(std::span<const uint8_t> request) {
    if (IsEnterBoot(request)) {
        return std::nullopt;
    }
    Report in{};
    std::copy_n(request.begin(), std::min(request.size(), kReportSize), in.begin());
    Report answer{};
    std::copy_n(in.begin(), kDataAt, answer.begin());
    answer[0] = kReportId;
    const size_t length = in[kLengthAt];
    const size_t offset = keyloom::ReadU16(&in[kOffsetAt]);
    const CommandRule* rule = RuleOf(in[kCommandAt]);
    uint8_t status = kStatusError;
    if (rule != nullptr && in[0] == kReportId &&
        keyloom::ReadU16(&in[kChecksumAt]) == ReportChecksum(in.data())) {
        switch (rule->access) {
            case Access::kNone:
                status = kStatusOk;
                break;
            case Access::kRead:
                status = Read(rule->area, offset, answer);
                break;
            case Access::kWrite:
                status = rule->area == ZOZSIM_AREA_CONFIG
                             ? WriteConfig(offset, length, &in[kDataAt])
                             : Write(rule->area, offset, length, &in[kDataAt]);
                break;
        }
    }
    answer[kStatusAt] = status;
    keyloom::WriteU16(&answer[kChecksumAt], ReportChecksum(answer.data()));
    return answer;
}

bool SimKeyboard::TakeChanged() {
    return std::exchange(changed_, false);
}

// A read always answers a full data field; bytes past the end of the area read as zero.
uint8_t SimKeyboard::Read(int area, size_t offset, Report& answer) const {
    const auto bytes = memory_.Area(area);
    if (offset >= bytes.size()) {
        return kStatusError;
    }
    const size_t count = std::min(kDataSize, bytes.size() - offset);
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), count, &answer[kDataAt]);
    return kStatusOk;
}

uint8_t SimKeyboard::Write(int area, size_t offset, size_t length, const uint8_t* data) {
    const auto bytes = memory_.Area(area);
    if (length > kDataSize || offset + length > bytes.size()) {
        return kStatusError;
    }
    std::copy_n(data, length, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    changed_ = changed_ || length > 0;
    return kStatusOk;
}

// The configuration block is written whole; its macro memory size is the hardware's and stays.
uint8_t SimKeyboard::WriteConfig(size_t offset, size_t length, const uint8_t* data) {
    if (offset != 0 || length != SimMemory::kConfigSize ||
        data[SimMemory::kActiveProfileByte] > 2) {
        return kStatusError;
    }
    uint8_t block[SimMemory::kConfigSize];
    std::copy_n(data, length, block);
    block[SimMemory::kMacroUnitsByte] =
        memory_.Area(ZOZSIM_AREA_CONFIG)[SimMemory::kMacroUnitsByte];
    return Write(ZOZSIM_AREA_CONFIG, 0, length, block);
}

}  // namespace zozodiz
