#include "WireFloor.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "device/ConfigCommands.h"
#include "device/ConfigReport.h"

namespace keyloom::bench {

namespace {

struct CommandPause {
    int command;
    std::chrono::microseconds pause;
};

// The pauses the tool must keep before a request of the command.
constexpr CommandPause kCommandPauses[] = {
    {CMD_END, END_COMMAND_PAUSE},
};

// "W 04 2f 00 03 ...": the command is the request's fourth byte.
int CommandOf(const std::string& line) {
    constexpr size_t kFirstByteAt = 2;
    constexpr size_t kCharsPerByte = 3;
    const size_t at = kFirstByteAt + REPORT_COMMAND_AT * kCharsPerByte;
    return line.size() >= at + 2 ? std::stoi(line.substr(at, 2), nullptr, 16) : -1;
}

}  // namespace

WireCount CountWire(const std::string& tracePath, size_t from) {
    std::ifstream trace(tracePath);
    trace.seekg(static_cast<std::streamoff>(from));
    WireCount count;
    for (std::string line; std::getline(trace, line);) {
        if (line.empty() || line[0] != 'W') {
            continue;
        }
        ++count.exchanges;
        const int command = CommandOf(line);
        for (const CommandPause& pause : kCommandPauses) {
            if (pause.command == command) {
                count.pauses += pause.pause;
            }
        }
    }
    return count;
}

size_t TraceSize(const std::string& tracePath) {
    std::error_code error;
    const auto size = std::filesystem::file_size(tracePath, error);
    return error ? 0 : static_cast<size_t>(size);
}

}  // namespace keyloom::bench
