// names lists the words the other commands accept, without a keyboard, and the shell completion
// offers them.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CtlRun.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {
namespace {

// Without a transport: a command that needs none still works, and one that got past its
// arguments fails only at the transport (exit 1), never at its words (exit 2).
const std::string kNoTransport = "ZOZODIZ_BACKEND=fail";

std::vector<std::string> Names(const std::string& list) {
    const CtlRun run = RunCtl(kNoTransport, "names " + list);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    std::istringstream lines(run.output);
    std::vector<std::string> words;
    for (std::string line; std::getline(lines, line);) {
        words.push_back(line);
    }
    return words;
}

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Each word in the place the template shows as %, all in one command line.
std::string EachIn(const std::vector<std::string>& words, const std::string& pattern) {
    std::string line;
    for (const std::string& word : words) {
        const size_t at = pattern.find('%');
        line += " " + pattern.substr(0, at) + Quoted(word) + pattern.substr(at + 1);
    }
    return line;
}

TEST(NamesCommandTest, ListsNeedNoKeyboard) {
    EXPECT_EQ(Names("media").size(), 18u);
    EXPECT_EQ(Names("modes").size(), 20u);
    EXPECT_EQ(Names("options assign"),
              (std::vector<std::string>{"--profile", "--bank", "--no-apply"}));
    EXPECT_EQ(Names("rates"), (std::vector<std::string>{"1000", "500", "250", "125"}));
    const auto keys = Names("keys");
    EXPECT_EQ(keys.size(), 105u + 9u);
    for (const char* key : {"CapsLock", "LeftCtrl", "Num+", "G9"}) {
        EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
    }
}

struct AcceptanceCase {
    const char* list;
    const char* command;
    const char* each;  // the words after the command for each listed word, which is %
    bool together;     // all words in one command line, or one line each
};

// A listed word that the command it is listed for refused would mislead scripts and completion.
TEST(NamesCommandTest, EveryListedWordIsAccepted) {
    const AcceptanceCase cases[] = {
        {"keys", "assign", "% default", true},
        {"media", "assign", "A media:%", true},
        {"mouse", "assign", "A mouse:%", true},
        {"modes", "lighting mode", "%", false},
        {"directions", "lighting direction", "%", false},
        {"fixed-colors", "lighting fixed", "%", false},
        {"rates", "rate", "%", false},
    };
    for (const AcceptanceCase& test : cases) {
        const auto words = Names(test.list);
        ASSERT_FALSE(words.empty()) << test.list;
        std::vector<std::string> lines;
        if (test.together) {
            lines.push_back(test.command + EachIn(words, test.each));
        }
        for (size_t i = 0; !test.together && i < words.size(); ++i) {
            lines.push_back(test.command + EachIn({words[i]}, test.each));
        }
        for (const std::string& line : lines) {
            const CtlRun run = RunCtl(kNoTransport, line);
            EXPECT_EQ(run.exitCode, 1) << line << "\n" << run.output;
        }
    }
}

struct CompletionCase {
    const char* line;  // typed so far, the cursor at its end
    const char* offered;
};

// The completion of bash as the shell runs it: a line typed, then the words offered for its end.
TEST(NamesCommandTest, TheShellCompletionOffersTheListedWords) {
    const CompletionCase cases[] = {
        {"keyloomctl as", "assign"},
        {"keyloomctl assign cap", "CapsLock"},
        {"keyloomctl assign CapsLock ",
         "default disabled stop-macro key: mouse: macro: media: function:"},
        {"keyloomctl assign CapsLock key:es", "Esc"},
        {"keyloomctl assign CapsLock key:mouse:wheel", "wheel-up wheel-down"},
        {"keyloomctl assign CapsLock media:vol", "VolumeDown VolumeUp"},
        {"keyloomctl assign CapsLock media:Mute G", "G G1 G2 G3 G4 G5 G6 G7 G8 G9"},
        {"keyloomctl assign --bank ", "A B"},
        {"keyloomctl assign --profile 2 --n", "--no-apply --no"},
        {"keyloomctl lighting mode col", "ColorCycle"},
        {"keyloomctl lighting mode Custom", "Custom\\(PerKey\\)"},
        {"keyloomctl lighting direction c", "converge"},
        {"keyloomctl lighting paint A Enter F1", "F1 F10 F11 F12"},
        {"keyloomctl assign `", "\\`~"},
        {"keyloomctl rate 1", "1000 125"},
        {"keyloomctl --help lig", "lighting"},
        {"keyloomctl names options k", "keys"},
        {"keyloomctl macro ", "list show export import delete"},
    };
    std::string script = "source " KEYLOOM_SOURCE_DIR "resources/completion/keyloomctl.bash\n";
    for (const CompletionCase& test : cases) {
        script += std::string("COMP_LINE='") + test.line + "'; COMP_POINT=${#COMP_LINE}; " +
                  "COMP_WORDS=(" KEYLOOM_BIN_DIR
                  "keyloomctl); _keyloomctl; echo \"${COMPREPLY[*]}\"\n";
    }
    const std::string path = MakeTemporaryFolder() + "/complete.sh";
    ASSERT_TRUE(PutFile(path, script));
    const CtlRun run = RunCommand("bash " + path);
    EXPECT_EQ(run.exitCode, 0);
    std::istringstream offered(run.output);
    for (const CompletionCase& test : cases) {
        std::string line;
        std::getline(offered, line);
        EXPECT_EQ(line, test.offered) << test.line;
    }
}

}  // namespace
}  // namespace keyloom::test
