#include "SimBackend.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdlib>

#include "WireTime.h"
#include "platform/AtomicFile.h"
#include "platform/UserFolders.h"

namespace zozodiz {

namespace {

constexpr size_t kCommandAt = 3;
constexpr size_t kStatusAt = 7;
constexpr uint8_t kBeginCommand = 1;
constexpr uint8_t kEndCommand = 2;
// What ZozAccessProblem names while access is denied.
constexpr char kNodePath[] = "/dev/hidraw-sim";
// How long the keyboard stays away while it restarts into its boot loader.
constexpr auto kBootAbsence = std::chrono::milliseconds(500);
constexpr uint32_t kProfiles = 3;
// The lighting area holds a record per profile, the mode first.
constexpr size_t kLightingRecordSize = SimMemory::kLightingSize / kProfiles;
// What the keyboard sends after a change made with its own keys.
constexpr uint16_t kLightingChangedCode = 0x0401;
constexpr uint16_t kProfileChangedCode = 0x0403;

bool IsOurCollection(Collection collection) {
    return collection == kConfigCollection || collection == kConsumerCollection ||
           collection == kBankStatusCollection;
}

// A fault changes what the keyboard answers, or keeps it from answering. A late answer is
// held back by the caller, unchanged.
std::optional<Report> ApplyFault(int fault, Report answer) {
    static constexpr struct {
        int fault;
        size_t byte;
        uint8_t value;
    } kFaultBytes[] = {
        {ZOZSIM_FAULT_STATUS_FE, kStatusAt, 0xFE},
        {ZOZSIM_FAULT_STATUS_FF, kStatusAt, 0xFF},
    };
    if (fault == ZOZSIM_FAULT_NO_ANSWER) {
        return std::nullopt;
    }
    if (fault == ZOZSIM_FAULT_WRONG_COMMAND) {
        answer[kCommandAt] = static_cast<uint8_t>(answer[kCommandAt] + 1);
    }
    for (const auto& entry : kFaultBytes) {
        if (entry.fault == fault) {
            answer[entry.byte] = entry.value;
        }
    }
    return answer;
}

}  // namespace

SimBackend::SimBackend() : memory_(SimMemory::Factory()), keyboard_(memory_) {}

SimBackend::~SimBackend() {
    Stop();
}

std::string SimBackend::StatePath() {
    const char* path = std::getenv("ZOZODIZ_SIM_STATE");
    if (path != nullptr && path[0] != '\0') {
        return path;
    }
    const std::string folder = keyloom::StateHome() + "/keyloom";
    keyloom::EnsureFolder(folder);
    return folder + "/zozodiz-sim.state";
}

bool SimBackend::Start(BackendEvents& events) {
    std::lock_guard lock(mutex_);
    events_ = &events;
    stopping_ = false;
    statePath_ = StatePath();
    const auto bytes = keyloom::ReadWholeFile(statePath_);
    const auto stored = bytes ? SimMemory::Deserialize(*bytes) : std::nullopt;
    // A missing or damaged state file means a keyboard fresh from the factory.
    memory_ = stored ? *stored : SimMemory::Factory();
    if (const char* faults = std::getenv("ZOZODIZ_SIM_FAULTS")) {
        InjectFaultsOfText(faults);
    }
    if (const char* control = std::getenv("ZOZODIZ_SIM_CONTROL")) {
        // Without its control input the keyboard still works; nothing moves it from outside.
        (void)control_.Start(
            control, [this](std::string_view line) { (void)RunSimControlLine(*this, line); });
    }
    // A keyboard in another process (a test of a whole program) that starts refused.
    const char* access = std::getenv("ZOZODIZ_SIM_ACCESS");
    if (access != nullptr && std::string_view(access) == "denied") {
        plugged_ = false;
        denied_ = true;
    }
    return true;
}

void SimBackend::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopped_.notify_all();
    control_.Stop();
    if (replug_.joinable()) {
        replug_.join();
    }
    std::lock_guard lock(mutex_);
    if (keyboard_.TakeChanged()) {
        SaveLocked();
    }
    events_ = nullptr;
}

unsigned SimBackend::DeviceCount(Collection collection) {
    std::lock_guard lock(mutex_);
    return plugged_ && IsOurCollection(collection) ? 1 : 0;
}

int SimBackend::WriteReport(Collection collection, const uint8_t* data, size_t length) {
    // The answer is on the wire from the moment the request was written: the keyboard's work
    // happens meanwhile.
    const auto written = std::chrono::steady_clock::now();
    uint32_t latency;
    {
        std::lock_guard lock(mutex_);
        if (!plugged_ || collection != kConfigCollection) {
            return 0;
        }
        latency = latencyMicroseconds_;
    }
    if (SimKeyboard::IsEnterBoot({data, length})) {
        WaitOnWire(written + std::chrono::microseconds(latency));
        Unplug();
        if (replug_.joinable()) {
            replug_.join();
        }
        replug_ = std::thread(&SimBackend::ReplugAfterBoot, this);
        return 1;
    }
    const auto answers = AnswerRequest(data, length);
    if (!answers) {
        Unplug();
        return 1;
    }
    WaitOnWire(written + std::chrono::microseconds(latency));
    BackendEvents* events = events_;
    for (const Report& answer : *answers) {
        if (events != nullptr) {
            events->OnAnswer(kConfigCollection, answer.data(), answer.size());
        }
    }
    return 1;
}

std::optional<std::vector<Report>> SimBackend::AnswerRequest(const uint8_t* data, size_t length) {
    std::lock_guard lock(mutex_);
    ++requestCount_;
    const auto fault = faults_.find(requestCount_);
    if (fault != faults_.end() && fault->second == ZOZSIM_FAULT_UNPLUG) {
        faults_.erase(fault);
        return std::nullopt;
    }
    auto answer = keyboard_.Answer({data, length});
    // The memory goes to the file when a write sequence ends, or at once for a write sent on
    // its own (the active profile is changed that way).
    const uint8_t command = length > kCommandAt ? data[kCommandAt] : 0;
    if (command == kBeginCommand || command == kEndCommand) {
        inSequence_ = command == kBeginCommand;
    }
    if (!inSequence_ && keyboard_.TakeChanged()) {
        SaveLocked();
    }
    if (fault != faults_.end() && answer) {
        if (fault->second == ZOZSIM_FAULT_LATE_ANSWER) {
            late_.FallBehind();
        }
        answer = ApplyFault(fault->second, *answer);
        faults_.erase(fault);
    }
    return late_.Pass(answer);
}

int SimBackend::WriteStatus(Collection collection, const uint8_t* data, size_t length) {
    std::lock_guard lock(mutex_);
    if (!plugged_ || collection != kBankStatusCollection || length != sizeof bankStatus_) {
        return 0;
    }
    std::copy_n(data, length, bankStatus_);
    return 1;
}

std::string SimBackend::AccessProblem() {
    std::lock_guard lock(mutex_);
    return denied_ ? kNodePath : "";
}

int SimBackend::Plug() {
    SetReach(true, false);
    return 1;
}

int SimBackend::Unplug() {
    SetReach(false, false);
    return 1;
}

int SimBackend::DenyAccess() {
    SetReach(false, true);
    return 1;
}

void SimBackend::SetReach(bool plugged, bool denied) {
    BackendEvents* events;
    {
        std::lock_guard lock(mutex_);
        denied_ = denied;
        if (plugged_ == plugged) {
            return;
        }
        plugged_ = plugged;
        late_.Clear();
        events = events_;
    }
    if (events != nullptr) {
        events->OnDeviceCount(plugged ? 1 : 0);
    }
}

void SimBackend::ReplugAfterBoot() {
    {
        std::unique_lock lock(mutex_);
        if (stopped_.wait_for(lock, kBootAbsence, [this] { return stopping_; })) {
            return;
        }
    }
    Plug();
}

int SimBackend::SendConsumerCode(uint16_t code) {
    BackendEvents* events;
    {
        std::lock_guard lock(mutex_);
        if (!plugged_) {
            return 0;
        }
        events = events_;
    }
    const uint8_t payload[2] = {static_cast<uint8_t>(code), static_cast<uint8_t>(code >> 8)};
    if (events != nullptr) {
        events->OnInputReport(kConsumerCollection, payload, sizeof payload);
    }
    return 1;
}

int SimBackend::SwitchProfileOnKeyboard(uint32_t profile) {
    {
        std::lock_guard lock(mutex_);
        if (!plugged_ || profile >= kProfiles) {
            return 0;
        }
        memory_.Area(ZOZSIM_AREA_CONFIG)[SimMemory::kActiveProfileByte] =
            static_cast<uint8_t>(profile);
        SaveLocked();
    }
    return SendConsumerCode(kProfileChangedCode);
}

int SimBackend::ChangeModeOnKeyboard(uint8_t mode) {
    {
        std::lock_guard lock(mutex_);
        const size_t profile = memory_.Area(ZOZSIM_AREA_CONFIG)[SimMemory::kActiveProfileByte];
        if (!plugged_ || profile >= kProfiles) {
            return 0;
        }
        memory_.Area(ZOZSIM_AREA_LIGHTING)[profile * kLightingRecordSize] = mode;
        SaveLocked();
    }
    return SendConsumerCode(kLightingChangedCode);
}

int SimBackend::SetLatency(uint32_t microseconds) {
    std::lock_guard lock(mutex_);
    latencyMicroseconds_ = microseconds;
    return 1;
}

int SimBackend::InjectFault(uint32_t nth, int fault) {
    std::lock_guard lock(mutex_);
    return InjectFaultLocked(nth, fault) ? 1 : 0;
}

bool SimBackend::InjectFaultLocked(uint32_t nth, int fault) {
    if (nth == 0 || fault < ZOZSIM_FAULT_NO_ANSWER || fault > ZOZSIM_FAULT_UNPLUG) {
        return false;
    }
    faults_[requestCount_ + nth] = fault;
    return true;
}

// "N:KIND,N:KIND...": the faults of ZozSim_InjectFault, for a keyboard in another process (a
// test of a whole program). An entry that is not two numbers is skipped.
void SimBackend::InjectFaultsOfText(std::string_view text) {
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view entry = text.substr(0, comma);
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
        uint32_t nth = 0;
        int fault = 0;
        const char* end = entry.data() + entry.size();
        const auto [colon, nthError] = std::from_chars(entry.data(), end, nth);
        if (nthError != std::errc() || colon == end || *colon != ':') {
            continue;
        }
        const auto [stop, faultError] = std::from_chars(colon + 1, end, fault);
        if (faultError == std::errc() && stop == end) {
            InjectFaultLocked(nth, fault);
        }
    }
}

int SimBackend::FactoryReset() {
    {
        std::lock_guard lock(mutex_);
        memory_ = SimMemory::Factory();
        faults_.clear();
        late_.Clear();
        latencyMicroseconds_ = 0;
        requestCount_ = 0;
        inSequence_ = false;
        bankStatus_[0] = bankStatus_[1] = 0;
        keyboard_.TakeChanged();
        SaveLocked();
    }
    Plug();
    return 1;
}

int SimBackend::ReadMemory(int area, uint32_t offset, uint8_t* out, uint32_t length) {
    std::lock_guard lock(mutex_);
    const auto bytes = memory_.Area(area);
    if (out == nullptr || static_cast<uint64_t>(offset) + length > bytes.size()) {
        return 0;
    }
    std::copy_n(bytes.begin() + offset, length, out);
    return 1;
}

int SimBackend::WriteMemory(int area, uint32_t offset, const uint8_t* data, uint32_t length) {
    std::lock_guard lock(mutex_);
    const auto bytes = memory_.Area(area);
    if (data == nullptr || static_cast<uint64_t>(offset) + length > bytes.size()) {
        return 0;
    }
    std::copy_n(data, length, bytes.begin() + offset);
    SaveLocked();
    return 1;
}

int SimBackend::BankStatus(uint8_t* out2) {
    std::lock_guard lock(mutex_);
    if (out2 == nullptr) {
        return 0;
    }
    std::copy_n(bankStatus_, 2, out2);
    return 1;
}

uint32_t SimBackend::RequestCount() {
    std::lock_guard lock(mutex_);
    return requestCount_;
}

void SimBackend::SaveLocked() {
    // The keyboard keeps its memory either way; a file that cannot be written is logged. A
    // crash never leaves half a file; waiting for the disk as well would hold up the answer to
    // the end of every write sequence.
    (void)keyloom::WriteFileAtomically(statePath_, memory_.Serialize(), keyloom::FileSync::kNoWait);
}

std::unique_ptr<Backend> MakeSimBackend() {
    return std::make_unique<SimBackend>();
}

}  // namespace zozodiz
