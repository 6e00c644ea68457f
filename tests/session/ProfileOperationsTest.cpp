#include "session/ProfileOperations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "device/ConfigReport.h"
#include "model/KeyBlockCodec.h"
#include "model/MacroArea.h"
#include "platform/AtomicFile.h"
#include "platform/LittleEndian.h"
#include "platform/SafeFormat.h"
#include "platform/UserFolders.h"
#include "session/ActiveProfile.h"
#include "session/ProfileReload.h"
#include "storage/LanguageTables.h"
#include "storage/ProfileFile.h"
#include "support/FileContents.h"
#include "support/RecordingWindowPort.h"
#include "support/SimKeyboardFixture.h"
#include "support/SimMacros.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kKeyA = 0x1E;

class ProfileOperationsTest : public SimKeyboardTest {
  protected:
    ProfileOperationsTest() {
        context.window = &window;
        context.macroCapacity = 4096;  // what the arrival reads from the virtual keyboard
        window.answer = MessageAnswer::kNo;
    }

    static std::string Text(const std::string& key) {
        return LangText(key, LanguageSlot(), KEYLOOM_BIN_DIR);
    }

    static uint8_t SimActiveProfile() {
        uint8_t profile = 0xEE;
        EXPECT_EQ(ZozSim_ReadMemory(ZOZSIM_AREA_CONFIG, 10, &profile, 1), 1);
        return profile;
    }

    // Profile 1 of the keyboard has B on the key A.
    void PutBOnKeyAOfProfile1() {
        const auto& factory = session.defaultKeyMatrix;
        for (size_t at = 0; at < factory.size(); at += 3) {
            if (factory[at] == 2 && factory[at + 1] == 2 && factory[at + 2] == 4) {
                const uint8_t b = 5;
                ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_KEYS, 378 + at + 2, &b, 1), 1);
            }
        }
    }

    const std::string folder = MakeTemporaryFolder();
    AppContext context;
    RecordingWindowPort window;
    KeyboardSession session{context, Link(), {folder + "/user/", KEYLOOM_BIN_DIR, "Keyloom"}};
};

TEST_F(ProfileOperationsTest, DamagedHeaderShowsTheFormatErrorThenTheImportPrompt) {
    const std::string path = folder + "/damaged.qvp";
    session.profile.macros.resize(1);
    for (const auto& [at, value] : {std::pair{PROFILE_MACRO_COUNT_AT, 101},
                                    {PROFILE_FLAG_AT, 2},
                                    {PROFILE_CHECKSUM_AT, 0x77}}) {
        Bytes file = BlankProfileImage(0);
        file[at] = static_cast<uint8_t>(value);
        ASSERT_TRUE(WriteFileAtomically(path, file));
        window.ClearRecorded();
        EXPECT_EQ(ImportProfileFile(session, path), 0);
        EXPECT_EQ(window.Recorded().shownKeys,
                  (std::vector<std::string>{"PROFILE_FORMAT_ERROR", "MAIN_PROMPT_INPORT"}));
        EXPECT_EQ(window.Recorded().shownTexts[0],
                  FormatWithString(Text("PROFILE_FORMAT_ERROR"), path));
    }
    EXPECT_EQ(session.profile.macros.size(), 1u);
    EXPECT_TRUE(WrittenRequests().empty());
}

// A FIFO would hold the window thread in the open or the read; a folder or a device is no backup.
TEST_F(ProfileOperationsTest, PathOfNoRegularFileIsRefusedAtOnceLikeADamagedFile) {
    const std::string fifo = folder + "/waiting.qvp";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    session.profile.macros.resize(1);
    alarm(10);  // a wait on the FIFO ends the test program instead of hanging it
    for (const std::string& path : {fifo, folder, std::string("/dev/null")}) {
        window.ClearRecorded();
        EXPECT_EQ(ImportProfileFile(session, path), 0) << path;
        EXPECT_EQ(window.Recorded().shownKeys,
                  (std::vector<std::string>{"PROFILE_FORMAT_ERROR", "MAIN_PROMPT_INPORT"}))
            << path;
        EXPECT_EQ(LoadProfileFile(session, path), 0) << path;
    }
    alarm(0);
    EXPECT_EQ(session.profile.macros.size(), 1u);
    EXPECT_TRUE(WrittenRequests().empty());
}

// Too short for an image, or (passing the check) one byte shorter than its header says.
TEST_F(ProfileOperationsTest, FileOneByteShortShowsOnlyTheImportPromptAndSendsNothing) {
    const std::string path = folder + "/short.qvp";
    WorkingProfile oneMacro;
    oneMacro.macros.resize(1);
    session.profile.macros.resize(2);
    for (Bytes file : {BlankProfileImage(0), EncodeProfileFile(oneMacro)}) {
        file.pop_back();
        ASSERT_TRUE(WriteFileAtomically(path, file));
        window.ClearRecorded();
        EXPECT_EQ(ImportProfileFile(session, path), 0);
        EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"MAIN_PROMPT_INPORT"});
    }
    EXPECT_EQ(session.profile.macros.size(), 2u);
    EXPECT_TRUE(WrittenRequests().empty());
}

TEST_F(ProfileOperationsTest, ImportReachesTheWorkingProfileItsFileAndAllThreeKeyTables) {
    ASSERT_TRUE(EnsureFolder(session.paths.userFolder));
    ASSERT_EQ(NewProfileImage(session, WorkingProfilePath(session, 0), 0), 1);
    WorkingProfile backup;
    backup.Assignments().SetEntry(2, kKeyA, {ASSIGN_KEY, 0, 0x30});
    const std::string path = folder + "/backup.qvp";
    ASSERT_EQ(WriteProfileFile(path, backup), 1);
    window.SetApplyEnabled(true);
    EXPECT_EQ(ImportProfileFile(session, path), 1);
    EXPECT_EQ(session.profile.Assignments().EntryOf(2, kKeyA).value, 0x30u);
    const auto imported = FileBytes(path);
    ASSERT_TRUE(imported);
    EXPECT_EQ(FileBytes(WorkingProfilePath(session, 0)), imported);
    EXPECT_FALSE(window.ApplyEnabled());
    EXPECT_EQ(window.Recorded().redraws, 1);
    const KeyBlockBytes expected = EncodeKeyBlock(
        session.profile.Assignments(), 2, session.defaultKeyMatrix, [](uint32_t) { return 0; });
    KeyBlockBytes keyboard{};
    ASSERT_EQ(ZozSim_ReadMemory(ZOZSIM_AREA_KEYS, 2 * 378, keyboard.data(), 378), 1);
    EXPECT_EQ(keyboard, expected);
}

// An exchange refused anywhere in the write of the three tables: the restored profiles stay
// pending and the user is told.
TEST_F(ProfileOperationsTest, ARestoreTheKeyboardRefusesAnywhereKeepsApplyEnabledAndSaysSo) {
    ASSERT_TRUE(EnsureFolder(session.paths.userFolder));
    ASSERT_EQ(NewProfileImage(session, WorkingProfilePath(session, 0), 0), 1);
    const std::string path = folder + "/backup.qvp";
    WorkingProfile backup;
    ASSERT_EQ(WriteProfileFile(path, backup), 1);
    ASSERT_EQ(ImportProfileFile(session, path), 1);
    const uint32_t exchanges = Requests();
    ASSERT_GT(exchanges, 20u);  // begin, the macros, every key table chunk, end
    for (uint32_t failing = 1; failing <= exchanges; ++failing) {
        window.SetApplyEnabled(false);
        window.ClearRecorded();
        RefuseExchange(failing);
        EXPECT_EQ(ImportProfileFile(session, path), 0) << "exchange " << failing;
        EXPECT_TRUE(window.ApplyEnabled()) << "exchange " << failing;
        EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"EXTRA_WRITE_FAILED"})
            << "exchange " << failing;
    }
}

TEST_F(ProfileOperationsTest,
       SelectingBeyondTheThirdProfileSelectsTheFirstAndMinusOneSendsNothing) {
    const uint8_t two = 2;
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_CONFIG, 10, &two, 1), 1);
    EXPECT_EQ(SelectProfile(session, 5), 1);
    EXPECT_EQ(SimActiveProfile(), 0);
    EXPECT_EQ(window.Recorded().caption, "$Profile0");
    EXPECT_EQ(window.Recorded().tooltip, Text("PROFILE_TIP") + "$Profile0");
    const size_t sent = WrittenRequests().size();
    EXPECT_EQ(SelectProfile(session, -1), 1);
    EXPECT_EQ(WrittenRequests().size(), sent);
    EXPECT_EQ(window.Recorded().redraws, 2);
    window.keyEditorOpen = true;
    EXPECT_EQ(SelectProfile(session, 1), 0);
    EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"PROFILE_SEELCT_PROMPT2"});
    EXPECT_EQ(WrittenRequests().size(), sent);
}

TEST_F(ProfileOperationsTest, ASwitchTheKeyboardRefusesIsReportedAndFails) {
    RefuseExchange(2);  // the configuration write after its read
    EXPECT_EQ(SelectProfile(session, 1), 0);
    EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"PROFILE_SELECT_FAILED"});
}

TEST_F(ProfileOperationsTest, PendingChangesAnsweredNoAreDiscardedBeforeTheSwitch) {
    ASSERT_EQ(ReloadFromKeyboard(session, 0), 1);
    session.profile.Assignments().SetEntry(0, kKeyA, {ASSIGN_DISABLED});
    window.SetApplyEnabled(true);
    EXPECT_EQ(SelectProfile(session, 1), 1);
    EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"PROFILE_SELECT_PROMPT"});
    EXPECT_EQ(session.profile.Assignments().EntryOf(0, kKeyA).kind, ASSIGN_DEFAULT);
    EXPECT_FALSE(window.ApplyEnabled());
    EXPECT_EQ(SimActiveProfile(), 1);
}

TEST_F(ProfileOperationsTest, PendingChangesAnsweredYesAreAppliedAndACallMeanwhileDoesNotAsk) {
    window.SetApplyEnabled(true);
    window.answer = MessageAnswer::kYes;
    window.whileShown = [this] {
        window.whileShown = nullptr;
        EXPECT_EQ(SelectProfile(session, 2), 1);
    };
    EXPECT_EQ(SelectProfile(session, 1), 1);
    EXPECT_EQ(window.Recorded().shownKeys, std::vector<std::string>{"PROFILE_SELECT_PROMPT"});
    ASSERT_EQ(window.Recorded().sent.size(), 1u);
    EXPECT_EQ(window.Recorded().sent[0].wParam, 1006u);
    EXPECT_EQ(SimActiveProfile(), 1);
}

TEST_F(ProfileOperationsTest, ReloadReadsTheThreeKeyTablesAndTheMacroAreaIntoTheFile) {
    PutBOnKeyAOfProfile1();
    MacroList macros{NewMacroRecord({}, "m")};
    macros[0].SetEvents(std::vector<MacroEvent>{{10, 0x1E, MACRO_PRESS}, {0, 0x1E, MACRO_RELEASE}});
    const Bytes area = EncodeMacroArea(macros, MacroAreaSizes(macros).full, true);
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_MACROS, 0, area.data(), area.size()), 1);
    window.SetApplyEnabled(true);
    EXPECT_EQ(ReloadFromKeyboard(session, 0), 1);

    std::vector<int> commands;
    for (const WrittenRequest& request : WrittenRequests()) {
        commands.push_back(request.command);
    }
    std::vector<int> expected{CMD_READ_CONFIG};
    expected.insert(expected.end(), 3 * 7, CMD_READ_KEYS);
    expected.insert(expected.end(), 1 + (area.size() + 55) / 56, CMD_READ_MACROS);
    EXPECT_EQ(commands, expected);
    EXPECT_EQ(session.profile.Assignments().EntryOf(1, kKeyA),
              (KeyAssignment{ASSIGN_KEY, 0, 0x30}));
    ASSERT_EQ(session.profile.macros.size(), 1u);
    EXPECT_EQ(session.profile.macros[0].Events(), macros[0].Events());
    EXPECT_EQ(FileBytes(WorkingProfilePath(session, 0)).value_or(Bytes{}).size(), 32832u + 16512u);
    EXPECT_FALSE(window.ApplyEnabled());
    EXPECT_EQ(window.Recorded().redraws, 1);
}

TEST_F(ProfileOperationsTest, LateAnswerDuringTheReloadLeavesTheFileEqualToTheKeyboard) {
    PutBOnKeyAOfProfile1();
    const Bytes area = WriteMacrosToSim(8);
    const size_t macroChunks = (area.size() + kReportDataSize - 1) / kReportDataSize;
    const std::string reference = folder + "/reference.qvp";
    ASSERT_EQ(ReadKeyboardIntoFile(session, reference), 1);
    const auto expected = FileBytes(reference);
    ASSERT_TRUE(expected);
    // With the active profile known, the reload asks for 3 x 7 key table chunks, the macro
    // header, then the area.
    const struct {
        const char* what;
        uint32_t request;
    } lateAt[] = {
        {"key table 1, chunk 1", 7 + 1},
        {"macro area, chunk 3", 3 * 7 + 1 + 3},
    };
    for (const auto& late : lateAt) {
        ASSERT_EQ(ZozSim_InjectFault(late.request, ZOZSIM_FAULT_LATE_ANSWER), 1);
        const uint32_t before = Requests();
        ASSERT_EQ(ReloadFromKeyboard(session, 0), 1) << late.what;
        EXPECT_EQ(Requests() - before, 3 * 7 + 1 + macroChunks + 1) << late.what;
        const std::string path = WorkingProfilePath(session, SimActiveProfile());
        EXPECT_EQ(FileBytes(path), expected) << late.what;
        WorkingProfile file;
        ASSERT_EQ(ReadProfileFile(path, file), 1);
        EXPECT_EQ(file.Assignments().EntryOf(1, kKeyA), (KeyAssignment{ASSIGN_KEY, 0, 0x30}));
        EXPECT_EQ(EncodeMacroArea(file.macros, area.size(), true), area) << late.what;
    }
}

TEST_F(ProfileOperationsTest, WithoutAKeyboardTheWorkingProfileIsBlankAndNamesNoProfile) {
    session.profile.macros.resize(1);
    ASSERT_EQ(ZozSim_Unplug(), 1);
    EXPECT_EQ(ReloadFromKeyboard(session, 0), 0);
    EXPECT_EQ(session.profile.image, BlankProfileImage(0));
    EXPECT_TRUE(session.profile.macros.empty());
    UpdateProfileCaption(session);
    EXPECT_EQ(window.Recorded().caption, Text("DEFAULT_PROFILE_NAME"));
}

TEST_F(ProfileOperationsTest, MacroHeaderClaimingMoreThanTheMemoryIsReadWithinIt) {
    Bytes header(MACRO_AREA_HEADER_SIZE);
    WriteU16(header.data() + MACRO_AREA_MAGIC, MACRO_AREA_MAGIC_WORD);
    WriteU16(header.data() + MACRO_AREA_TOTAL_SIZE, 60000);
    WriteU16(header.data() + MACRO_AREA_COUNT, 300);
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_MACROS, 0, header.data(), header.size()), 1);
    EXPECT_EQ(ReloadFromKeyboard(session, 0), 1);
    size_t end = 0;
    for (const WrittenRequest& request : WrittenRequests()) {
        if (request.command == CMD_READ_MACROS) {
            end = std::max<size_t>(end, request.offset + request.length);
        }
    }
    EXPECT_EQ(end, 4096u);
    EXPECT_LE(session.profile.macros.size(), 100u);
}

}  // namespace
}  // namespace keyloom::test
