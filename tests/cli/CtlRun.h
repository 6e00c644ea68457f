#pragma once

// keyloomctl run as a user runs it: a separate process, here on the virtual keyboard.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>

#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {

struct CtlRun {
    int exitCode = -1;
    std::string output;  // standard output and standard error

    bool Says(const std::string& words) const { return output.find(words) != std::string::npos; }
};

// A shell command line, its standard error with its output.
inline CtlRun RunCommand(const std::string& command) {
    CtlRun run;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return run;
    }
    std::array<char, 4096> buffer{};
    size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.output.append(buffer.data(), got);
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

inline CtlRun RunCtl(const std::string& environment, const std::string& arguments) {
    return RunCommand(environment + " " + KEYLOOM_BIN_DIR + "keyloomctl " + arguments);
}

// The command bytes of the requests written in a trace ("W 04 cc cc CC ...": the fourth byte).
inline std::multiset<int> WrittenCommands(const std::string& trace) {
    std::istringstream in(FileText(trace).value_or(""));
    std::multiset<int> commands;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("W ", 0) == 0) {
            commands.insert(std::stoi(line.substr(11, 2), nullptr, 16));
        }
    }
    return commands;
}

// Each test with a virtual keyboard of its own, whose memory file lies in the test's folder.
class CtlTest : public ::testing::Test {
  protected:
    const std::string folder_ = MakeTemporaryFolder();
    const std::string simulated_ = "ZOZODIZ_SIM_STATE=" + folder_ + "/sim.state";
};

}  // namespace keyloom::test
