#include "SimControl.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>

#include "SimBackend.h"

namespace zozodiz {

namespace {

constexpr size_t kLongestLine = 64;
constexpr uint16_t kBankKeyCode = 0x02FF;
constexpr int kNoNumber = 0;  // as the base of a command that takes none

struct ControlCommand {
    std::string_view word;
    int base;  // of its number; kNoNumber when it takes none
    uint32_t lowest;
    uint32_t highest;
    int (*run)(SimBackend& keyboard, uint32_t number);
};

constexpr ControlCommand kControlCommands[] = {
    {"plug", kNoNumber, 0, 0, [](SimBackend& k, uint32_t) { return k.Plug(); }},
    {"unplug", kNoNumber, 0, 0, [](SimBackend& k, uint32_t) { return k.Unplug(); }},
    {"bank", kNoNumber, 0, 0,
     [](SimBackend& k, uint32_t) { return k.SendConsumerCode(kBankKeyCode); }},
    {"consumer", 16, 0, 0xFFFF,
     [](SimBackend& k, uint32_t code) { return k.SendConsumerCode(static_cast<uint16_t>(code)); }},
    {"profile", 10, 1, 3,
     [](SimBackend& k, uint32_t profile) { return k.SwitchProfileOnKeyboard(profile - 1); }},
    {"mode", 10, 1, 255,
     [](SimBackend& k, uint32_t mode) {
         return k.ChangeModeOnKeyboard(static_cast<uint8_t>(mode));
     }},
};

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool NumberIn(std::string_view text, const ControlCommand& command, uint32_t& number) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number, command.base);
    return error == std::errc() && stop == end && number >= command.lowest &&
           number <= command.highest;
}

}  // namespace

bool RunSimControlLine(SimBackend& keyboard, std::string_view line) {
    line = Trimmed(line);
    const size_t space = line.find(' ');
    const std::string_view word = line.substr(0, space);
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view() : Trimmed(line.substr(space));
    for (const ControlCommand& command : kControlCommands) {
        if (command.word != word) {
            continue;
        }
        uint32_t number = 0;
        const bool fits =
            command.base == kNoNumber ? rest.empty() : NumberIn(rest, command, number);
        return fits && command.run(keyboard, number) != 0;
    }
    return false;
}

SimControl::~SimControl() {
    Stop();
}

bool SimControl::Start(const std::string& path, LineHandler handler) {
    if (mkfifo(path.c_str(), 0600) != 0 && errno != EEXIST) {
        return false;
    }
    // Opened for writing too, so that the open does not wait for a writer and a writer closing
    // its end is no end of input.
    fifo_ = open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    stop_ = eventfd(0, EFD_CLOEXEC);
    if (fifo_ < 0 || stop_ < 0) {
        Stop();
        return false;
    }
    handler_ = std::move(handler);
    thread_ = std::thread(&SimControl::Run, this);
    return true;
}

void SimControl::Stop() {
    if (thread_.joinable()) {
        const uint64_t one = 1;
        (void)write(stop_, &one, sizeof one);
        thread_.join();
    }
    for (int* fd : {&fifo_, &stop_}) {
        if (*fd >= 0) {
            close(*fd);
            *fd = -1;
        }
    }
}

void SimControl::Run() {
    pollfd watched[] = {{fifo_, POLLIN, 0}, {stop_, POLLIN, 0}};
    char buffer[256];
    for (;;) {
        if (poll(watched, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (watched[1].revents != 0) {
            return;
        }
        const ssize_t got = read(fifo_, buffer, sizeof buffer);
        if (got > 0) {
            TakeLines({buffer, static_cast<size_t>(got)});
        }
    }
}

void SimControl::TakeLines(std::string_view bytes) {
    for (const char c : bytes) {
        if (c == '\n') {
            if (!overlong_) {
                handler_(partial_);
            }
            partial_.clear();
            overlong_ = false;
        } else if (partial_.size() < kLongestLine) {
            partial_ += c;
        } else {
            overlong_ = true;
        }
    }
}

}  // namespace zozodiz
