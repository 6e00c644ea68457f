#include "support/SimKeyboardFixture.h"

#include <stdlib.h>

#include <sstream>

#include "device/ConfigReport.h"
#include "session/DeviceChannels.h"
#include "session/TransportCallback.h"
#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {

namespace {

DeviceLink* boundLink = nullptr;
DeviceChannels* channels = nullptr;

std::string& TracePath() {
    static std::string path;
    return path;
}

// Empty until the library has written its first line.
std::string ReadTrace() {
    return FileText(TracePath()).value_or("");
}

// Consumer codes and device-count changes reach the session a test attaches, if any.
void OpenChannels() {
    ASSERT_EQ(channels->OpenControlChannel(), 1);
    ASSERT_EQ(channels->OpenConsumerChannel(), 1);
}

}  // namespace

void SimKeyboardTest::SetUpTestSuite() {
    if (boundLink != nullptr) {
        return;
    }
    const std::string folder = MakeTemporaryFolder();
    TracePath() = folder + "/trace.txt";
    setenv("ZOZODIZ_BACKEND", "sim", 1);
    setenv("ZOZODIZ_TRACE", TracePath().c_str(), 1);
    setenv("ZOZODIZ_SIM_STATE", (folder + "/sim.state").c_str(), 1);
    std::string whyNot;
    auto link = DeviceLink::Bind(KEYLOOM_BIN_DIR, whyNot);
    ASSERT_NE(link, nullptr) << whyNot;
    boundLink = link.release();  // the library calls into it until the program ends
    AttachDeviceLink(boundLink);
    channels = new DeviceChannels(*boundLink);
    OpenChannels();
}

void SimKeyboardTest::RefuseExchange(uint32_t nth) {
    constexpr uint32_t kAttempts = 3;
    for (uint32_t attempt = 0; attempt < kAttempts; ++attempt) {
        ASSERT_EQ(ZozSim_InjectFault(nth + attempt, ZOZSIM_FAULT_STATUS_FF), 1);
    }
}

void SimKeyboardTest::RestartLibrary() {
    ASSERT_EQ(End(), 1);
    ASSERT_EQ(Init(0), 1);
    OpenChannels();
}

void SimKeyboardTest::SetUp() {
    ASSERT_NE(boundLink, nullptr);
    ASSERT_EQ(ZozSim_FactoryReset(), 1);
    traceStart_ = ReadTrace().size();
}

DeviceLink& SimKeyboardTest::Link() {
    return *boundLink;
}

const std::string& SimKeyboardTest::StatePath() {
    static const std::string path = getenv("ZOZODIZ_SIM_STATE");
    return path;
}

std::vector<std::string> SimKeyboardTest::TraceLines(char kind) const {
    std::istringstream text(ReadTrace().substr(traceStart_));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        if (kind == 0 || (!line.empty() && line[0] == kind)) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<WrittenRequest> SimKeyboardTest::WrittenRequests() const {
    std::vector<WrittenRequest> requests;
    for (const auto& line : TraceLines('W')) {
        const auto bytes = TraceBytes(line);
        const auto data = bytes.begin() + REPORT_DATA_AT;
        const int length = bytes[REPORT_LENGTH_AT];
        requests.push_back({bytes[REPORT_COMMAND_AT], length,
                            bytes[REPORT_OFFSET_AT] | (bytes[REPORT_OFFSET_AT + 1] << 8),
                            std::vector<uint8_t>(data, data + length)});
    }
    return requests;
}

std::vector<int> TraceBytes(const std::string& line) {
    std::istringstream text(line.size() > 2 ? line.substr(2) : "");
    std::vector<int> bytes;
    for (std::string hex; text >> hex;) {
        bytes.push_back(std::stoi(hex, nullptr, 16));
    }
    return bytes;
}

}  // namespace keyloom::test
