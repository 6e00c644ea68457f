// The virtual keyboard seen through the library's C exports, as the tool sees it.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <thread>
#include <vector>

#include "ZozSim.h"
#include "device/ConfigCommands.h"
#include "device/ConfigReport.h"
#include "device/DeviceResult.h"
#include "device/RequestTags.h"
#include "support/Eventually.h"
#include "support/FileContents.h"
#include "support/SimKeyboardFixture.h"

namespace keyloom::test {
namespace {

using VirtualKeyboardTest = SimKeyboardTest;
using namespace std::chrono_literals;

std::vector<uint8_t> Descriptor(HidCollection collection) {
    std::vector<uint8_t> d(ZOZ_DESCRIPTOR_SIZE);
    ZozMakeDescriptor(d.data(), collection.usagePage, collection.usage);
    return d;
}

// What a standing request of a test heard.
struct Heard {
    std::atomic<int> reports{0};
    std::atomic<int> lastCode{-1};
    std::atomic<int> lastCount{-1};
    std::atomic<int> countChanges{0};
    std::atomic<int> delayMs{0};

    void Clear() {
        reports = 0;
        lastCode = -1;
        lastCount = -1;
        countChanges = 0;
        delayMs = 0;
    }
};
Heard heard;
// A second request on the same collection, whose notifications show that the first's went out.
Heard sentinel;

template <Heard& into>
int Listener(const ZozNotification* n) {
    if (n->kind == ZOZ_NOTIFY_INPUT_REPORT) {
        std::this_thread::sleep_for(std::chrono::milliseconds(into.delayMs.load()));
        if (n->length >= 2) {
            into.lastCode = n->data[0] | (n->data[1] << 8);
        }
        into.reports++;
    } else {
        into.lastCount = static_cast<int>(n->deviceCount);
        into.countChanges++;
    }
    return 1;
}

class ListeningTest : public VirtualKeyboardTest {
  protected:
    void Listen(HidCollection collection, uint32_t tag) {
        heard.Clear();
        ASSERT_EQ(Link().Transport().AsyncRead(collection, &Listener<heard>, tag, &id_), 1);
    }
    void ListenAsSentinel(HidCollection collection, uint32_t tag) {
        sentinel.Clear();
        ASSERT_EQ(Link().Transport().AsyncRead(collection, &Listener<sentinel>, tag, &sentinelId_),
                  1);
    }
    void TearDown() override {
        Link().Transport().Cancel(id_);
        Link().Transport().Cancel(sentinelId_);
    }

    uint32_t id_ = 0;
    uint32_t sentinelId_ = 0;
};

std::vector<uint8_t> KeyBlock(int block) {
    std::vector<uint8_t> bytes(KEY_BLOCK_SIZE);
    EXPECT_EQ(CmdReadKeys(SimKeyboardTest::Link().Exchange(), bytes.data(), block), RESULT_OK);
    return bytes;
}

TEST_F(VirtualKeyboardTest, RequestWithAWrongChecksumIsRefused) {
    const auto d = Descriptor(CONFIG_COLLECTION);
    const ConfigReport report = BuildRequest(CMD_BEGIN, 0, 0);
    const uint32_t right = ZozRequestChecksum(d.data(), nullptr, 0, report.data(), report.size());
    EXPECT_EQ(RequestWriteOne(d.data(), nullptr, 0, report.data(), 64, right + 1, nullptr), 0);
    EXPECT_EQ(RequestGetDeviceCount(d.data(), nullptr, 0, 12345, nullptr), 0);
    EXPECT_EQ(Requests(), 0u);
    EXPECT_EQ(RequestWriteOne(d.data(), nullptr, 0, report.data(), 64, right, nullptr), 1);
    EXPECT_EQ(Requests(), 1u);
}

TEST_F(VirtualKeyboardTest, RequestForAnotherProductIsRefused) {
    auto d = Descriptor(CONFIG_COLLECTION);
    d[6] ^= 1;  // product id
    const uint32_t checksum = ZozRequestChecksum(d.data(), nullptr, 0, nullptr, 0);
    EXPECT_EQ(RequestGetDeviceCount(d.data(), nullptr, 0, checksum, nullptr), 0);
}

TEST_F(VirtualKeyboardTest, ReportWithAWrongChecksumIsAnsweredWithAnError) {
    ConfigReport report = BuildRequest(CMD_BEGIN, 0, 0);
    report[1] ^= 0x10;
    ConfigReport answer{};
    size_t received = 0;
    ASSERT_EQ(Exchange().ExchangeReport(report.data(), 64, answer.data(), 64, &received), 1);
    EXPECT_EQ(answer[REPORT_STATUS_AT], 0xFF);
}

TEST_F(VirtualKeyboardTest, WritesOutsideAnAreaAreRefused) {
    std::vector<uint8_t> bytes(4096 + 1, 1);
    EXPECT_EQ(CmdWriteLighting(Exchange(), bytes.data(), 56, 100), RESULT_STATUS_FF);
    EXPECT_EQ(CmdWriteMacros(Exchange(), bytes.data(), bytes.size()), RESULT_STATUS_FF);
    uint8_t config[CONFIG_BLOCK_SIZE] = {};
    ASSERT_EQ(CmdReadConfig(Exchange(), config), RESULT_OK);
    config[CONFIG_ACTIVE_PROFILE] = 3;
    EXPECT_EQ(CmdWriteConfig(Exchange(), config), RESULT_STATUS_FF);
}

TEST_F(VirtualKeyboardTest, RemembersWritesAcrossARestart) {
    const std::vector<uint8_t> block(KEY_BLOCK_SIZE, 0x42);
    ASSERT_EQ(CmdBegin(Exchange()), RESULT_OK);
    ASSERT_EQ(CmdWriteKeys(Exchange(), block.data(), 1), RESULT_OK);
    ASSERT_EQ(CmdEnd(Exchange()), RESULT_OK);
    RestartLibrary();
    EXPECT_EQ(KeyBlock(1), block);
}

TEST_F(VirtualKeyboardTest, DamagedStateFileMeansFactoryMemory) {
    const auto factory = KeyBlock(0);
    const std::vector<uint8_t> block(KEY_BLOCK_SIZE, 0x42);
    ASSERT_EQ(CmdBegin(Exchange()), RESULT_OK);
    ASSERT_EQ(CmdWriteKeys(Exchange(), block.data(), 0), RESULT_OK);
    ASSERT_EQ(CmdEnd(Exchange()), RESULT_OK);
    ASSERT_TRUE(PutFile(StatePath(), "short"));
    RestartLibrary();
    EXPECT_EQ(KeyBlock(0), factory);
}

TEST_F(VirtualKeyboardTest, FactoryTableGivesEachGKeyOnePosition) {
    std::vector<uint8_t> table(KEY_BLOCK_SIZE);
    ASSERT_EQ(CmdReadDefaultKeys(Exchange(), table.data()), RESULT_OK);
    std::map<int, int> gKeys;
    std::map<int, int> codes;
    for (size_t p = 0; p < 126; ++p) {
        const int code = table[3 * p] << 16 | table[3 * p + 1] << 8 | table[3 * p + 2];
        if (code != 0) {
            codes[code]++;
        }
        if (table[3 * p] == 0x06 && table[3 * p + 1] == 0xA2) {
            gKeys[table[3 * p + 2]]++;
        }
    }
    for (int n = 1; n <= 18; ++n) {
        EXPECT_EQ(gKeys[n], 1) << "G key " << n;
    }
    for (const auto& [code, count] : codes) {
        EXPECT_EQ(count, 1) << std::hex << "code " << code;
    }
    EXPECT_EQ(codes.size(), 105u + 1 + 18);  // keys, Fn, G keys
    EXPECT_EQ(KeyBlock(0), table);
}

// Sends a key table read of 56 bytes at `offset` without waiting for its answer.
void SendKeyRead(uint16_t offset) {
    const ConfigReport request = BuildRequest(CMD_READ_KEYS, 56, offset);
    ASSERT_EQ(SimKeyboardTest::Link().Transport().WriteOne(request.data(), kReportSize), 1);
}

// The offsets echoed by the answers on the wire, in the order they came.
std::vector<int> AnsweredOffsets(const std::vector<std::string>& answers) {
    std::vector<int> offsets;
    for (const auto& line : answers) {
        const auto bytes = TraceBytes(line);
        offsets.push_back(bytes[REPORT_OFFSET_AT] | bytes[REPORT_OFFSET_AT + 1] << 8);
    }
    return offsets;
}

TEST_F(VirtualKeyboardTest, LateAnswerRunsOneBehindUntilTheRequestAfterNext) {
    EXPECT_EQ(ZozSim_InjectFault(1, ZOZSIM_FAULT_UNPLUG + 1), 0);
    ASSERT_EQ(ZozSim_InjectFault(1, ZOZSIM_FAULT_LATE_ANSWER), 1);
    const std::vector<size_t> answersAfter{0, 1, 3, 4};
    for (size_t n = 0; n < answersAfter.size(); ++n) {
        SendKeyRead(static_cast<uint16_t>(56 * n));
        EXPECT_EQ(TraceLines('R').size(), answersAfter[n]) << "after request " << n + 1;
    }
    EXPECT_EQ(AnsweredOffsets(TraceLines('R')), (std::vector<int>{0, 56, 112, 168}));
}

TEST_F(VirtualKeyboardTest, HeldAnswerIsLostWhenTheKeyboardIsResetOrUnplugged) {
    const std::vector<int (*)()> resets{
        [] { return ZozSim_FactoryReset(); },
        [] { return ZozSim_Unplug() + ZozSim_Plug() - 1; },
    };
    for (size_t r = 0; r < resets.size(); ++r) {
        const size_t before = TraceLines('R').size();
        ASSERT_EQ(ZozSim_InjectFault(1, ZOZSIM_FAULT_LATE_ANSWER), 1);
        SendKeyRead(0);
        ASSERT_EQ(resets[r](), 1);
        SendKeyRead(56);
        const auto answers = TraceLines('R');
        EXPECT_EQ(
            AnsweredOffsets({answers.begin() + static_cast<std::ptrdiff_t>(before), answers.end()}),
            std::vector<int>{56})
            << "reset " << r;
    }
}

TEST_F(ListeningTest, ConsumerCodesReachTheConsumerChannel) {
    Listen(CONSUMER_COLLECTION, TAG_CONS);
    ASSERT_EQ(ZozSim_SendConsumerCode(0x1811), 1);
    EXPECT_TRUE(Eventually([] { return heard.reports == 1; }));
    EXPECT_EQ(heard.lastCode, 0x1811);
    ASSERT_EQ(ZozSim_PressBankKey(), 1);
    EXPECT_TRUE(Eventually([] { return heard.reports == 2; }));
    EXPECT_EQ(heard.lastCode, 0x02FF);
    EXPECT_EQ(TraceLines('C'), (std::vector<std::string>{"C 1811", "C 02ff"}));
}

TEST_F(ListeningTest, PluggingChangesTheDeviceCount) {
    Listen(CONSUMER_COLLECTION, TAG_CONS);
    ASSERT_EQ(ZozSim_Unplug(), 1);
    EXPECT_TRUE(Eventually([] { return heard.countChanges == 1; }));
    EXPECT_EQ(heard.lastCount, 0);
    EXPECT_EQ(Link().Transport().DeviceCount(CONFIG_COLLECTION), 0u);
    EXPECT_EQ(ZozSim_SendConsumerCode(0x0401), 0);  // an absent keyboard says nothing
    ASSERT_EQ(ZozSim_Unplug(), 1);
    ASSERT_EQ(ZozSim_Plug(), 1);
    EXPECT_TRUE(Eventually([] { return heard.countChanges == 2; }));
    EXPECT_EQ(heard.lastCount, 1);
    EXPECT_EQ(TraceLines('D'), (std::vector<std::string>{"D 0", "D 1"}));
}

// The request that meets the fault goes out, but the keyboard is gone before it acts on it or
// answers; what follows finds no keyboard.
TEST_F(ListeningTest, UnplugFaultPullsTheKeyboardOutAsTheRequestArrives) {
    Listen(CONSUMER_COLLECTION, TAG_CONS);
    const uint8_t before = 0;
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_LIGHTING, 0, &before, 1), 1);
    ASSERT_EQ(ZozSim_InjectFault(2, ZOZSIM_FAULT_UNPLUG), 1);
    const uint8_t mode = 7;
    const ConfigReport write = BuildRequest(CMD_WRITE_LIGHTING, 1, 0, &mode, 1);
    const auto& transport = Link().Transport();

    SendKeyRead(0);
    EXPECT_EQ(transport.WriteOne(write.data(), kReportSize), 1);

    EXPECT_TRUE(Eventually([] { return heard.countChanges == 1; }));
    EXPECT_EQ(heard.lastCount, 0);
    EXPECT_EQ(transport.DeviceCount(CONFIG_COLLECTION), 0u);
    EXPECT_EQ(TraceLines('R').size(), 1u);
    uint8_t after = 0xFF;
    ASSERT_EQ(ZozSim_ReadMemory(ZOZSIM_AREA_LIGHTING, 0, &after, 1), 1);
    EXPECT_EQ(after, before);
    EXPECT_EQ(transport.WriteOne(write.data(), kReportSize), 0);
    EXPECT_EQ(Requests(), 2u);
}

// The node's path is cut to the caller's buffer and always terminated; without a buffer only the
// answer comes.
TEST_F(ListeningTest, ARefusedKeyboardCountsAsNoneAndTheOptionalExportNamesItsNode) {
    Listen(CONSUMER_COLLECTION, TAG_CONS);
    char node[64] = "unchanged";
    EXPECT_EQ(ZozAccessProblem(node, sizeof node), ZOZ_ACCESS_OK);
    EXPECT_STREQ(node, "unchanged");
    ASSERT_EQ(ZozSim_DenyAccess(), 1);
    EXPECT_TRUE(Eventually([] { return heard.countChanges == 1; }));
    EXPECT_EQ(heard.lastCount, 0);
    EXPECT_EQ(Link().Transport().DeviceCount(CONFIG_COLLECTION), 0u);
    EXPECT_EQ(ZozAccessProblem(node, sizeof node), ZOZ_ACCESS_DENIED);
    EXPECT_STREQ(node, "/dev/hidraw-sim");
    char cut[6] = {};
    EXPECT_EQ(ZozAccessProblem(cut, sizeof cut), ZOZ_ACCESS_DENIED);
    EXPECT_STREQ(cut, "/dev/");
    EXPECT_EQ(ZozAccessProblem(nullptr, 0), ZOZ_ACCESS_DENIED);
    ASSERT_EQ(ZozSim_Plug(), 1);
    EXPECT_EQ(ZozAccessProblem(node, sizeof node), ZOZ_ACCESS_OK);
}

TEST_F(VirtualKeyboardTest, AKeyboardStartedRefusedCountsAsNoneUntilPluggedInAgain) {
    setenv("ZOZODIZ_SIM_ACCESS", "denied", 1);
    RestartLibrary();
    unsetenv("ZOZODIZ_SIM_ACCESS");
    EXPECT_EQ(Link().Transport().DeviceCount(CONFIG_COLLECTION), 0u);
    EXPECT_EQ(Link().Transport().RefusedNode(), "/dev/hidraw-sim");
    ASSERT_EQ(ZozSim_Plug(), 1);
    EXPECT_EQ(Link().Transport().DeviceCount(CONFIG_COLLECTION), 1u);
    EXPECT_EQ(Link().Transport().RefusedNode(), std::nullopt);
}

TEST_F(ListeningTest, BootCommandUnplugsAndReturnsWithMemoryIntact) {
    const std::vector<uint8_t> block(KEY_BLOCK_SIZE, 0x17);
    ASSERT_EQ(CmdWriteKeys(Exchange(), block.data(), 2), RESULT_OK);
    Listen(CONFIG_COLLECTION, 0);
    EXPECT_EQ(CmdEnterBoot(Exchange()), 1);
    EXPECT_TRUE(Eventually([] { return heard.countChanges == 2; }));
    EXPECT_EQ(heard.lastCount, 1);
    EXPECT_EQ(KeyBlock(2), block);
    const auto sent = TraceLines('N');
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].substr(0, 14), "N 04 00 00 ee ");
    RestartLibrary();  // its end joins the thread that plugged the keyboard back
}

TEST_F(ListeningTest, CancelledRequestHearsNothingMore) {
    Listen(CONSUMER_COLLECTION, TAG_CONS);
    Link().Transport().Cancel(id_);
    ListenAsSentinel(CONSUMER_COLLECTION, TAG_CONS);
    ASSERT_EQ(ZozSim_SendConsumerCode(0x1810), 1);
    ASSERT_EQ(ZozSim_Unplug(), 1);
    ASSERT_TRUE(Eventually([] { return sentinel.reports == 1 && sentinel.countChanges == 1; }));
    EXPECT_EQ(heard.reports, 0);
    EXPECT_EQ(heard.countChanges, 0);
}

TEST_F(ListeningTest, SlowConsumerCallbackDoesNotDelayAnswers) {
    Listen(CONSUMER_COLLECTION, TAG_CONS);
    heard.delayMs = 3000;
    ASSERT_EQ(ZozSim_SendConsumerCode(0x1801), 1);
    uint8_t config[CONFIG_BLOCK_SIZE] = {};
    EXPECT_EQ(CmdReadConfig(Exchange(), config), RESULT_OK);
    EXPECT_EQ(Requests(), 1u);  // answered at the first attempt
    EXPECT_TRUE(Eventually([] { return heard.reports == 1; }, 10s));
}

TEST_F(VirtualKeyboardTest, BankStatusWriteIsKeptAndTraced) {
    const uint8_t status[2] = {0x05, 0x03};
    uint32_t id = 0;
    ASSERT_EQ(
        Link().Transport().StatusWrite(BANK_STATUS_COLLECTION, nullptr, TAG_LED, status, 2, &id),
        1);
    EXPECT_NE(id, 0u);
    uint8_t kept[2] = {};
    ASSERT_EQ(ZozSim_BankStatus(kept), 1);
    EXPECT_EQ(kept[1], 0x03);
    EXPECT_EQ(TraceLines('S'), (std::vector<std::string>{"S 05 03"}));
}

TEST_F(VirtualKeyboardTest, FailBackendRefusesToStart) {
    ASSERT_EQ(End(), 1);
    setenv("ZOZODIZ_BACKEND", "fail", 1);
    EXPECT_EQ(Init(0), 0);
    setenv("ZOZODIZ_BACKEND", "sim", 1);
    RestartLibrary();
    uint8_t config[CONFIG_BLOCK_SIZE] = {};
    EXPECT_EQ(CmdReadConfig(Exchange(), config), RESULT_OK);
}

}  // namespace
}  // namespace keyloom::test
