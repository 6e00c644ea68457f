#include "model/MacroList.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

MacroList ListWithIds(std::vector<uint16_t> ids) {
    MacroList list(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        list[i].SetId(ids[i]);
    }
    return list;
}

TEST(MacroListTest, PositionsAndIdsMapBothWays) {
    const MacroList list = ListWithIds({4, 9, 2, 9});
    EXPECT_EQ(MacroPositionOfId(list, 9), 1);
    EXPECT_EQ(MacroPositionOfId(list, 2), 2);
    EXPECT_EQ(MacroPositionOfId(list, 5), 0);
    EXPECT_EQ(MacroPositionOfId(list, 0x10002), 0);
    EXPECT_EQ(MacroIdAt(list, 3), 9);
    EXPECT_EQ(MacroIdAt(list, 4), 0);
    EXPECT_EQ(MacroIdAt(list, -1), 0);
}

TEST(MacroListTest, NewRecordTakesTheSmallestFreeId) {
    const MacroRecord record = NewMacroRecord(ListWithIds({1, 2, 4}), "Macro 3");
    EXPECT_EQ(record.Id(), 3);
    EXPECT_EQ(record.Name(), "Macro 3");
    EXPECT_EQ(record.RepeatCount(), 1);
    EXPECT_TRUE(record.IsNew());
    std::vector<uint16_t> ids;
    for (uint16_t id = 100; id >= 1; --id) {
        ids.push_back(id);
    }
    EXPECT_EQ(NewMacroRecord(ListWithIds(ids), "x").Id(), 0);
    ids.erase(ids.begin() + 43);  // frees 57
    EXPECT_EQ(NewMacroRecord(ListWithIds(ids), "x").Id(), 57);
}

}  // namespace
}  // namespace keyloom
