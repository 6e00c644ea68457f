#include "device/ReportExchange.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "device/ConfigCommands.h"
#include "device/ConfigReport.h"
#include "device/DeviceResult.h"
#include "support/SimKeyboardFixture.h"

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
