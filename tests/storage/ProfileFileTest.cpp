#include "storage/ProfileFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>
#include <csignal>

#include "platform/AtomicFile.h"
#include "platform/LittleEndian.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

using Bytes = std::vector<uint8_t>;

size_t ValueAt(int entry) {
    return PROFILE_ASSIGNMENTS_AT + KEY_ASSIGNMENT_SIZE * static_cast<size_t>(entry) + 4;
}

void SetText(WorkingProfile& profile, int entry, uint16_t kind, std::u16string text,
             uint32_t value = 0x1234) {
    AssignmentTable table = profile.Assignments();
    table.SetEntry(entry / ASSIGNMENT_SLOTS, entry % ASSIGNMENT_SLOTS, {kind, 0, value, 0, 0});
    profile.texts.Set(entry, std::move(text));
}

// The profile saved and read back, as a backup and its restore do.
WorkingProfile SavedAndLoaded(WorkingProfile& profile) {
    WorkingProfile loaded;
    EXPECT_EQ(DecodeProfileFile(EncodeProfileFile(profile), loaded), 1);
    return loaded;
}

class ProfileFileTest : public ::testing::Test {
  protected:
    void Put(const Bytes& bytes) { ASSERT_TRUE(WriteFileAtomically(path_, bytes)); }
    ProfileFileCheck Check(const Bytes& bytes) {
        Put(bytes);
        return CheckProfileFile(path_);
    }

    const std::string path_ = test::MakeTemporaryFolder() + "/backup.qvp";
};

TEST_F(ProfileFileTest, BlankFilePassesTheCheckAndLoadsAsDefaultsWithoutMacros) {
    ASSERT_EQ(WriteBlankProfileFile(path_, 0), 1);
    const Bytes file = test::FileBytes(path_).value_or(Bytes{});
    ASSERT_EQ(file.size(), 32832u);
    const Bytes head = {0x46, 0x44, 0x20, 0x00, 0x03, 0x00, 0x01, 0x00, 0x40, 0x80, 0x00,
                        0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x76, 0x4B,
                        0x48, 0x20, 0x00, 0x20, 0x80, 0x00, 0x00, 0x04, 0x00, 0x00, 0x02,
                        0x00, 0x00, 0x00, 0x00, 0x45, 0x0C, 0x31, 0x76, 0x4F, 0x1C, 0x0E,
                        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 64), head);
    EXPECT_EQ(CheckProfileFile(path_).result, 1);

    WorkingProfile profile;
    profile.macros.resize(2);
    SetText(profile, 7, ASSIGN_TEXT, u"old");
    ASSERT_EQ(ReadProfileFile(path_, profile), 1);
    EXPECT_TRUE(profile.macros.empty());
    EXPECT_EQ(profile.texts.Total(), 0u);
    for (int block = 0; block < ASSIGNMENT_BLOCK_COUNT; ++block) {
        for (int slot = 0; slot < ASSIGNMENT_SLOTS; ++slot) {
            const KeyAssignment expected{ASSIGN_DEFAULT, block == 0 ? GKeyTag(slot) : uint16_t{0}};
            ASSERT_EQ(profile.Assignments().EntryOf(block, slot), expected) << block << slot;
        }
    }
}

TEST_F(ProfileFileTest, HeaderFaultsAreFoundInTheOrderOfTheCheck) {
    struct Damage {
        size_t at;
        uint8_t value;
        ProfileHeaderFault fault;
    };
    // 101 macros also break the total and the checksum, flag 2 the checksum: the first test wins.
    const Damage damages[] = {
        {PROFILE_MACRO_COUNT_AT, 101, ProfileHeaderFault::kMacroCount},
        {PROFILE_FLAG_AT, 2, ProfileHeaderFault::kFlag},
        {PROFILE_CHECKSUM_AT, 0x77, ProfileHeaderFault::kChecksum},
        {PROFILE_MAGIC_AT, 0x47, ProfileHeaderFault::kMagic},
        {PROFILE_RECORD_COUNT_AT, 1, ProfileHeaderFault::kRecordCount},
        {PROFILE_STRING_SIZE_AT, 2, ProfileHeaderFault::kTotalSizeMismatch},
        {PROFILE_TOTAL_SIZE_AT + 1, 0, ProfileHeaderFault::kTotalSizeTooSmall},
    };
    for (const Damage& damage : damages) {
        Bytes file = BlankProfileImage(0);
        file[damage.at] = damage.value;
        const ProfileFileCheck check = Check(file);
        EXPECT_EQ(check.result, 0) << damage.at;
        EXPECT_EQ(check.fault, damage.fault) << damage.at;
    }
    EXPECT_EQ(Check(BlankProfileImage(1)).result, 1);
}

TEST_F(ProfileFileTest, OneProgramTextIsStoredAtOffsetZeroAndLoadsBack) {
    WorkingProfile profile;
    SetText(profile, 600, ASSIGN_PROGRAM, u"a");
    const Bytes file = EncodeProfileFile(profile);
    ASSERT_EQ(file.size(), 32836u);
    EXPECT_EQ(ReadU32(file.data() + PROFILE_STRING_SIZE_AT), 4u);
    EXPECT_EQ(ReadU32(file.data() + PROFILE_TOTAL_SIZE_AT), 32836u);
    EXPECT_EQ(ReadU32(file.data() + ValueAt(600)), 0u);
    EXPECT_EQ(Bytes(file.begin() + 32832, file.end()), (Bytes{0x61, 0x00, 0x00, 0x00}));
    WorkingProfile loaded;
    ASSERT_EQ(DecodeProfileFile(file, loaded), 1);
    EXPECT_EQ(loaded.texts.Text(600), u"a");
    EXPECT_EQ(loaded.texts.Total(), 4u);
}

TEST_F(ProfileFileTest, TextsArePackedInEntryNumberOrderAfterTheMacros) {
    WorkingProfile profile;
    profile.macros.resize(1);
    SetText(profile, 10, ASSIGN_TEXT, u"bc");
    SetText(profile, 5, ASSIGN_PROGRAM, u"d");
    const Bytes file = EncodeProfileFile(profile);
    EXPECT_EQ(ReadU32(file.data() + ValueAt(5)), 0u);
    EXPECT_EQ(ReadU32(file.data() + ValueAt(10)), 4u);
    EXPECT_EQ(Bytes(file.begin() + 32832 + 16512, file.end()),
              (Bytes{0x64, 0, 0, 0, 0x62, 0, 0x63, 0, 0, 0}));
}

TEST_F(ProfileFileTest, FileShorterThanItsHeaderSaysIsRefusedAndChangesNothing) {
    WorkingProfile profile;
    profile.macros.resize(1);
    Bytes file = EncodeProfileFile(profile);
    file.pop_back();
    EXPECT_EQ(Check(file).result, 1);  // the check trusts the header's total
    WorkingProfile target;
    SetText(target, 3, ASSIGN_TEXT, u"kept");
    EXPECT_EQ(ReadProfileFile(path_, target), 0);
    EXPECT_EQ(target.texts.Text(3), u"kept");

    Bytes tooMany(32832 + 101 * 16512);
    WriteU16(tooMany.data() + PROFILE_MACRO_COUNT_AT, 101);
    EXPECT_EQ(DecodeProfileFile(tooMany, target), 0);
}

TEST_F(ProfileFileTest, TextsThatDoNotLieWithinTheStringAreaAreNotRead) {
    WorkingProfile profile;
    SetText(profile, 5, ASSIGN_PROGRAM, u"d");
    SetText(profile, 7, ASSIGN_TEXT, u"");
    Bytes file = EncodeProfileFile(profile);
    WriteU32(file.data() + ValueAt(7), 4);  // the end of the 4-byte area
    WorkingProfile loaded;
    ASSERT_EQ(DecodeProfileFile(file, loaded), 1);
    EXPECT_EQ(loaded.texts.Text(5), u"d");
    EXPECT_EQ(loaded.texts.SizeOf(7), 0u);
    file[32832 + 2] = 0x65;  // the text loses its terminating zero
    ASSERT_EQ(DecodeProfileFile(file, loaded), 1);
    EXPECT_EQ(loaded.texts.Total(), 0u);
}

TEST_F(ProfileFileTest, AnEntryWithoutATextNeverTakesAnotherEntrysText) {
    // Entry 7 has no text but an offset: 0, where entry 5's text starts, left in memory; or, in a
    // file, the end of its 4-byte area, where entry 9's text goes once added, or one far beyond.
    struct Stale {
        uint32_t offset;
        bool inFile;
    };
    for (const Stale stale : {Stale{0, false}, Stale{4, true}, Stale{0xFFFFFFFF, true}}) {
        WorkingProfile profile;
        SetText(profile, 5, ASSIGN_PROGRAM, u"d");
        SetText(profile, 7, ASSIGN_TEXT, u"", stale.offset);
        Bytes file = EncodeProfileFile(profile);
        if (stale.inFile) {
            WriteU32(file.data() + ValueAt(7), stale.offset);
        }
        WorkingProfile loaded;
        ASSERT_EQ(DecodeProfileFile(file, loaded), 1);
        EXPECT_EQ(loaded.texts.SizeOf(7), 0u) << stale.offset;
        SetText(loaded, 9, ASSIGN_PROGRAM, u"e");
        for (int round = 0; round < 2; ++round) {
            loaded = SavedAndLoaded(loaded);
            EXPECT_EQ(loaded.texts.SizeOf(7), 0u) << stale.offset << " round " << round;
            EXPECT_EQ(loaded.texts.Text(5), u"d");
            EXPECT_EQ(loaded.texts.Text(9), u"e");
        }
    }
}

ino_t InodeOf(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

TEST_F(ProfileFileTest, SavingWhatTheFileHoldsKeepsItAndAnyChangeReplacesIt) {
    WorkingProfile profile;
    profile.macros.resize(2);
    ASSERT_EQ(WriteProfileFile(path_, profile), 1);
    const ino_t first = InodeOf(path_);
    ASSERT_EQ(WriteProfileFile(path_, profile), 1);
    EXPECT_EQ(InodeOf(path_), first);

    // The same size with one byte changed, then a different size, must both be written.
    Bytes tampered = EncodeProfileFile(profile);
    tampered.back() ^= 0xFF;
    Put(tampered);
    ASSERT_EQ(WriteProfileFile(path_, profile), 1);
    EXPECT_EQ(test::FileBytes(path_), EncodeProfileFile(profile));
    profile.macros.resize(3);
    ASSERT_EQ(WriteProfileFile(path_, profile), 1);
    WorkingProfile loaded;
    ASSERT_EQ(ReadProfileFile(path_, loaded), 1);
    EXPECT_EQ(loaded.macros.size(), 3u);
}

TEST_F(ProfileFileTest, SaveInterruptedByAFullDiskLeavesThePreviousFile) {
    Put(BlankProfileImage(0));
    WorkingProfile profile;
    profile.macros.resize(3);
    const auto saveOnAFullDisk = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{40000, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(WriteProfileFile(path_, profile));
    };
    EXPECT_EXIT(saveOnAFullDisk(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(test::FileBytes(path_), BlankProfileImage(0));
}

}  // namespace
}  // namespace keyloom
