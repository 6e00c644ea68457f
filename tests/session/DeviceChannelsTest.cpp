#include "session/DeviceChannels.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "device/ConfigCommands.h"
#include "device/ConfigReport.h"
#include "session/ConsumerCodes.h"
#include "session/DeviceStateWorker.h"
#include "session/GKeyBank.h"
#include "session/KeyboardSession.h"
#include "session/SessionMessages.h"
#include "session/TransportCallback.h"
#include "support/Eventually.h"
#include "support/RecordingWindowPort.h"
#include "support/SimKeyboardFixture.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {
namespace {

using Message = RecordingWindowPort::Message;

// A session that has handled the keyboard present since the start, attached to the transport.
class DeviceChannelsTest : public SimKeyboardTest {
  protected:
    void SetUp() override {
        SimKeyboardTest::SetUp();
        context.window = &window;
        context.deviceCount = 1;
        context.noAutoShow = 1;
        session.trayIcon = TRAY_ICON_KEYBOARD;
        session.normalTrayIcon = TRAY_ICON_KEYBOARD;
        AttachKeyboardSession(&session);
    }
    void TearDown() override {
        AttachKeyboardSession(nullptr);
        WaitForSessionThreads(session);
    }

    size_t Sent() const { return window.Recorded().sent.size(); }

    AppContext context;
    RecordingWindowPort window;
    KeyboardSession session{context, Link(), {MakeTemporaryFolder() + "/", KEYLOOM_BIN_DIR, ""}};
};

TEST_F(DeviceChannelsTest, ArrivalReadsFactoryTableAndConfigurationThenReloads) {
    AttachKeyboardSession(nullptr);  // started directly, as the tool's start does
    context.deviceCount = 0;
    context.noAutoShow = 0;
    session.trayIcon = TRAY_ICON_NO_KEYBOARD;
    session.defaultKeyMatrix = {};
    const uint8_t macroUnits = 20;
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_CONFIG, CONFIG_MACRO_UNITS, &macroUnits, 1), 1);
    std::vector<int> commandsAtReload;
    window.onSend = [&](uint32_t, uintptr_t) {
        for (const WrittenRequest& request : WrittenRequests()) {
            commandsAtReload.push_back(request.command);
        }
    };

    StartDeviceStateWorker(session, 1);
    WaitForSessionThreads(session);

    std::vector<int> expected(7, CMD_READ_DEFAULT_KEYS);
    expected.push_back(CMD_READ_CONFIG);
    EXPECT_EQ(commandsAtReload, expected);
    KeyBlockBytes factory{};
    ASSERT_EQ(ZozSim_ReadMemory(ZOZSIM_AREA_DEFAULT_KEYS, 0, factory.data(), KEY_BLOCK_BYTES), 1);
    EXPECT_EQ(session.defaultKeyMatrix, factory);
    EXPECT_EQ(context.macroCapacity, 20u * 128);
    const auto log = window.Recorded();
    EXPECT_EQ(log.sent, (std::vector<Message>{{UM_PROFILE_RELOAD, TAG_PROF}}));
    EXPECT_EQ(log.trayIcons, std::vector<int>{TRAY_ICON_KEYBOARD});
    EXPECT_EQ(log.posted, (std::vector<Message>{{UM_OPEN, TAG_OPEN}}));
    EXPECT_EQ(context.deviceCount, 1u);
}

TEST_F(DeviceChannelsTest, StartWithAKeyboardOpensBothChannelsAndShowsTheWindowOnce) {
    context.deviceCount = 0;
    context.noAutoShow = 0;
    ASSERT_EQ(End(), 1);  // the tool's own channels replace the fixture's
    ASSERT_EQ(Init(0), 1);

    StartDeviceChannels(session);
    ASSERT_TRUE(Eventually([&] { return context.deviceCount == 1; }));
    ASSERT_EQ(ZozSim_PressBankKey(), 1);
    ASSERT_TRUE(Eventually([&] { return Sent() == 2; }));

    const auto log = window.Recorded();
    EXPECT_EQ(log.sent,
              (std::vector<Message>{{UM_PROFILE_RELOAD, TAG_PROF}, {UM_BANK_CHANGED, TAG_BANK}}));
    EXPECT_EQ(log.posted, (std::vector<Message>{{UM_OPEN, TAG_OPEN}}));
}

TEST_F(DeviceChannelsTest, UnchangedCountDoesNothing) {
    StartDeviceStateWorker(session, 1);
    WaitForSessionThreads(session);

    EXPECT_EQ(Requests(), 0u);
    EXPECT_EQ(Sent(), 0u);
    EXPECT_TRUE(window.Recorded().trayIcons.empty());
}

TEST_F(DeviceChannelsTest, RemovalForgetsTheActiveProfileAndHidesTheWindow) {
    context.activeProfileCache = 2;

    ASSERT_EQ(ZozSim_Unplug(), 1);
    ASSERT_TRUE(Eventually([&] { return context.deviceCount == 0; }));

    EXPECT_EQ(context.activeProfileCache, -1);
    const auto log = window.Recorded();
    EXPECT_EQ(log.sent, (std::vector<Message>{{UM_DEVICE_GONE, 0}}));
    EXPECT_EQ(log.hides, 1);
    EXPECT_EQ(log.trayIcons, std::vector<int>{TRAY_ICON_NO_KEYBOARD});
    EXPECT_TRUE(log.posted.empty());
    ASSERT_EQ(ZozSim_Plug(), 1);  // back as every test starts
    ASSERT_TRUE(Eventually([&] { return context.deviceCount == 1; }));
}

// The keyboard comes back while the removal is still being handled: the arrival waits for it and
// then finds the count it left, so the tool ends up knowing the keyboard is there.
TEST_F(DeviceChannelsTest, ArrivalDuringARemovalIsHandledAfterIt) {
    window.onSend = [&](uint32_t message, uintptr_t) {
        if (message == UM_DEVICE_GONE) {
            StartDeviceStateWorker(session, 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    };
    StartDeviceStateWorker(session, 0);
    ASSERT_TRUE(Eventually([&] { return window.Recorded().trayIcons.size() == 2; }));
    WaitForSessionThreads(session);

    EXPECT_EQ(window.Recorded().trayIcons,
              (std::vector<int>{TRAY_ICON_NO_KEYBOARD, TRAY_ICON_KEYBOARD}));
    EXPECT_EQ(context.deviceCount, 1u);
}

TEST_F(DeviceChannelsTest, BankKeyTwiceWritesBankBThenBankAAndRelabelsTheGKeys) {
    context.activeProfileCache = 0;
    session.profile.Assignments().SetEntry(0, GKeySlot(1, 2), {ASSIGN_DISABLED, 0, 0});
    std::mutex shownLock;  // the handler runs on the transport's thread
    std::vector<GKeyMarks> shown;
    window.onSend = [&](uint32_t message, uintptr_t wParam) {
        if (message == UM_BANK_CHANGED && wParam == TAG_BANK) {
            std::lock_guard lock(shownLock);
            shown.push_back(CurrentGKeyMarks(session));
        }
    };

    ASSERT_EQ(ZozSim_PressBankKey(), 1);
    ASSERT_TRUE(Eventually([&] { return Sent() == 1; }));
    ASSERT_EQ(ZozSim_PressBankKey(), 1);
    ASSERT_TRUE(Eventually([&] { return Sent() == 2; }));

    EXPECT_EQ(TraceLines('S'), (std::vector<std::string>{"S 05 03", "S 05 02"}));
    ASSERT_TRUE(Eventually([&] {
        std::lock_guard lock(shownLock);
        return shown.size() == 2;
    }));
    std::lock_guard lock(shownLock);
    EXPECT_EQ(shown[0][0].label, "B1");
    EXPECT_TRUE(shown[0][2].assigned);
    EXPECT_EQ(shown[0][5].label, "");
    EXPECT_EQ(shown[1][0].label, "A1");
    EXPECT_FALSE(shown[1][2].assigned);
}

TEST_F(DeviceChannelsTest, SpecialStateCodesSwitchTheTrayIconAndBack) {
    ASSERT_EQ(ZozSim_SendConsumerCode(CONSUMER_SPECIAL_ON), 1);
    ASSERT_TRUE(Eventually([&] { return window.Recorded().trayIcons.size() == 1; }));
    ASSERT_EQ(ZozSim_SendConsumerCode(CONSUMER_SPECIAL_OFF), 1);
    ASSERT_TRUE(Eventually([&] { return window.Recorded().trayIcons.size() == 2; }));

    EXPECT_EQ(window.Recorded().trayIcons,
              (std::vector<int>{TRAY_ICON_SPECIAL, TRAY_ICON_KEYBOARD}));
}

TEST_F(DeviceChannelsTest, ChangeCodesArmTheirTimersAndAcceptedCodesDoNothing) {
    for (uint16_t code = CONSUMER_ACCEPTED_FIRST; code <= CONSUMER_ACCEPTED_LAST; ++code) {
        ASSERT_EQ(ZozSim_SendConsumerCode(code), 1);
    }
    ASSERT_EQ(ZozSim_SendConsumerCode(CONSUMER_LIGHTING_CHANGED), 1);
    ASSERT_EQ(ZozSim_SendConsumerCode(CONSUMER_PROFILE_CHANGED), 1);
    ASSERT_TRUE(Eventually([&] { return window.Recorded().timers.size() == 2; }));
    WaitForSessionThreads(session);

    const auto log = window.Recorded();
    EXPECT_EQ(log.timers, (std::vector<RecordingWindowPort::Timer>{{TIMER_LIGHTING_CHANGED, 0},
                                                                   {TIMER_PROFILE_CHANGED, 0}}));
    EXPECT_EQ(Sent(), 0u);
    EXPECT_TRUE(log.trayIcons.empty());
    EXPECT_TRUE(TraceLines('S').empty());
}

// The window follows a profile change made on the keyboard only when the new profile was read.
TEST_F(DeviceChannelsTest, AProfileChangeCountsOnlyWhenTheConfigurationWasRead) {
    EXPECT_EQ(HandleSessionMessage(session, MSG_TIMER, TIMER_PROFILE_CHANGED, 0), 1);
    ASSERT_EQ(ZozSim_Unplug(), 1);
    EXPECT_EQ(HandleSessionMessage(session, MSG_TIMER, TIMER_PROFILE_CHANGED, 0), 0);
    ASSERT_EQ(ZozSim_Plug(), 1);
}

}  // namespace
}  // namespace keyloom::test
