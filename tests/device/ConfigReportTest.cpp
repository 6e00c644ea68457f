#include "device/ConfigReport.h"

#include <gtest/gtest.h>

#include <vector>

namespace keyloom {
namespace {

std::vector<int> Head(const ConfigReport& report) {
    return std::vector<int>(report.begin(), report.begin() + 8);
}

bool DataIsZero(const ConfigReport& report) {
    for (size_t i = REPORT_DATA_AT; i < kReportSize; ++i) {
        if (report[i] != 0) {
            return false;
        }
    }
    return true;
}

TEST(ConfigReportTest, RequestsWithoutDataCarryTheirHeaderAndChecksumOnly) {
    const ConfigReport begin = BuildRequest(CMD_BEGIN, 0, 0);
    EXPECT_EQ(Head(begin), (std::vector<int>{0x04, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_TRUE(DataIsZero(begin));

    const ConfigReport readConfig = BuildRequest(CMD_READ_CONFIG, 44, 0);
    EXPECT_EQ(Head(readConfig), (std::vector<int>{0x04, 0x2F, 0x00, 0x03, 0x2C, 0x00, 0x00, 0x00}));
    EXPECT_TRUE(DataIsZero(readConfig));
}

TEST(ConfigReportTest, ChecksumCountsOffsetAndDataButNotTheHeaderBytes) {
    const uint8_t data[3] = {0xFF, 0xFF, 0xFF};
    const ConfigReport report = BuildRequest(CMD_WRITE_LIGHTING, 3, 0x0123, data, 3);
    EXPECT_EQ(report[REPORT_OFFSET_AT], 0x23);
    EXPECT_EQ(report[REPORT_OFFSET_AT + 1], 0x01);
    // 6 + 3 + 0x23 + 0x01 + 3 * 0xFF
    EXPECT_EQ(report[1] | (report[2] << 8), 6 + 3 + 0x23 + 0x01 + 3 * 0xFF);
    EXPECT_EQ(report[REPORT_DATA_AT + 3], 0);
}

TEST(ConfigReportTest, ChecksumKeepsOnlyItsLowSixteenBits) {
    std::vector<uint8_t> data(56, 0xFF);
    ConfigReport report = BuildRequest(CMD_WRITE_MACROS, 56, 0xFFFF, data.data(), data.size());
    const unsigned sum = 10 + 56 + 0xFF + 0xFF + 56 * 0xFF;
    EXPECT_EQ(report[1] | (report[2] << 8), sum & 0xFFFF);
}

TEST(ConfigReportTest, BootRequestHasNoChecksum) {
    const ConfigReport boot = BuildEnterBootRequest();
    EXPECT_EQ(Head(boot), (std::vector<int>{0x04, 0x00, 0x00, 0xEE, 0xEE, 0x00, 0x00, 0x00}));
    EXPECT_TRUE(DataIsZero(boot));
}

}  // namespace
}  // namespace keyloom
