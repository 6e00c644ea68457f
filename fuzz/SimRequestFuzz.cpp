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
#include "device/ConfigReport.h"
#include "platform/LittleEndian.h"
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"

using namespace keyloom;
using zozodiz::Report;
using zozodiz::SimKeyboard;
using zozodiz::SimMemory;

namespace {

constexpr uint8_t kStatusOk = 0x00;
constexpr uint8_t kStatusError = 0xFF;

// The area each read command answers from, and the command that writes it (0: none).
struct AreaCommands {
    uint8_t read;
    uint8_t write;
    int area;
};
constexpr AreaCommands kAreaCommands[] = {
    {CMD_READ_CONFIG, CMD_WRITE_CONFIG, ZOZSIM_AREA_CONFIG},
    {CMD_READ_LIGHTING, CMD_WRITE_LIGHTING, ZOZSIM_AREA_LIGHTING},
    {CMD_READ_KEYS, CMD_WRITE_KEYS, ZOZSIM_AREA_KEYS},
    {CMD_READ_MACROS, CMD_WRITE_MACROS, ZOZSIM_AREA_MACROS},
    {CMD_READ_DEFAULT_KEYS, 0, ZOZSIM_AREA_DEFAULT_KEYS},
    {CMD_READ_KEY_COLORS, CMD_WRITE_KEY_COLORS, ZOZSIM_AREA_KEY_COLORS},
};

// The report id and checksum the tool puts on every request.
void Seal(Report& request) {
    request[REPORT_ID_AT] = CONFIG_REPORT_ID;
    WriteU16(&request[REPORT_CHECKSUM_AT], ReportChecksum(request));
}

void CheckShape(const Report& request, const Report& answer) {
    FUZZ_CHECK(answer[0] == CONFIG_REPORT_ID);
    FUZZ_CHECK(ReadU16(&answer[REPORT_CHECKSUM_AT]) == ReportChecksum(answer));
    FUZZ_CHECK(std::equal(&request[REPORT_COMMAND_AT], &request[REPORT_STATUS_AT],
                          &answer[REPORT_COMMAND_AT]));
    FUZZ_CHECK(answer[REPORT_STATUS_AT] == kStatusOk || answer[REPORT_STATUS_AT] == kStatusError);
}

void CheckRead(const SimMemory& memory, const AreaCommands& area, size_t offset,
               const Report& answer) {
    const auto bytes = memory.Area(area.area);
    if (offset >= bytes.size()) {
        FUZZ_CHECK(answer[REPORT_STATUS_AT] == kStatusError);
        return;
    }
    FUZZ_CHECK(answer[REPORT_STATUS_AT] == kStatusOk);
    for (size_t i = 0; i < kReportDataSize; ++i) {
        const uint8_t expected = offset + i < bytes.size() ? bytes[offset + i] : 0;
        FUZZ_CHECK(answer[REPORT_DATA_AT + i] == expected);
    }
}

// A write that stored something reads back, all but the macro memory size of the configuration
// block.
void CheckWritten(SimKeyboard& keyboard, const AreaCommands& area, const Report& request) {
    const uint16_t offset = ReadU16(&request[REPORT_OFFSET_AT]);
    const std::optional<Report> read = keyboard.Answer(BuildRequest(area.read, 0, offset));
    FUZZ_CHECK(read && (*read)[REPORT_STATUS_AT] == kStatusOk);
    for (size_t i = 0; i < request[REPORT_LENGTH_AT]; ++i) {
        const bool kept = area.area == ZOZSIM_AREA_CONFIG && i == SimMemory::kMacroUnitsByte;
        FUZZ_CHECK(kept || (*read)[REPORT_DATA_AT + i] == request[REPORT_DATA_AT + i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input(data, size);
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
        const uint8_t command = request[REPORT_COMMAND_AT];
        for (const AreaCommands& area : kAreaCommands) {
            if (sealed && command == area.read) {
                CheckRead(memory, area, ReadU16(&request[REPORT_OFFSET_AT]), *answer);
            } else if (sealed && command == area.write && request[REPORT_LENGTH_AT] > 0 &&
                       (*answer)[REPORT_STATUS_AT] == kStatusOk) {
                CheckWritten(keyboard, area, request);
            }
        }
    }
    return 0;
}
