#include "session/ApplyPipeline.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "device/ConfigReport.h"
#include "model/MacroArea.h"
#include "platform/LittleEndian.h"
#include "session/ProfileOperations.h"
#include "session/ProfileReload.h"
#include "storage/ProfileFile.h"
#include "support/RecordingWindowPort.h"
#include "support/SimKeyboardFixture.h"
#include "support/SimMacros.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {
namespace {

using CommandAt = std::pair<int, int>;  // command, offset

constexpr int kProfile = 1;
constexpr ScanCode kKeyA = 0x1E;
constexpr ScanCode kKeyB = 0x30;
// The test macro's image: 16 + 2 + 4 + 20 × 4 bytes, and its 13 name characters more with names.
constexpr unsigned kMinimalSize = 102;
constexpr unsigned kFullSize = 128;

MacroRecord TestMacro() {
    MacroRecord macro;
    macro.SetName("Twenty events");
    macro.SetId(1);
    std::vector<MacroEvent> events;
    for (int i = 0; i < 10; ++i) {
        events.push_back({10, kKeyB, MACRO_PRESS});
        events.push_back({10, kKeyB, MACRO_RELEASE});
    }
    macro.SetEvents(events);
    return macro;
}

// The keyboard was seen: its macro memory is known and the working profile file exists. Key A of
// the active profile acts as B, one named macro exists, and that change is pending.
class ApplyPipelineTest : public SimKeyboardTest {
  protected:
    ApplyPipelineTest() {
        context.window = &window;
        context.macroCapacity = 4096;
        context.activeProfileCache = kProfile;
        EXPECT_EQ(WriteBlankProfileFile(WorkingProfilePath(session, kProfile), 0), 1);
        session.profile.macros.push_back(TestMacro());
        session.profile.Assignments().SetEntry(kProfile, kKeyA, {ASSIGN_KEY, 0, kKeyB});
        window.SetApplyEnabled(true);
    }
    ~ApplyPipelineTest() override { WaitForSessionThreads(session); }

    bool ProfileSaved() const {
        return std::filesystem::file_size(WorkingProfilePath(session, kProfile)) ==
               PROFILE_IMAGE_SIZE + MACRO_RECORD_SIZE;
    }

    std::vector<CommandAt> Commands() const {
        std::vector<CommandAt> commands;
        for (const WrittenRequest& request : WrittenRequests()) {
            commands.emplace_back(request.command, request.offset);
        }
        return commands;
    }

    // The size and names flag in the header of the macro image sent.
    std::pair<unsigned, unsigned> SentMacroHeader() const {
        for (const WrittenRequest& request : WrittenRequests()) {
            if (request.command == CMD_WRITE_MACROS && request.offset == 0) {
                return {ReadU16(&request.data[MACRO_AREA_TOTAL_SIZE]),
                        ReadU16(&request.data[MACRO_AREA_NAMES_FLAG])};
            }
        }
        return {0, 0};
    }

    // The profiles whose key tables were written after the first `before` requests.
    std::vector<int> KeyTablesWrittenSince(size_t before) const {
        std::vector<int> tables;
        const auto requests = WrittenRequests();
        for (size_t i = before; i < requests.size(); ++i) {
            if (requests[i].command == CMD_WRITE_KEYS && requests[i].offset % 378 == 0) {
                tables.push_back(requests[i].offset / 378);
            }
        }
        return tables;
    }

    AppContext context;
    RecordingWindowPort window;
    KeyboardSession session{context, Link(), {MakeTemporaryFolder() + "/", KEYLOOM_BIN_DIR, ""}};
};

TEST_F(ApplyPipelineTest, OneApplyWritesBeginMacrosKeyTableEndAndClearsThePendingState) {
    context.macroCapacity = kFullSize;  // exactly the size with names still takes them

    ApplyChanges(session);

    std::vector<CommandAt> expected = {
        {CMD_BEGIN, 0}, {CMD_WRITE_MACROS, 0}, {CMD_WRITE_MACROS, 56}, {CMD_WRITE_MACROS, 112}};
    for (int chunk = 0; chunk <= 336; chunk += 56) {
        expected.emplace_back(CMD_WRITE_KEYS, 378 * kProfile + chunk);
    }
    expected.emplace_back(CMD_END, 0);
    EXPECT_EQ(Commands(), expected);
    EXPECT_EQ(SentMacroHeader(), std::make_pair(kFullSize, 1u));
    EXPECT_TRUE(ProfileSaved());
    EXPECT_FALSE(window.ApplyEnabled());
    EXPECT_TRUE(window.Recorded().shownKeys.empty());
}

// The window edits only the active profile; a change made to another one reaches the keyboard
// with all three key tables.
TEST_F(ApplyPipelineTest, AChangeToAnotherProfileWritesTheKeyTablesOfAllThree) {
    struct Case {
        int profile;
        std::vector<int> tables;
    };
    for (const Case& test : {Case{kProfile, {kProfile}}, Case{2, {0, 1, 2}}}) {
        session.profile.Assignments().SetEntry(test.profile, kKeyB, {ASSIGN_DISABLED});
        window.SetApplyEnabled(true);
        const size_t before = WrittenRequests().size();

        ApplyProfileChanges(session, test.profile);

        EXPECT_EQ(KeyTablesWrittenSince(before), test.tables) << "profile " << test.profile;
        EXPECT_FALSE(window.ApplyEnabled());
    }
}

// Keys play macros by their position in the macro memory. The window writes the active profile's
// key table only, so when a macro moves or is deleted, the tables of the other profiles are
// written too.
TEST_F(ApplyPipelineTest, AMacroThatMovesOrGoesHasEveryKeyTableWritten) {
    const auto macro = [](uint16_t id) {
        MacroRecord record = TestMacro();
        record.SetId(id);
        return record;
    };
    session.profile.macros = {macro(1), macro(2)};
    ApplyChanges(session);
    struct Case {
        const char* edit;
        MacroList macros;
        std::vector<int> tables;
    };
    const Case cases[] = {
        {"nothing moved", {macro(1), macro(2)}, {kProfile}},
        {"one added at the end", {macro(1), macro(2), macro(3)}, {kProfile}},
        {"the first deleted", {macro(2), macro(3)}, {0, 1, 2}},
        {"two swapped", {macro(3), macro(2)}, {0, 1, 2}},
        {"the last deleted", {macro(3)}, {0, 1, 2}},
    };
    for (const Case& test : cases) {
        session.profile.macros = test.macros;
        window.SetApplyEnabled(true);
        const size_t before = WrittenRequests().size();

        ApplyChanges(session);

        EXPECT_EQ(KeyTablesWrittenSince(before), test.tables) << test.edit;
    }
}

// The keyboard's macros as read at its arrival are where the keys find them.
TEST_F(ApplyPipelineTest, AMacroDeletedAfterTheKeyboardWasReadHasEveryKeyTableWritten) {
    WriteMacrosToSim(2);
    ASSERT_EQ(ReloadFromKeyboard(session, 0), 1);
    ASSERT_EQ(session.profile.macros.size(), 2u);
    session.profile.macros.erase(session.profile.macros.begin());
    window.SetApplyEnabled(true);
    const size_t before = WrittenRequests().size();

    ApplyChanges(session);

    EXPECT_EQ(KeyTablesWrittenSince(before), (std::vector<int>{0, 1, 2}));
}

TEST_F(ApplyPipelineTest, NothingPendingWritesAndSavesNothingButShowsTheIndicator) {
    window.SetApplyEnabled(false);

    ApplyChanges(session);
    WaitForSessionThreads(session);

    EXPECT_EQ(Requests(), 0u);
    EXPECT_FALSE(ProfileSaved());
    const auto log = window.Recorded();
    EXPECT_EQ(log.busyPicture, (std::vector<bool>{true, false}));
    EXPECT_EQ(log.timers, (std::vector<RecordingWindowPort::Timer>{{TIMER_BUSY, 50}}));
    EXPECT_EQ(log.killedTimers, std::vector<uint32_t>{TIMER_BUSY});
}

TEST_F(ApplyPipelineTest, NoKeyboardSeenSinceStartSendsNothingAtAll) {
    context.macroCapacity = 0;

    ApplyChanges(session);

    EXPECT_EQ(Requests(), 0u);
    EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"EXTRA_MACRO_TOO_LONG"});
    EXPECT_TRUE(ProfileSaved());
    EXPECT_TRUE(window.ApplyEnabled());
}

TEST_F(ApplyPipelineTest, MacrosThatFitOnlyWithoutNamesAreWrittenSoThenTheUserIsTold) {
    context.macroCapacity = kFullSize - 1;
    int lastCommandWhenTold = 0;
    window.whileShown = [&] { lastCommandWhenTold = WrittenRequests().back().command; };

    ApplyChanges(session);

    EXPECT_EQ(SentMacroHeader(), std::make_pair(kMinimalSize, 0u));
    EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"EXTRA_PROFILE_SPACE_TIGHT"});
    EXPECT_EQ(lastCommandWhenTold, CMD_END);
    EXPECT_FALSE(window.ApplyEnabled());
}

TEST_F(ApplyPipelineTest, KeyboardUnpluggedBeforeApplyKeepsApplyEnabledAndSaysSo) {
    ASSERT_EQ(ZozSim_Unplug(), 1);

    ApplyChanges(session);

    EXPECT_TRUE(ProfileSaved());
    EXPECT_TRUE(window.ApplyEnabled());
    EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"EXTRA_WRITE_FAILED"});
}

// An exchange refused anywhere in the write: a table refused in its middle is no success, and the
// change stays pending.
TEST_F(ApplyPipelineTest, AnExchangeRefusedAnywhereInTheWriteKeepsApplyEnabledAndSaysSo) {
    ApplyChanges(session);
    const uint32_t exchanges = Requests();
    ASSERT_GT(exchanges, 10u);  // begin, the macros, every key table chunk, end
    for (uint32_t failing = 1; failing <= exchanges; ++failing) {
        window.SetApplyEnabled(true);
        window.ClearRecorded();
        RefuseExchange(failing);

        ApplyChanges(session);

        EXPECT_TRUE(window.ApplyEnabled()) << "exchange " << failing;
        EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"EXTRA_WRITE_FAILED"})
            << "exchange " << failing;
    }
}

TEST_F(ApplyPipelineTest, RestoreDefaultsClearsTheShownKeysOfTheActiveProfileAndAppliesThem) {
    const KeyAssignment disabled{ASSIGN_DISABLED, 0, 0};
    AssignmentTable table = session.profile.Assignments();
    table.SetEntry(kProfile, GKeySlot(0, 0), disabled);
    table.SetEntry(kProfile, GKeySlot(1, 0), disabled);
    table.SetEntry(0, kKeyA, disabled);
    window.SetApplyEnabled(false);
    bool lightingRestored = false;

    RestoreDefaults(session, [&] { lightingRestored = true; });

    EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"MAIN_PROMPT_DEFAULT"});
    EXPECT_EQ(table.EntryOf(kProfile, kKeyA), KeyAssignment{});
    EXPECT_EQ(table.EntryOf(kProfile, GKeySlot(0, 0)), KeyAssignment{});
    EXPECT_EQ(table.EntryOf(kProfile, GKeySlot(1, 0)), disabled);
    EXPECT_EQ(table.EntryOf(0, kKeyA), disabled);
    EXPECT_TRUE(lightingRestored);
    EXPECT_EQ(Commands().back(), CommandAt(CMD_END, 0));
    EXPECT_FALSE(window.ApplyEnabled());
}

}  // namespace
}  // namespace keyloom::test
