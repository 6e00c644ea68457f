// How keyloomctl takes its arguments: wrong words are refused before the keyboard is touched,
// with a message that names them and what is accepted, and every command has its help.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/CtlRun.h"

namespace keyloom::test {
namespace {

using CtlArgumentsTest = CtlTest;

struct Refusal {
    const char* arguments;
    std::vector<const char*> says;
};

const Refusal kRefusals[] = {
    {"", {"no command given", "Commands:"}},
    {"frobnicate", {"unknown command frobnicate"}},
    {"--frob info", {"unknown option --frob"}},
    {"info extra", {"info takes no argument, not 1 argument", "Usage: keyloomctl info"}},
    {"config --what", {"unknown option --what; this command has none"}},
    {"info --json=yes", {"--json takes no value"}},
    {"backup", {"backup takes FILE, not 0 arguments", "keyloomctl --help backup"}},
    {"profile 4", {"bad profile \"4\": a number from 1 to 3"}},
    {"profile two", {"bad profile \"two\": a number from 1 to 3"}},
    {"profile -1", {"bad profile \"-1\": a number from 1 to 3"}},
    {"profile 1 2", {"profile takes N, not 2 arguments"}},
    {"assign Foo default", {"bad key \"Foo\"", "CapsLock", "KEY_03A", "G1 to G9"}},
    {"assign F13 default", {"bad key \"F13\""}},
    {"assign G0 default", {"bad key \"G0\""}},
    {"assign CapsLock key:Foo", {"bad key \"Foo\"", "media:NAME"}},
    {"assign CapsLock key:Power", {"bad key \"Power\"", "media:NAME"}},
    {"assign CapsLock media:foo", {"bad media function \"foo\"", "VolumeUp, Mute"}},
    {"assign CapsLock mouse:up", {"bad mouse function \"up\"", "wheel-up or wheel-down"}},
    {"assign CapsLock function:12", {"bad keyboard function \"12\": a number from 1 to 11"}},
    {"assign CapsLock macro:x,repeat=0", {"bad repeat count \"0\": a number from 1 to 255"}},
    {"assign CapsLock macro:", {"bad macro \"\""}},
    {"assign CapsLock frob", {"bad function \"frob\"", "stop-macro"}},
    {"assign CapsLock default:x", {"bad function \"default:x\""}},
    {"assign A default B", {"the key B has no FUNCTION after it"}},
    {"assign CapsLock", {"assign takes KEY FUNCTION [KEY FUNCTION]..., not 1 argument"}},
    {"assign --bank C G1 default", {"bad bank \"C\": A or B"}},
    {"assign --profile 0 A default", {"bad profile \"0\": a number from 1 to 3"}},
    {"assign --profile", {"--profile needs a value: --profile N"}},
    {"assign --profile 2 A default --profile 3 B default", {"--profile is given twice"}},
    {"assign --no-apply=1 A default", {"--no-apply takes no value"}},
    {"keys --bank A", {"unknown option --bank; the options are --profile N"}},
    {"keys --profile=x", {"bad profile \"x\""}},
    {"lighting frob", {"bad lighting setting \"frob\"", "mode, brightness"}},
    {"lighting mode", {"lighting mode takes N|NAME"}},
    {"lighting mode 0", {"bad mode \"0\"", "Wave, Flow", "ColorCycle"}},
    {"lighting mode sparkle", {"bad mode \"sparkle\""}},
    {"lighting mode s", {"bad mode \"s\""}},  // Snake, Starlight, Shockwave, Static
    {"lighting mode 4 5", {"lighting mode takes N|NAME"}},
    {"lighting brightness 0", {"bad brightness \"0\": a number from 1 to 14"}},
    {"lighting speed 10", {"bad speed \"10\": a number from 0 to 9"}},
    {"lighting direction sideways", {"bad direction \"sideways\"", "spread or converge"}},
    {"lighting color 00FF0", {"bad colour \"00FF0\": six hexadecimal digits RRGGBB"}},
    {"lighting color 00FFGG", {"bad colour \"00FFGG\""}},
    {"lighting color -0FF00", {"bad colour \"-0FF00\""}},
    {"lighting multicolor yes", {"bad multicolour switch \"yes\": off or on"}},
    {"lighting fixed purple", {"bad fixed colour \"purple\": red, yellow, green or blue"}},
    {"lighting paint 00FF00", {"lighting paint takes KEY... RRGGBB"}},
    {"lighting paint A red", {"bad colour \"red\""}},
    {"lighting paint Nokey 00FF00", {"bad key \"Nokey\"", "or Fn"}},
    {"lighting paint F1 00FF00", {"bad key \"F1\": it has no light of its own"}},
    {"lighting preset 11", {"bad preset \"11\": a number from 1 to 10"}},
    {"rate 300", {"bad report rate \"300\": 1000, 500, 250 or 125"}},
    {"rate", {"rate takes 125|250|500|1000, not 0 arguments"}},
    {"diff now", {"diff takes no argument, not 1 argument"}},
    {"macro", {"macro takes list | show NAME"}},
    {"macro frob", {"bad macro action \"frob\": list, show, export, import or delete"}},
    {"macro list extra", {"macro list takes nothing more"}},
    {"macro show", {"macro show takes NAME"}},
    {"macro import", {"macro import takes FILE"}},
    {"macro import /no/such/file.json", {"cannot read /no/such/file.json"}},
};

TEST_F(CtlArgumentsTest, WrongWordsExitWithUsageAndSendNothing) {
    for (const Refusal& refusal : kRefusals) {
        const std::string trace = folder_ + "/" + std::to_string(&refusal - kRefusals) + ".trace";
        const CtlRun run = RunCtl(simulated_ + " ZOZODIZ_TRACE=" + trace,
                                  std::string("--simulate ") + refusal.arguments);
        EXPECT_EQ(run.exitCode, 2) << refusal.arguments << "\n" << run.output;
        for (const char* words : refusal.says) {
            EXPECT_TRUE(run.Says(words)) << refusal.arguments << " does not say " << words << "\n"
                                         << run.output;
        }
        EXPECT_FALSE(std::filesystem::exists(trace))
            << refusal.arguments << " reached the keyboard";
    }
}

struct HelpCase {
    const char* arguments;
    const char* says;
};

const HelpCase kHelp[] = {
    {"--help", "Commands:"},
    {"-h", "profile N"},
    {"--help profile", "Usage: keyloomctl profile N"},
    {"profile --help", "Usage: keyloomctl profile N"},
    {"--help backup", "Usage: keyloomctl backup FILE"},
    {"--help info", "Usage: keyloomctl info"},
    {"--help assign", "media:NAME"},
    {"assign --help", "--no-apply"},
    {"--help keys", "Usage: keyloomctl keys [--profile N]"},
    {"--help lighting", "paint KEY... RRGGBB"},
    {"--help rate", "Usage: keyloomctl rate 125|250|500|1000"},
    {"--help macro", "pauses of at most 40000 ms"},
    {"--help diff", "1 when they differ"},
};

TEST_F(CtlArgumentsTest, HelpOfTheProgramAndOfEachCommand) {
    for (const HelpCase& help : kHelp) {
        const CtlRun run = RunCtl("", help.arguments);
        EXPECT_EQ(run.exitCode, 0) << help.arguments << "\n" << run.output;
        EXPECT_TRUE(run.Says(help.says)) << help.arguments << "\n" << run.output;
    }
    const CtlRun unknown = RunCtl("", "--help frobnicate");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.Says("unknown command frobnicate")) << unknown.output;
}

}  // namespace
}  // namespace keyloom::test
