#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ZozSim.h"
#include "device/DeviceLink.h"

namespace keyloom::test {

// A configuration request as the keyboard received it.
struct WrittenRequest {
    int command;
    int length;
    int offset;
    std::vector<uint8_t> data;  // as many bytes as the length field says
};

// Tests that talk to the virtual keyboard through the real libZozOdiz.so: the library is bound
// once per test program (as in the tool), with its state file and trace in the test's private
// folder; every test starts from a factory-fresh, plugged-in keyboard.
class SimKeyboardTest : public ::testing::Test {
  public:
    static DeviceLink& Link();
    static ReportExchange& Exchange() { return Link().Exchange(); }
    // Trace lines written since this test started, optionally only those of one kind.
    std::vector<std::string> TraceLines(char kind = 0) const;
    // The configuration requests written since this test started.
    std::vector<WrittenRequest> WrittenRequests() const;

  protected:
    static void SetUpTestSuite();
    void SetUp() override;

    static const std::string& StatePath();
    // Ends the library and starts it again, as a new start of the tool would; the virtual
    // keyboard reloads its state file.
    static void RestartLibrary();

    // Requests the keyboard received since this test started.
    uint32_t Requests() const { return ZozSim_RequestCount(); }
    // The nth following request is answered with status 0xFF, and so are its two retries: that
    // exchange fails, wherever it stands.
    static void RefuseExchange(uint32_t nth);

  private:
    size_t traceStart_ = 0;
};

// "W 04 2f ..." split into the bytes after the kind letter.
std::vector<int> TraceBytes(const std::string& line);

}  // namespace keyloom::test
