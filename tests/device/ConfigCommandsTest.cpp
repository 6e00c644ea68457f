#include "device/ConfigCommands.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "device/ConfigReport.h"
#include "device/DeviceResult.h"
#include "support/SimKeyboardFixture.h"

namespace keyloom::test {
namespace {

using ConfigCommandsTest = SimKeyboardTest;

struct Chunk {
    int command;
    int length;
    int offset;
    friend bool operator==(const Chunk&, const Chunk&) = default;
};

std::ostream& operator<<(std::ostream& out, const Chunk& c) {
    return out << "{cmd " << c.command << ", len " << c.length << ", at " << c.offset << "}";
}

// The command, length and offset of every request written during the test.
std::vector<Chunk> Written(const SimKeyboardTest& test) {
    std::vector<Chunk> chunks;
    for (const auto& request : test.WrittenRequests()) {
        chunks.push_back({request.command, request.length, request.offset});
    }
    return chunks;
}

std::vector<uint8_t> Pattern(size_t size, uint8_t seed) {
    std::vector<uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), seed);
    return bytes;
}

std::vector<uint8_t> SimArea(int area, uint32_t offset, uint32_t length) {
    std::vector<uint8_t> bytes(length);
    EXPECT_EQ(ZozSim_ReadMemory(area, offset, bytes.data(), length), 1);
    return bytes;
}

TEST_F(ConfigCommandsTest, ConfigurationReadIsTheTracedRequestAndAnswersTheBlock) {
    uint8_t block[CONFIG_BLOCK_SIZE] = {};
    ASSERT_EQ(CmdReadConfig(Exchange(), block), RESULT_OK);
    EXPECT_EQ(block[CONFIG_ACTIVE_PROFILE], 0);
    EXPECT_EQ(block[CONFIG_MACRO_UNITS], 32);
    for (int mode = 1; mode <= 20; ++mode) {
        EXPECT_EQ(block[CONFIG_MODE_LIST + mode - 1], mode);
    }
    const auto written = TraceLines('W');
    ASSERT_EQ(written.size(), 1u);
    std::string expected = "W 04 2f 00 03 2c 00 00 00";
    for (int i = 0; i < 56; ++i) {
        expected += " 00";
    }
    EXPECT_EQ(written[0], expected);
}

TEST_F(ConfigCommandsTest, MacroWritesAreCountedInChunksOf56) {
    const auto macros = Pattern(57, 1);
    EXPECT_EQ(CmdWriteMacros(Exchange(), macros.data(), 0), RESULT_OK);
    EXPECT_EQ(Requests(), 0u);

    EXPECT_EQ(CmdWriteMacros(Exchange(), macros.data(), macros.size()), RESULT_OK);
    EXPECT_EQ(Written(*this), (std::vector<Chunk>{{10, 56, 0}, {10, 1, 56}}));
    EXPECT_EQ(SimArea(ZOZSIM_AREA_MACROS, 0, 57), macros);

    std::vector<uint8_t> back(57);
    EXPECT_EQ(CmdReadMacros(Exchange(), back.data(), back.size()), RESULT_OK);
    EXPECT_EQ(back, macros);
}

TEST_F(ConfigCommandsTest, KeyBlockTwoIsReadInSevenChunksAfterTheFirstTwoBlocks) {
    const auto block = Pattern(KEY_BLOCK_SIZE, 7);
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_KEYS, 2 * KEY_BLOCK_SIZE, block.data(), block.size()),
              1);
    std::vector<uint8_t> read(KEY_BLOCK_SIZE);
    ASSERT_EQ(CmdReadKeys(Exchange(), read.data(), 2), RESULT_OK);
    EXPECT_EQ(read, block);
    EXPECT_EQ(Written(*this), (std::vector<Chunk>{{7, 56, 756},
                                                  {7, 56, 812},
                                                  {7, 56, 868},
                                                  {7, 56, 924},
                                                  {7, 56, 980},
                                                  {7, 56, 1036},
                                                  {7, 42, 1092}}));
}

TEST_F(ConfigCommandsTest, KeyBlockOutsideTheThreeProfilesIsRefusedUnsent) {
    std::vector<uint8_t> block(KEY_BLOCK_SIZE);
    EXPECT_EQ(CmdReadKeys(Exchange(), block.data(), 3), RESULT_BAD_ARGUMENT);
    EXPECT_EQ(CmdWriteKeys(Exchange(), block.data(), 3), RESULT_BAD_ARGUMENT);
    EXPECT_EQ(CmdWriteKeys(Exchange(), block.data(), -1), RESULT_BAD_ARGUMENT);
    EXPECT_EQ(Requests(), 0u);
}

TEST_F(ConfigCommandsTest, KeyBlockWriteLandsInItsProfileOnly) {
    const auto before = SimArea(ZOZSIM_AREA_KEYS, 0, 3 * KEY_BLOCK_SIZE);
    const auto block = Pattern(KEY_BLOCK_SIZE, 100);
    ASSERT_EQ(CmdWriteKeys(Exchange(), block.data(), 1), RESULT_OK);
    auto expected = before;
    std::copy(block.begin(), block.end(), expected.begin() + KEY_BLOCK_SIZE);
    EXPECT_EQ(SimArea(ZOZSIM_AREA_KEYS, 0, 3 * KEY_BLOCK_SIZE), expected);
}

TEST_F(ConfigCommandsTest, FailingChunkEndsTheTransferAndKeepsWhatWasWritten) {
    const auto factory = SimArea(ZOZSIM_AREA_KEYS, 0, KEY_BLOCK_SIZE);
    for (uint32_t n = 3; n <= 5; ++n) {
        ASSERT_EQ(ZozSim_InjectFault(n, ZOZSIM_FAULT_STATUS_FF), 1);
    }
    const auto block = Pattern(KEY_BLOCK_SIZE, 50);
    EXPECT_EQ(CmdWriteKeys(Exchange(), block.data(), 0), RESULT_STATUS_FF);
    EXPECT_EQ(Requests(), 5u);  // two chunks, then the third three times
    const auto now = SimArea(ZOZSIM_AREA_KEYS, 0, KEY_BLOCK_SIZE);
    EXPECT_TRUE(std::equal(block.begin(), block.begin() + 112, now.begin()));
    EXPECT_TRUE(std::equal(factory.begin() + 168, factory.end(), now.begin() + 168));
}

TEST_F(ConfigCommandsTest, DefaultKeysAreReadFromOffsetZero) {
    std::vector<uint8_t> table(KEY_BLOCK_SIZE);
    ASSERT_EQ(CmdReadDefaultKeys(Exchange(), table.data()), RESULT_OK);
    EXPECT_EQ(table, SimArea(ZOZSIM_AREA_DEFAULT_KEYS, 0, KEY_BLOCK_SIZE));
    const auto chunks = Written(*this);
    ASSERT_EQ(chunks.size(), 7u);
    EXPECT_EQ(chunks.front(), (Chunk{15, 56, 0}));
    EXPECT_EQ(chunks.back(), (Chunk{15, 42, 336}));
}

TEST_F(ConfigCommandsTest, LightingAndKeyColorsAddressTheirProfile) {
    const uint8_t red[3] = {0xFF, 0x00, 0x00};
    EXPECT_EQ(CmdWriteKeyColors(Exchange(), red, 3, 31, 2), RESULT_OK);
    EXPECT_EQ(SimArea(ZOZSIM_AREA_KEY_COLORS, 1024 + 93, 3), std::vector<uint8_t>(red, red + 3));

    const uint8_t mode = 10;
    EXPECT_EQ(CmdWriteLighting(Exchange(), &mode, 1, 42 * 1), RESULT_OK);
    uint8_t record[56] = {};
    EXPECT_EQ(CmdReadLighting(Exchange(), record, 56, 42), RESULT_OK);
    EXPECT_EQ(record[0], 10);
    EXPECT_EQ(Written(*this), (std::vector<Chunk>{{17, 3, 1024 + 93}, {6, 1, 42}, {5, 56, 42}}));

    std::vector<uint8_t> tooLong(57);
    EXPECT_EQ(CmdWriteLighting(Exchange(), tooLong.data(), 57, 0), RESULT_BAD_ARGUMENT);
    EXPECT_EQ(CmdWriteKeyColors(Exchange(), tooLong.data(), 57, 0, 0), RESULT_BAD_ARGUMENT);
    EXPECT_EQ(Written(*this).size(), 3u);
}

TEST_F(ConfigCommandsTest, ConfigurationWriteChangesTheActiveProfile) {
    uint8_t block[CONFIG_BLOCK_SIZE] = {};
    ASSERT_EQ(CmdReadConfig(Exchange(), block), RESULT_OK);
    block[CONFIG_ACTIVE_PROFILE] = 2;
    ASSERT_EQ(CmdWriteConfig(Exchange(), block), RESULT_OK);
    uint8_t back[CONFIG_BLOCK_SIZE] = {};
    ASSERT_EQ(CmdReadConfig(Exchange(), back), RESULT_OK);
    EXPECT_EQ(back[CONFIG_ACTIVE_PROFILE], 2);
}

TEST_F(ConfigCommandsTest, BeginAndEndFrameAWriteSequence) {
    EXPECT_EQ(CmdBegin(Exchange()), RESULT_OK);
    EXPECT_EQ(CmdEnd(Exchange()), RESULT_OK);
    EXPECT_EQ(Written(*this), (std::vector<Chunk>{{1, 0, 0}, {2, 0, 0}}));
}

}  // namespace
}  // namespace keyloom::test
