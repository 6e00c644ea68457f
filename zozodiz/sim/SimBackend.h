#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "Backend.h"
#include "LateAnswers.h"
#include "SimControl.h"
#include "SimKeyboard.h"
#include "SimMemory.h"

namespace zozodiz {

// The virtual keyboard as a backend: one keyboard, plugged in from the start, that keeps its
// memory in a state file (ZOZODIZ_SIM_STATE, by default under the user's state folder) so it
// remembers what was written, like the real one.
class SimBackend final : public Backend {
  public:
    SimBackend();
    ~SimBackend() override;

    bool Start(BackendEvents& events) override;
    void Stop() override;
    unsigned DeviceCount(Collection collection) override;
    int WriteReport(Collection collection, const uint8_t* data, size_t length) override;
    int WriteStatus(Collection collection, const uint8_t* data, size_t length) override;
    std::string AccessProblem() override;

    // What tests and benchmarks drive.
    int Plug();
    int Unplug();
    int DenyAccess();
    int SendConsumerCode(uint16_t code);
    // The keyboard's own keys: each changes its memory and tells the tool with a consumer code.
    int SwitchProfileOnKeyboard(uint32_t profile);
    int ChangeModeOnKeyboard(uint8_t mode);
    int SetLatency(uint32_t microseconds);
    int InjectFault(uint32_t nth, int fault);
    int FactoryReset();
    int ReadMemory(int area, uint32_t offset, uint8_t* out, uint32_t length);
    int WriteMemory(int area, uint32_t offset, const uint8_t* data, uint32_t length);
    int BankStatus(uint8_t* out2);
    uint32_t RequestCount();

    static std::string StatePath();

  private:
    // The answers the request puts on the wire, in order (none, one, or a late one first);
    // nothing when the keyboard is pulled out instead.
    std::optional<std::vector<Report>> AnswerRequest(const uint8_t* data, size_t length);
    // Plugged in or out, reachable or refused; a change of the device count is announced.
    void SetReach(bool plugged, bool denied);
    void ReplugAfterBoot();
    void SaveLocked();
    bool InjectFaultLocked(uint32_t nth, int fault);
    void InjectFaultsOfText(std::string_view text);

    std::mutex mutex_;  // guards everything below; never held while raising an event
    std::atomic<BackendEvents*> events_{nullptr};
    SimMemory memory_;
    SimKeyboard keyboard_;
    std::string statePath_;
    bool plugged_ = true;
    bool denied_ = false;  // plugged in, but its node may not be opened: no keyboard to the tool
    uint32_t latencyMicroseconds_ = 0;
    uint32_t requestCount_ = 0;
    bool inSequence_ = false;         // between a begin and an end command
    std::map<uint32_t, int> faults_;  // request number -> fault
    LateAnswers late_;
    uint8_t bankStatus_[2] = {0, 0};
    std::thread replug_;
    SimControl control_;
    bool stopping_ = false;  // under mutex_
    std::condition_variable stopped_;
};

}  // namespace zozodiz
