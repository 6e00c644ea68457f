#include "model/MacroImport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keyloom {
namespace {

MacroRecord Macro(const std::string& name, uint16_t id, uint8_t repeat = 1) {
    MacroRecord macro;
    macro.SetName(name);
    macro.SetId(id);
    macro.SetRepeatCount(repeat);
    return macro;
}

std::vector<std::string> Names(const MacroList& list) {
    std::vector<std::string> names;
    for (const MacroRecord& macro : list) {
        names.push_back(macro.Name() + "#" + std::to_string(macro.Id()));
    }
    return names;
}

TEST(MacroImportTest, ANameOfTheListKeepsItsPlaceAndIdOthersGetTheSmallestFreeIds) {
    MacroList list = {Macro("Dash", 1), Macro("Reload", 3)};
    MacroRecord newer = Macro("Reload", 0, 9);
    newer.SetIsNew(true);
    const MacroImportCount count =
        ImportMacros(list, {Macro("Jump", 0), newer, Macro("Crouch", 7), Macro("Jump", 0, 4)});
    EXPECT_EQ(count.added, 2u);
    EXPECT_EQ(count.replaced, 2u);  // Reload, and the second Jump over the first
    EXPECT_TRUE(count.fits);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Dash#1", "Reload#3", "Jump#2", "Crouch#4"}));
    EXPECT_EQ(list[1].RepeatCount(), 9);
    EXPECT_FALSE(list[1].IsNew());
    EXPECT_EQ(list[2].RepeatCount(), 4);
}

TEST(MacroImportTest, MoreThanTheListHoldsChangesNothing) {
    MacroList list;
    for (uint16_t id = 1; id < MACRO_LIST_CAPACITY; ++id) {
        list.push_back(Macro("m" + std::to_string(id), id));
    }
    const MacroList before = list;
    EXPECT_TRUE(ImportMacros(list, {Macro("m1", 0, 5)}).fits);  // a replacement always fits
    MacroList full = list;
    EXPECT_TRUE(ImportMacros(full, {Macro("last", 0)}).fits);
    EXPECT_EQ(full.size(), static_cast<size_t>(MACRO_LIST_CAPACITY));
    EXPECT_EQ(full.back().Id(), MACRO_LIST_CAPACITY);

    const MacroImportCount count = ImportMacros(list, {Macro("one", 0), Macro("two", 0)});
    EXPECT_FALSE(count.fits);
    EXPECT_EQ(count.added, 0u);
    EXPECT_EQ(list.size(), before.size());
    EXPECT_EQ(list[0].RepeatCount(), 5);  // from the import before, which fitted
}

}  // namespace
}  // namespace keyloom
