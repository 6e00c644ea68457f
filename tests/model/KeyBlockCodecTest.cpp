#include "model/KeyBlockCodec.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/AssignmentDescription.h"
#include "model/DefaultKeyMatrix.h"

namespace keyloom {

void PrintTo(const DeviceKeyCode& c, std::ostream* out) {
    *out << std::hex << int(c.kind) << ' ' << int(c.b1) << ' ' << int(c.b2);
}

void PrintTo(const KeyAssignment& r, std::ostream* out) {
    *out << "{kind " << r.kind << ", tag 0x" << std::hex << r.tag << ", value 0x" << r.value << "}";
}

namespace {

constexpr int kPositionOfA = 19;  // 02 02 04 in the built-in table
constexpr int kPositionOfEsc = 8;
constexpr ScanCode kA = 0x01E;

class KeyBlockCodecTest : public ::testing::Test {
  protected:
    KeyBlockCodecTest() : table_(image_) {
        for (int block = 0; block < ASSIGNMENT_BLOCK_COUNT; ++block) {
            InitAssignmentBlock(table_, block);
        }
    }

    // The code written for key A of profile 1 when it carries the record.
    DeviceKeyCode CodeForA(KeyAssignment record) {
        table_.SetEntry(1, IndexOfScanCode(kA), record);
        const KeyBlockBytes block = EncodeKeyBlock(table_, 1, BuiltInDefaultKeyMatrix(),
                                                   [](uint32_t id) { return id == 7 ? 2 : 0; });
        return CodeAt(block.data(), kPositionOfA);
    }

    std::vector<uint8_t> image_ = std::vector<uint8_t>(ASSIGNMENT_TABLE_SIZE);
    AssignmentTable table_;
};

TEST_F(KeyBlockCodecTest, EachKindEncodesToItsDeviceCode) {
    EXPECT_EQ(CodeForA({ASSIGN_DEFAULT}), (DeviceKeyCode{0x02, 0x02, 0x04}));
    EXPECT_EQ(CodeForA({ASSIGN_DISABLED}), (DeviceKeyCode{0, 0, 0}));
    EXPECT_EQ(CodeForA({ASSIGN_KEY, 0, 0x030}), (DeviceKeyCode{0x02, 0x02, 0x05}));
    EXPECT_EQ(CodeForA({ASSIGN_KEY, 0, 0x01D}), (DeviceKeyCode{0x02, 0x01, 0x01}));
    EXPECT_EQ(CodeForA({ASSIGN_KEY, 0, 0x15C}), (DeviceKeyCode{0x02, 0x01, 0x80}));
    EXPECT_EQ(CodeForA({ASSIGN_KEY, 0, 0x162}), (DeviceKeyCode{0x01, 0x05, 0xFF}));
    EXPECT_EQ(CodeForA({ASSIGN_KEY, 0, 0x172}), (DeviceKeyCode{0x01, 0x01, 0x02}));
    EXPECT_EQ(CodeForA({ASSIGN_KEY, 0, 0x15E}), (DeviceKeyCode{0x02, 0x02, 0x00}));  // Power
    EXPECT_EQ(CodeForA({ASSIGN_PROGRAM, 0, 12}), (DeviceKeyCode{0x02, 0x02, 0x04}));
    EXPECT_EQ(CodeForA({ASSIGN_TEXT, 0, 12}), (DeviceKeyCode{0, 0, 0}));
    EXPECT_EQ(CodeForA({ASSIGN_MACRO, 0, 7}), (DeviceKeyCode{0x05, 0x01, 0x02}));
    EXPECT_EQ(CodeForA({ASSIGN_MACRO, 0, 99}), (DeviceKeyCode{0x05, 0x01, 0x00}));
    EXPECT_EQ(CodeForA({ASSIGN_STOP_MACRO}), (DeviceKeyCode{0x05, 0x02, 0x00}));
    EXPECT_EQ(CodeForA({ASSIGN_MEDIA, 0, 5}), (DeviceKeyCode{0x03, 0xEA, 0x00}));
    EXPECT_EQ(CodeForA({ASSIGN_MEDIA, 0, 8}), (DeviceKeyCode{0x03, 0x23, 0x02}));
    EXPECT_EQ(CodeForA({ASSIGN_FUNCTION, 0, 10}), (DeviceKeyCode{0x05, 0x05, 0x0A}));
}

TEST_F(KeyBlockCodecTest, DamagedRecordsKeepTheFactoryCode) {
    EXPECT_EQ(CodeForA({ASSIGN_MEDIA, 0, 18}), (DeviceKeyCode{0x02, 0x02, 0x04}));
    EXPECT_EQ(CodeForA({9, 0, 1}), (DeviceKeyCode{0x02, 0x02, 0x04}));
}

TEST_F(KeyBlockCodecTest, OnlyTheProfilesOwnBlockAndKeyPositionsAreEncoded) {
    table_.SetEntry(0, IndexOfScanCode(kA), {ASSIGN_DISABLED});
    for (int slot = 0; slot < ASSIGNMENT_SLOTS; ++slot) {
        table_.SetEntry(2, slot, {ASSIGN_DISABLED});
    }
    const KeyBlockBytes& factory = BuiltInDefaultKeyMatrix();
    EXPECT_EQ(EncodeKeyBlock(table_, 1, factory, nullptr), factory);
    const KeyBlockBytes block2 = EncodeKeyBlock(table_, 2, factory, nullptr);
    EXPECT_EQ(CodeAt(block2.data(), 0), (DeviceKeyCode{0x05, 0x00, 0x00}));  // names no key
    EXPECT_EQ(CodeAt(block2.data(), 53), (DeviceKeyCode{0x05, 0x02, 0x02}));
    EXPECT_EQ(CodeAt(block2.data(), kPositionOfEsc), (DeviceKeyCode{0, 0, 0}));
}

TEST_F(KeyBlockCodecTest, FactoryTableDecodesToDefaultsWithGKeyTags) {
    KeyBlockBytes factory = BuiltInDefaultKeyMatrix();
    SetCodeAt(factory.data(), 70, {0x06, 0xA2, 0x05});
    SetCodeAt(factory.data(), 71, {0x06, 0xA2, 0x0A});
    table_.SetEntry(1, 40, {ASSIGN_KEY, 0, 0x30});  // stale content is cleared
    DecodeKeyBlock(table_, 1, factory.data(), factory);
    for (int slot = 0; slot < ASSIGNMENT_SLOTS; ++slot) {
        KeyAssignment expected;
        expected.tag = GKeyTag(slot);
        ASSERT_EQ(table_.EntryOf(1, slot), expected) << "slot " << slot;
    }
    EXPECT_EQ(table_.EntryOf(1, 256).tag, 0x0301);
    EXPECT_EQ(table_.EntryOf(1, 273).tag, 0x1309);
}

TEST_F(KeyBlockCodecTest, CodesReadFromTheKeyboardBecomeRecords) {
    KeyBlockBytes factory = BuiltInDefaultKeyMatrix();
    SetCodeAt(factory.data(), 70, {0x06, 0xA2, 0x05});
    SetCodeAt(factory.data(), 71, {0x06, 0xA2, 0x0A});
    KeyBlockBytes read = factory;
    SetCodeAt(read.data(), kPositionOfEsc, {0, 0, 0});
    SetCodeAt(read.data(), kPositionOfA, {0x05, 0x01, 0x02});
    SetCodeAt(read.data(), 70, {0x03, 0xE2, 0x00});  // G5 of bank A: Mute
    SetCodeAt(read.data(), 71, {0x02, 0x01, 0x40});  // G1 of bank B: Right Alt
    SetCodeAt(read.data(), 9, {0x01, 0x05, 0x01});   // grave accent: wheel up
    SetCodeAt(read.data(), 10, {0x02, 0x03, 0x04});  // Tab: an unknown keyboard code
    SetCodeAt(read.data(), 11, {0x03, 0x99, 0x09});  // Caps Lock: a usage not offered
    SetCodeAt(read.data(), 0, {0x05, 0x05, 0x03});   // names no key: ignored
    DecodeKeyBlock(table_, 2, read.data(), factory);

    EXPECT_EQ(table_.EntryOf(2, 0x01).kind, ASSIGN_DISABLED);
    EXPECT_EQ(table_.EntryOf(2, 0x1E), (KeyAssignment{ASSIGN_MACRO, 0, 3}));
    EXPECT_EQ(table_.EntryOf(2, 260), (KeyAssignment{ASSIGN_MEDIA, 0x0305, 7}));
    EXPECT_EQ(table_.EntryOf(2, 265), (KeyAssignment{ASSIGN_KEY, 0x1301, 0x138}));
    EXPECT_EQ(table_.EntryOf(2, 0x29), (KeyAssignment{ASSIGN_KEY, 0, 0x161}));
    EXPECT_EQ(table_.EntryOf(2, 0x0F).kind, ASSIGN_DISABLED);
    EXPECT_EQ(table_.EntryOf(2, 0x3A).kind, ASSIGN_DISABLED);
    int changed = 0;
    for (int slot = 0; slot < ASSIGNMENT_SLOTS; ++slot) {
        changed += table_.EntryOf(2, slot).kind != ASSIGN_DEFAULT;
    }
    EXPECT_EQ(changed, 7);
}

TEST_F(KeyBlockCodecTest, EncodingThenDecodingGivesTheSameFunctions) {
    const std::vector<KeyAssignment> records = {
        {ASSIGN_DISABLED},       {ASSIGN_KEY, 0, 0x030}, {ASSIGN_KEY, 0, 0x036},
        {ASSIGN_KEY, 0, 0x171},  {ASSIGN_STOP_MACRO},    {ASSIGN_MEDIA, 0, 17},
        {ASSIGN_FUNCTION, 0, 4}, {ASSIGN_MACRO, 0, 3},
    };
    const int slots[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x10};  // keys of the table
    for (size_t i = 0; i < records.size(); ++i) {
        table_.SetEntry(0, slots[i], records[i]);
    }
    const KeyBlockBytes& factory = BuiltInDefaultKeyMatrix();
    const KeyBlockBytes block =
        EncodeKeyBlock(table_, 0, factory, [](uint32_t id) { return static_cast<int>(id) - 1; });
    DecodeKeyBlock(table_, 1, block.data(), factory);
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(table_.EntryOf(1, slots[i]), records[i]) << "slot " << slots[i];
    }
}

TEST(AssignmentDescriptionTest, ChangedKeysAreMarkedAndSayWhatTheyDoNow) {
    const TextLookup text = [](const std::string& key) {
        if (key == "KEY_PROMPT_SET")
            return std::string(": set");
        if (key == "KEY_PROMPT_SINGLE")
            return std::string(" (key ");
        if (key == "KEY_PROMPT_MACRO")
            return std::string(" (macro ");
        if (key == "KEY_PROMPT_MEDIA")
            return std::string(" (media ");
        if (key == "KEY_PROMPT_FUNCTION")
            return std::string(" (function ");
        return "<" + key + ">";
    };
    const MacroNameLookup names = [](uint32_t id) {
        return id == 2 ? std::string("Combo") : std::string();
    };
    const auto describe = [&](KeyAssignment r) { return DescribeAssignment("A", r, text, names); };

    EXPECT_FALSE(describe({ASSIGN_DEFAULT, 0x0301}).marked);
    EXPECT_EQ(describe({ASSIGN_DEFAULT}).tooltip, "A");
    EXPECT_EQ(describe({ASSIGN_KEY, 0, 0x030}).tooltip, "A: set (key <IDS_KEYBOARD_B>)");
    EXPECT_EQ(describe({ASSIGN_MACRO, 0, 2}).tooltip, "A: set (macro Combo)");
    EXPECT_EQ(describe({ASSIGN_MACRO, 0, 5}).tooltip, "A: set (macro )");
    EXPECT_EQ(describe({ASSIGN_MEDIA, 0, 7}).tooltip, "A: set (media <MEDIA_MUTE_8>)");
    EXPECT_EQ(describe({ASSIGN_FUNCTION, 0, 0}).tooltip, "A: set (function <FUNC_KEY_DESC1>)");
    const auto disabled = describe({ASSIGN_DISABLED});
    EXPECT_TRUE(disabled.marked);
    EXPECT_EQ(disabled.tooltip, "A: set");
    EXPECT_EQ(GKeyTitle(0), "G1");
    EXPECT_EQ(GKeyTitle(8), "G9");
}

}  // namespace
}  // namespace keyloom
