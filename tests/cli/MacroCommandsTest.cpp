// macro on the virtual keyboard: JSON out and back in byte for byte, the editor's rules on what a
// file says, and deletion as the window asks for it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/CtlKeyboard.h"
#include "device/ConfigReport.h"
#include "model/AssignmentTable.h"
#include "model/MacroArea.h"
#include "storage/ProfileFile.h"
#include "support/FileContents.h"

namespace keyloom::test {
namespace {

constexpr DeviceKeyCode kKeyA = {2, 2, 0x04};
constexpr DeviceKeyCode kG3 = {6, 0xA2, 3};

class MacroCommandsTest : public CtlKeyboardTest {
  protected:
    // The macros as an apply of the tool would have written them; the image.
    static std::vector<uint8_t> PutMacros(const MacroList& macros) {
        const auto image = EncodeMacroArea(macros, MacroAreaSizes(macros).full, true);
        EXPECT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_MACROS, 0, image.data(),
                                     static_cast<uint32_t>(image.size())),
                  1);
        return image;
    }

    static MacroRecord Macro(const std::string& name, uint8_t repeat,
                             const std::vector<MacroEvent>& events) {
        MacroRecord macro;
        macro.SetName(name);
        macro.SetRepeatCount(repeat);
        macro.SetEvents(events);
        return macro;
    }

    std::string File(const std::string& name, const std::string& text) const {
        const std::string path = folder_ + "/" + name;
        EXPECT_TRUE(PutFile(path, text));
        return path;
    }

    static KeyAssignment WorkingProfileEntry(int profile, int slot) {
        WorkingProfile read;
        EXPECT_EQ(ReadProfileFile(TestHome() + "/XDG_DATA_HOME/VQ52R_EN/$Profile0", read), 1);
        return read.Assignments().EntryOf(profile, slot);
    }
};

TEST_F(MacroCommandsTest, ExportedMacrosImportedIntoAnEmptyKeyboardGiveBackItsMacroMemory) {
    const auto image = PutMacros({
        Macro("Reload", 3,
              {{30, 0x02A, MACRO_PRESS},
               {120, 0x013, MACRO_PRESS},
               {10, 0x013, MACRO_RELEASE},
               {0, 0x02A, MACRO_RELEASE}}),
        Macro("Dash and jump 大", 255, {{40000, 0x039, MACRO_PRESS}, {0, 0x039, MACRO_RELEASE}}),
        Macro("Click \"twice\"", 1,
              {{10, 0x171, MACRO_PRESS},
               {10, 0x171, MACRO_RELEASE},
               {10, 0x162, MACRO_PRESS},
               {0, 0x11D, MACRO_RELEASE}}),
    });
    const std::string path = folder_ + "/macros.json";
    const CtlRun exported = Ctl("macro export " + path);
    ASSERT_EQ(exported.exitCode, 0) << exported.output;
    EXPECT_TRUE(exported.Says("Saved 3 macros")) << exported.output;

    ASSERT_EQ(ZozSim_FactoryReset(), 1);
    ASSERT_EQ(Memory(ZOZSIM_AREA_MACROS, 4, 1)[0], 0);  // no macros
    const CtlRun imported = Ctl("macro import " + path);
    ASSERT_EQ(imported.exitCode, 0) << imported.output;
    EXPECT_TRUE(imported.Says("Imported 3 macros: 3 added, 0 replaced")) << imported.output;

    EXPECT_EQ(Memory(ZOZSIM_AREA_MACROS, 0, static_cast<uint32_t>(image.size())), image);
}

TEST_F(MacroCommandsTest, AnImportedMacroOnAGKeyWithARepeatCount) {
    const std::string path = File("macros.json", R"({"macros": [
        {"name": "Dash", "events": [{"key": "D", "action": "down"}, {"key": "D", "action": "up"}]},
        {"name": "Hello", "events": [{"key": "H", "action": "down", "pause": 20},
                                     {"key": "H", "action": "up"}]}]})");
    ASSERT_EQ(Ctl("macro import " + path).exitCode, 0);
    const CtlRun run = Ctl("assign G3 macro:Hello,repeat=7");
    ASSERT_EQ(run.exitCode, 0) << run.output;

    EXPECT_EQ(KeyCodeAt(0, PositionOf(kG3)), (DeviceKeyCode{5, 1, 1}));
    const KeyAssignment stored = WorkingProfileEntry(0, GKeySlot(0, 2));
    EXPECT_EQ(stored.kind, ASSIGN_MACRO);
    EXPECT_EQ(stored.tag, 7);
    EXPECT_TRUE(Ctl("macro list").Says("2  Hello  (2 events, repeat 7)"));
}

// A macro of the same name is replaced where it is, so the keys that play it keep it.
TEST_F(MacroCommandsTest, ReimportingReplacesByNameAndTheFileIsTakenAsTheEditorTakesIt) {
    const std::string first = File("first.json", R"({"macros": [
        {"name": "Dash", "events": []}, {"name": "Hello", "events": []}]})");
    ASSERT_EQ(Ctl("macro import " + first).exitCode, 0);
    ASSERT_EQ(Ctl("assign A macro:Hello").exitCode, 0);
    const std::string second = File("second.json", R"({"macros": [
        {"name": "Hello", "repeat": 300,
         "events": [{"key": "KEY_01E", "action": "down", "pause": 50001}]}]})");
    const CtlRun run = Ctl("macro import " + second);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.Says("repeat 300 is taken as 255")) << run.output;
    EXPECT_TRUE(run.Says("macro \"Hello\", event 1: pause 50001 ms is taken as 40000"))
        << run.output;
    EXPECT_TRUE(run.Says("1 macro: 0 added, 1 replaced")) << run.output;

    EXPECT_EQ(KeyCodeAt(0, PositionOf(kKeyA)), (DeviceKeyCode{5, 1, 1}));
    const CtlRun shown = Ctl("macro show hello");
    EXPECT_TRUE(shown.Says("Hello (id 2), repeat 255, 1 event")) << shown.output;
    EXPECT_TRUE(shown.Says("A                down 40000 ms")) << shown.output;
}

// The keys of every profile play macros by position: deleting one rewrites them all.
TEST_F(MacroCommandsTest, ADeletedMacroIsAskedForAndEveryProfilesKeysFollow) {
    const std::string path = File("macros.json", R"({"macros": [
        {"name": "Dash", "events": []}, {"name": "Hello", "events": []}]})");
    ASSERT_EQ(Ctl("macro import " + path).exitCode, 0);
    ASSERT_EQ(Ctl("assign --profile 2 A macro:Dash").exitCode, 0);
    ASSERT_EQ(Ctl("assign --profile 3 A macro:Hello").exitCode, 0);
    const int position = PositionOf(kKeyA);
    ASSERT_EQ(KeyCodeAt(2, position), (DeviceKeyCode{5, 1, 1}));

    const CtlRun kept = Ctl("--no macro delete Dash");
    EXPECT_EQ(kept.exitCode, 1) << kept.output;
    EXPECT_TRUE(kept.Says("Delete it anyway?")) << kept.output;
    EXPECT_EQ(Memory(ZOZSIM_AREA_MACROS, 4, 1)[0], 2);

    const CtlRun deleted = Ctl("--yes macro delete Dash");
    ASSERT_EQ(deleted.exitCode, 0) << deleted.output;
    EXPECT_EQ(Memory(ZOZSIM_AREA_MACROS, 4, 1)[0], 1);
    EXPECT_EQ(KeyCodeAt(1, position), kKeyA);                     // played Dash
    EXPECT_EQ(KeyCodeAt(2, position), (DeviceKeyCode{5, 1, 0}));  // Hello moved up
    EXPECT_EQ(KeyCodeAt(0, position), kKeyA);
}

TEST_F(MacroCommandsTest, AFileThatIsNoMacroFileIsRefusedBeforeTheKeyboardIsTouched) {
    const struct {
        std::string text;
        const char* says;
    } files[] = {
        {"{\"macros\": [", "line 1: a value is missing"},
        {"{\"macros\": [{\"name\": \"a\", \"events\": [{\"key\": \"Nokey\", \"action\": "
         "\"up\"}]}]}",
         "macro \"a\", event 1: no key is named \"Nokey\""},
    };
    for (const auto& file : files) {
        const std::string path = File("bad.json", file.text);
        const CtlRun run = Ctl("macro import " + path);
        EXPECT_EQ(run.exitCode, 2) << run.output;
        EXPECT_TRUE(run.Says(path + ": " + file.says)) << run.output;
        EXPECT_FALSE(std::filesystem::exists(trace_));
    }
    const CtlRun missing = Ctl("macro import " + folder_ + "/missing.json");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.Says("cannot read")) << missing.output;
    EXPECT_EQ(Ctl("macro show Nope").exitCode, 2);
}

}  // namespace
}  // namespace keyloom::test
