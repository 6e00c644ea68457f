#include "storage/DecimalList.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace keyloom::test {
namespace {

using Four = std::array<int, 4>;

Four Read(std::string_view text, size_t expectedCount) {
    Four numbers = {9, 9, 9, 9};
    EXPECT_EQ(ReadDecimalList(text, numbers), expectedCount) << text;
    return numbers;
}

TEST(DecimalListTest, ReadsLikeTheCommaSeparatedDecimalFormat) {
    EXPECT_EQ(Read(" 1, -2,+3,\t4,5", 4), (Four{1, -2, 3, 4}));
    EXPECT_EQ(Read("10,20", 2), (Four{10, 20, 0, 0}));
    EXPECT_EQ(Read("10 ,20", 1), (Four{10, 0, 0, 0}));
    EXPECT_EQ(Read("1;2", 1), (Four{1, 0, 0, 0}));
    EXPECT_EQ(Read("--5", 0), (Four{0, 0, 0, 0}));
    EXPECT_EQ(Read("99999999999999999999,-99999999999", 2), (Four{INT_MAX, INT_MIN, 0, 0}));
    EXPECT_EQ(FormatDecimalList(Four{255, 0, -7, 1}), "255,0,-7,1");
}

}  // namespace
}  // namespace keyloom::test
