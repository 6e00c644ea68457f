#include "device/ConfigReport.h"

#include <algorithm>

#include "platform/LittleEndian.h"

namespace keyloom {

ConfigReport BuildRequest(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* data,
                          size_t dataLength) {
    ConfigReport report{};
    report[REPORT_ID_AT] = CONFIG_REPORT_ID;
    report[REPORT_COMMAND_AT] = command;
    report[REPORT_LENGTH_AT] = length;
    WriteU16(&report[REPORT_OFFSET_AT], offset);
    if (data != nullptr) {
        std::copy_n(data, std::min(dataLength, kReportDataSize), &report[REPORT_DATA_AT]);
    }
    WriteU16(&report[REPORT_CHECKSUM_AT], ReportChecksum(report));
    return report;
}

ConfigReport BuildEnterBootRequest() {
    ConfigReport report{};
    report[REPORT_ID_AT] = CONFIG_REPORT_ID;
    report[REPORT_COMMAND_AT] = CMD_ENTER_BOOT;
    report[REPORT_LENGTH_AT] = CMD_ENTER_BOOT;
    return report;
}

uint16_t ReportChecksum(const ConfigReport& report) {
    unsigned sum = 0;
    for (size_t i = REPORT_COMMAND_AT; i < kReportSize; ++i) {
        sum += report[i];
    }
    return static_cast<uint16_t>(sum);
}

}  // namespace keyloom
