#include "editors/MacroNames.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

struct NameCase {
    QStringList existing;
    int counter;
    QString name;
    int retries;
};

TEST(MacroNamesTest, TakesTheNextNumberWhoseNameBeginsNoExistingName) {
    const std::vector<NameCase> cases = {
        {{}, 0, "Macro 1", 0},
        {{"Macro 1"}, 0, "Macro 2", 1},  // right after the tool has started
        {{"macro 1", "MACRO 2"}, 0, "Macro 3", 2},
        {{"Macro 10"}, 0, "Macro 2", 1},  // "Macro 1" begins "Macro 10"
        {{"Macro 1"}, 5, "Macro 6", 0},
        {{"Other 6"}, 5, "Macro 6", 0},
    };
    for (const NameCase& test : cases) {
        int counter = test.counter;
        int retries = 0;
        EXPECT_EQ(NextMacroName("Macro ", test.existing, counter, [&] { ++retries; }), test.name)
            << test.existing.join(',').toStdString();
        EXPECT_EQ(retries, test.retries);
        EXPECT_EQ(counter, test.counter + 1 + test.retries);
    }
}

}  // namespace
}  // namespace keyloom
