#include "device/ReportExchange.h"

#include <gtest/gtest.h>

#include <numeric>
#include <thread>
#include <vector>

#include "device/ConfigCommands.h"
#include "device/ConfigReport.h"
#include "device/DeviceResult.h"
#include "support/SimKeyboardFixture.h"
#include "support/SimMacros.h"

namespace keyloom::test {
namespace {

using ReportExchangeTest = SimKeyboardTest;

int ReadConfig() {
    uint8_t block[CONFIG_BLOCK_SIZE] = {};
    return CmdReadConfig(SimKeyboardTest::Link().Exchange(), block);
}

TEST_F(ReportExchangeTest, AnswerIsCopiedWithItsLength) {
    const ConfigReport request = BuildRequest(CMD_READ_CONFIG, CONFIG_BLOCK_SIZE, 0);
    ConfigReport answer{};
    size_t received = 99;
    EXPECT_EQ(Exchange().ExchangeReport(request.data(), request.size(), answer.data(),
                                        answer.size(), &received),
              RESULT_OK);
    EXPECT_EQ(received, kReportSize);
    EXPECT_EQ(answer[REPORT_COMMAND_AT], CMD_READ_CONFIG);
    EXPECT_EQ(answer[REPORT_DATA_AT + CONFIG_MACRO_UNITS], 32);
}

TEST_F(ReportExchangeTest, ShortRequestIsPaddedWithZeros) {
    const uint8_t request[4] = {4, 1, 0, 1};  // a begin request cut after its command byte
    ConfigReport answer{};
    size_t received = 0;
    EXPECT_EQ(
        Exchange().ExchangeReport(request, sizeof request, answer.data(), answer.size(), &received),
        RESULT_OK);
    const auto written = TraceLines('W');
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(TraceBytes(written[0]).size(), kReportSize);
}

TEST_F(ReportExchangeTest, WrongCommandInTheAnswerIsRetried) {
    ASSERT_EQ(ZozSim_InjectFault(1, ZOZSIM_FAULT_WRONG_COMMAND), 1);
    EXPECT_EQ(ReadConfig(), RESULT_OK);
    EXPECT_EQ(Requests(), 2u);
}

TEST_F(ReportExchangeTest, StatusErrorIsRetriedAndReportedAfterTheThirdAnswer) {
    for (uint32_t n = 1; n <= 3; ++n) {
        ASSERT_EQ(ZozSim_InjectFault(n, ZOZSIM_FAULT_STATUS_FE), 1);
    }
    EXPECT_EQ(ReadConfig(), RESULT_STATUS_FE);
    EXPECT_EQ(Requests(), 3u);

    ASSERT_EQ(ZozSim_InjectFault(1, ZOZSIM_FAULT_STATUS_FF), 1);
    ASSERT_EQ(ZozSim_InjectFault(2, ZOZSIM_FAULT_STATUS_FF), 1);
    EXPECT_EQ(ReadConfig(), RESULT_OK);
    EXPECT_EQ(Requests(), 6u);

    for (uint32_t n = 1; n <= 3; ++n) {
        ASSERT_EQ(ZozSim_InjectFault(n, ZOZSIM_FAULT_STATUS_FF), 1);
    }
    EXPECT_EQ(ReadConfig(), RESULT_STATUS_FF);
}

TEST_F(ReportExchangeTest, NoAnswerGivesUpAfterThreeAttempts) {
    for (uint32_t n = 1; n <= 3; ++n) {
        ASSERT_EQ(ZozSim_InjectFault(n, ZOZSIM_FAULT_NO_ANSWER), 1);
    }
    EXPECT_EQ(ReadConfig(), RESULT_NO_ANSWER);
    EXPECT_EQ(Requests(), 3u);
    EXPECT_EQ(TraceLines('R').size(), 0u);
    EXPECT_FALSE(Link().Answers().InFlight());
}

TEST_F(ReportExchangeTest, NoKeyboardSendsNothing) {
    ASSERT_EQ(ZozSim_Unplug(), 1);
    EXPECT_EQ(ReadConfig(), RESULT_NO_DEVICE);
    uint8_t block[KEY_BLOCK_SIZE] = {};
    EXPECT_EQ(CmdWriteKeys(Exchange(), block, 0), RESULT_NO_DEVICE);
    EXPECT_EQ(CmdBegin(Exchange()), RESULT_NO_DEVICE);
    EXPECT_EQ(Requests(), 0u);
    EXPECT_EQ(TraceLines('W').size(), 0u);
}

// A chunked read and the part of the keyboard's memory it covers.
struct ChunkedRead {
    const char* what;
    int area;
    uint32_t offset;
    size_t size;
    DeviceResult (*read)(uint8_t* out, size_t size);
};

TEST_F(ReportExchangeTest, LateAnswerAtAnyChunkLeavesTheReadEqualToTheKeyboard) {
    std::vector<uint8_t> block(KEY_BLOCK_SIZE);
    std::iota(block.begin(), block.end(), uint8_t{3});
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_KEYS, KEY_BLOCK_SIZE, block.data(), KEY_BLOCK_SIZE),
              1);
    const size_t macroSize = WriteMacrosToSim(8).size();
    ASSERT_GE(macroSize, 5 * kReportDataSize);
    ASSERT_LE(macroSize, 8 * kReportDataSize);
    const ChunkedRead reads[] = {
        {"key block 1", ZOZSIM_AREA_KEYS, KEY_BLOCK_SIZE, KEY_BLOCK_SIZE,
         [](uint8_t* out, size_t) { return CmdReadKeys(Exchange(), out, 1); }},
        {"macro area", ZOZSIM_AREA_MACROS, 0, macroSize,
         [](uint8_t* out, size_t size) { return CmdReadMacros(Exchange(), out, size); }},
    };
    for (const ChunkedRead& read : reads) {
        std::vector<uint8_t> memory(read.size);
        ASSERT_EQ(ZozSim_ReadMemory(read.area, read.offset, memory.data(),
                                    static_cast<uint32_t>(memory.size())),
                  1);
        const size_t chunks = (read.size + kReportDataSize - 1) / kReportDataSize;
        for (uint32_t chunk = 1; chunk <= chunks; ++chunk) {
            ASSERT_EQ(ZozSim_InjectFault(chunk, ZOZSIM_FAULT_LATE_ANSWER), 1);
            const uint32_t before = Requests();
            std::vector<uint8_t> bytes(read.size);
            EXPECT_EQ(read.read(bytes.data(), bytes.size()), RESULT_OK)
                << read.what << ", late at chunk " << chunk;
            EXPECT_EQ(bytes, memory) << read.what << ", late at chunk " << chunk;
            // The late chunk is asked twice; a stale answer costs no attempt.
            EXPECT_EQ(Requests() - before, chunks + 1) << read.what << ", late at chunk " << chunk;
        }
    }
}

TEST_F(ReportExchangeTest, ExchangesFromSeveralThreadsTakeTurns) {
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (size_t t = 0; t < failures.size(); ++t) {
        threads.emplace_back([&failures, t] {
            for (int i = 0; i < 10; ++i) {
                failures[t] += ReadConfig() != RESULT_OK;
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(failures, std::vector<int>(4, 0));
    EXPECT_EQ(Requests(), 40u);  // no retries: every answer reached its own exchange
}

}  // namespace
}  // namespace keyloom::test
