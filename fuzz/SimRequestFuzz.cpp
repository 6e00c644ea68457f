// The virtual keyboard's firmware on any request: every answer is a well-formed report that
// repeats the request, a read answers the memory's bytes (zero past the end of the area), and
// what a write stored reads back.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "SimKeyboard.h"
#include "SimMemory.h"
#include "platform/LittleEndian.h"
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"

using namespace zozodiz;

namespace {

constexpr size_t kChecksumAt = 1;
constexpr size_t kCommandAt = 3;
constexpr size_t kLengthAt = 4;
constexpr size_t kOffsetAt = 5;
constexpr size_t kStatusAt = 7;
constexpr size_t kDataAt = 8;
constexpr uint8_t kReportId = 4;
constexpr uint8_t kStatusOk = 0x00;
constexpr uint8_t kStatusError = 0xFF;

// The area each read command answers from, and the command that writes it (0: none).
struct AreaCommands {
    uint8_t read;
    uint8_t write;
    int area;
};
constexpr AreaCommands kAreaCommands[] = {
    {3, 4, ZOZSIM_AREA_CONFIG},        {5, 6, ZOZSIM_AREA_LIGHTING},
    {7, 8, ZOZSIM_AREA_KEYS},          {9, 10, ZOZSIM_AREA_MACROS},
    {15, 0, ZOZSIM_AREA_DEFAULT_KEYS}, {16, 17, ZOZSIM_AREA_KEY_COLORS},
};

uint16_t Checksum(const uint8_t* report) {
    unsigned sum = 0;
    for (size_t i = kCommandAt; i < kReportSize; ++i) {
        sum += report[i];
    }
    return static_cast<uint16_t>(sum);
}

void Seal(Report& request) {
    request[0] = kReportId;
    keyloom::WriteU16(&request[kChecksumAt], Checksum(request.data()));
}

Report ReadRequest(uint8_t command, uint16_t offset) {
    Report request{};
    request[kCommandAt] = command;
    keyloom::WriteU16(&request[kOffsetAt], offset);
    Seal(request);
    return request;
}

void CheckShape(const Report& request, const Report& answer) {
    FUZZ_CHECK(answer[0] == kReportId);
    FUZZ_CHECK(keyloom::ReadU16(&answer[kChecksumAt]) == Checksum(answer.data()));
    FUZZ_CHECK(std::equal(&request[kCommandAt], &request[kStatusAt], &answer[kCommandAt]));
    FUZZ_CHECK(answer[kStatusAt] == kStatusOk || answer[kStatusAt] == kStatusError);
}

void CheckRead(const SimMemory& memory, const AreaCommands& area, size_t offset,
               const Report& answer) {
    const auto bytes = memory.Area(area.area);
    if (offset >= bytes.size()) {
        FUZZ_CHECK(answer[kStatusAt] == kStatusError);
        return;
    }
    FUZZ_CHECK(answer[kStatusAt] == kStatusOk);
    for (size_t i = 0; i < kReportSize - kDataAt; ++i) {
        const uint8_t expected = offset + i < bytes.size() ? bytes[offset + i] : 0;
        FUZZ_CHECK(answer[kDataAt + i] == expected);
    }
}

// A write that succeeded reads back, all but the macro memory size of the configuration block.
void CheckWritten(SimKeyboard& keyboard, const AreaCommands& area, const Report& request) {
    const uint16_t offset = keyloom::ReadU16(&request[kOffsetAt]);
    const std::optional<Report> read = keyboard.Answer(ReadRequest(area.read, offset));
    FUZZ_CHECK(read && (*read)[kStatusAt] == kStatusOk);
    for (size_t i = 0; i < request[kLengthAt]; ++i) {
        const bool kept = area.area == ZOZSIM_AREA_CONFIG && i == SimMemory::kMacroUnitsByte;
        FUZZ_CHECK(kept || (*read)[kDataAt + i] == request[kDataAt + i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    keyloom::fuzz::FuzzInput input(data, size);
    SimMemory memory = SimMemory::Factory();
    SimKeyboard keyboard(memory);
    while (!input.Empty()) {
        // Most requests are sealed (report id and checksum), as the tool sends them; the rest go
        // as the input has them, shorter than a report too.
        const bool sealed = input.Byte() % 4 != 0;
        const auto bytes = input.Bytes(kReportSize);
        Report request{};
        std::copy(bytes.begin(), bytes.end(), request.begin());
        if (sealed) {
            Seal(request);
        }
        const std::optional<Report> answer =
            keyboard.Answer(sealed ? std::span<const uint8_t>(request) : bytes);
        if (SimKeyboard::IsEnterBoot(request)) {
            FUZZ_CHECK(!answer);
            continue;
        }
        FUZZ_CHECK(answer);
        CheckShape(request, *answer);
        const uint8_t command = request[kCommandAt];
        for (const AreaCommands& area : kAreaCommands) {
            if (sealed && command == area.read) {
                CheckRead(memory, area, keyloom::ReadU16(&request[kOffsetAt]), *answer);
            } else if (sealed && command == area.write && (*answer)[kStatusAt] == kStatusOk) {
                CheckWritten(keyboard, area, request);
            }
        }
    }
    return 0;
}
