#include "storage/MacroJsonFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/KeyNameMatch.h"

namespace keyloom {
namespace {

// Keys by their codes, so that the tests need no language file.
const KeyNamer kCodeNames = [](ScanCode key) { return KeyCodeName(key); };
const KeyOfName kCodeOfName = [](std::string_view name) { return ScanCodeOfKeyName(name, {}); };

MacroRecord Macro(const std::string& name, uint8_t repeat, std::vector<MacroEvent> events) {
    MacroRecord macro;
    macro.SetName(name);
    macro.SetRepeatCount(repeat);
    macro.SetEvents(events);
    return macro;
}

MacroJsonRead ReadOne(const std::string& macro) {
    return ReadMacroListJson("{\"macros\": [" + macro + "]}", kCodeOfName);
}

TEST(MacroJsonFileTest, OneEventPerLine) {
    const MacroList macros = {
        Macro("ab", 2, {{120, 0x01E, MACRO_PRESS}, {0, 0x030, MACRO_RELEASE}}),
        Macro("none", 1, {})};
    EXPECT_EQ(MacroListJson(macros, kCodeNames),
              "{\n"
              "  \"format\": \"keyloom-macros\",\n"
              "  \"version\": 1,\n"
              "  \"macros\": [\n"
              "    {\n"
              "      \"name\": \"ab\",\n"
              "      \"repeat\": 2,\n"
              "      \"events\": [\n"
              "        {\"key\": \"KEY_01E\", \"action\": \"down\", \"pause\": 120},\n"
              "        {\"key\": \"KEY_030\", \"action\": \"up\", \"pause\": 0}\n"
              "      ]\n"
              "    },\n"
              "    {\n"
              "      \"name\": \"none\",\n"
              "      \"repeat\": 1,\n"
              "      \"events\": []\n"
              "    }\n"
              "  ]\n"
              "}\n");
    EXPECT_EQ(MacroListJson({}, kCodeNames),
              "{\n  \"format\": \"keyloom-macros\",\n  \"version\": 1,\n  \"macros\": []\n}\n");
}

TEST(MacroJsonFileTest, WrittenMacrosReadBackTheSame) {
    const MacroList macros = {
        Macro("Quote \" and \\ and 大写", 255,
              {{40000, 0x02A, MACRO_PRESS}, {10, 0x171, MACRO_PRESS}, {0, 0x162, MACRO_RELEASE}}),
        Macro("x", 1, std::vector<MacroEvent>(MACRO_MAX_EVENTS, {30, 0x01E, MACRO_RELEASE})),
    };
    const MacroJsonRead read = ReadMacroListJson(MacroListJson(macros, kCodeNames), kCodeOfName);
    ASSERT_EQ(read.error, "");
    EXPECT_TRUE(read.notes.empty());
    ASSERT_EQ(read.macros.size(), macros.size());
    for (size_t i = 0; i < macros.size(); ++i) {
        EXPECT_EQ(read.macros[i].Name(), macros[i].Name());
        EXPECT_EQ(read.macros[i].RepeatCount(), macros[i].RepeatCount());
        EXPECT_EQ(read.macros[i].Events(), macros[i].Events());
    }
}

struct RuleCase {
    std::string macro;
    const char* note;  // empty for none
    uint8_t repeat;
    std::vector<uint32_t> pauses;
};

// The macro editor's rules, applied to what a file says.
TEST(MacroJsonFileTest, TheEditorsRulesApplyToWhatIsRead) {
    const std::string press = "{\"key\": \"KEY_01E\", \"action\": \"down\"";
    const RuleCase cases[] = {
        {"{\"name\": \"a\", \"events\": []}", "", 1, {}},
        {"{\"name\": \"a\", \"repeat\": 0, \"events\": []}", "repeat 0 is taken as 1", 1, {}},
        {"{\"name\": \"a\", \"repeat\": 300, \"events\": []}",
         "repeat 300 is taken as 255",
         255,
         {}},
        {"{\"name\": \"a\", \"events\": [" + press + ", \"pause\": 1234}]}", "", 1, {1230}},
        {"{\"name\": \"a\", \"events\": [" + press + ", \"pause\": 40005}]}",
         "macro \"a\", event 1: pause 40005 ms is taken as 40000",
         1,
         {40000}},
        {"{\"name\": \"a\", \"events\": [" + press + "}]}", "", 1, {0}},
    };
    for (const RuleCase& test : cases) {
        const MacroJsonRead read = ReadOne(test.macro);
        ASSERT_EQ(read.error, "") << test.macro;
        ASSERT_EQ(read.macros.size(), 1u);
        EXPECT_EQ(read.macros[0].RepeatCount(), test.repeat) << test.macro;
        std::vector<uint32_t> pauses;
        for (const MacroEvent& event : read.macros[0].Events()) {
            pauses.push_back(event.delay);
        }
        EXPECT_EQ(pauses, test.pauses) << test.macro;
        if (test.note[0] == '\0') {
            EXPECT_TRUE(read.notes.empty()) << test.macro;
        } else {
            ASSERT_EQ(read.notes.size(), 1u) << test.macro;
            EXPECT_NE(read.notes[0].find(test.note), std::string::npos) << read.notes[0];
        }
    }
}

TEST(MacroJsonFileTest, ALongNameIsCutAndEventsBeyondTheLimitAreLeftOut) {
    std::string events;
    for (int i = 0; i <= MACRO_MAX_EVENTS; ++i) {
        events += std::string(i == 0 ? "" : ",") + "{\"key\": \"A\", \"action\": \"up\"}";
    }
    const MacroJsonRead read =
        ReadOne("{\"name\": \"" + std::string(300, 'n') + "\", \"events\": [" + events + "]}");
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.macros.size(), 1u);
    EXPECT_EQ(read.macros[0].Name(), std::string(MACRO_NAME_MAX_UNITS, 'n'));
    EXPECT_EQ(read.macros[0].EventCount(), MACRO_MAX_EVENTS);
    ASSERT_EQ(read.notes.size(), 2u);
    EXPECT_NE(read.notes[0].find("the name is cut"), std::string::npos);
    EXPECT_NE(read.notes[1].find("the events after the 2000th are left out"), std::string::npos);
}

struct Fault {
    std::string text;
    const char* says;
};

TEST(MacroJsonFileTest, AFaultNamesItsPlaceAndReadsNoMacros) {
    const std::string event = "{\"key\": \"A\", \"action\": \"down\", \"pause\": ";
    std::string many;
    for (int i = 0; i <= MACRO_LIST_CAPACITY; ++i) {
        many += std::string(i == 0 ? "" : ",") + "{\"name\": \"m\", \"events\": []}";
    }
    const Fault faults[] = {
        {"[1]", "the file: not an object with \"macros\""},
        {"{\"macro\": []}", "the file: unknown member \"macro\" (known: format, version, macros)"},
        {"{}", "the file: macros must be a list"},
        {"{\"format\": \"other\", \"macros\": []}", "format must be \"keyloom-macros\""},
        {"{\"version\": 2, \"macros\": []}", "version 2 is not one this tool reads"},
        {"{\"version\": 1.5, \"macros\": []}", "version is not a whole number"},
        {"{\"macros\": [" + many + "]}", "101 macros; at most 100 fit"},
        {"{\"macros\": [3]}", "macro number 1: not an object"},
        {"{\"macros\": [{\"events\": []}]}", "macro number 1: name must be a text"},
        {"{\"macros\": [{\"name\": \"\", \"events\": []}]}", "the name is empty"},
        {"{\"macros\": [{\"name\": \"a\"}]}", "macro \"a\": events must be a list"},
        {"{\"macros\": [{\"name\": \"a\", \"repeat\": \"7\", \"events\": []}]}",
         "repeat is not a whole number"},
        {"{\"macros\": [{\"name\": \"a\", \"events\": [], \"pasue\": 1}]}",
         "macro \"a\": unknown member \"pasue\""},
        {"{\"macros\": [{\"name\": \"a\", \"events\": [" + event + "-10}]}]}",
         "macro \"a\", event 1: pause is below 0"},
        {"{\"macros\": [{\"name\": \"a\", \"events\": [" + event + "0.5}]}]}",
         "pause is not a whole number"},
        {"{\"macros\": [{\"name\": \"a\", \"events\": [" + event + "1e300}]}]}",
         "pause is not a whole number"},
        {"{\"macros\": [{\"name\": \"a\", \"events\": [{\"key\": \"Nokey\", \"action\": "
         "\"up\"}]}]}",
         "macro \"a\", event 1: no key is named \"Nokey\""},
        {"{\"macros\": [{\"name\": \"a\", \"events\": [{\"key\": \"A\", \"action\": "
         "\"press\"}]}]}",
         "action must be \"down\" or \"up\""},
        {"{\"macros\": [{\"name\": \"a\", \"events\": [{\"action\": \"up\"}]}]}",
         "key must be a key name"},
        {"{\"macros\": [{\"name\": \"a\", \"events\": [7]}]}", "event 1: not an object"},
        {"{\"macros\": [", "line 1: a value is missing"},
    };
    for (const Fault& fault : faults) {
        const MacroJsonRead read = ReadMacroListJson(fault.text, kCodeOfName);
        EXPECT_TRUE(read.macros.empty()) << fault.text;
        EXPECT_NE(read.error.find(fault.says), std::string::npos)
            << fault.text << " gave: " << read.error;
    }
}

}  // namespace
}  // namespace keyloom
