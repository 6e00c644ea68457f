// Every operation that talks to the keyboard, run once cleanly and then once for each kind of
// fault at each of its requests in turn. A fault the exchange retries over must leave exactly
// what the clean run left; a keyboard pulled out must leave what the operation promises for a
// keyboard that is gone: the working profile file old or wholly new, the change still pending
// when the keyboard was not fully written, and the documented result.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "device/ConfigCommands.h"
#include "device/ConfigReport.h"
#include "model/MacroRecord.h"
#include "platform/UserFolders.h"
#include "session/ApplyPipeline.h"
#include "session/DeviceStateWorker.h"
#include "session/LightingFixture.h"
#include "session/LightingOperations.h"
#include "session/ProfileOperations.h"
#include "session/ProfileReload.h"
#include "session/UserLighting.h"
#include "storage/ProfileFile.h"
#include "support/FileContents.h"
#include "support/RecordingWindowPort.h"
#include "support/SimMacros.h"

namespace keyloom::test {
namespace {

using Bytes = std::vector<uint8_t>;
using namespace std::chrono_literals;

// A silent keyboard costs one wait per faulty run; this one keeps the sweep short. An answer that
// comes later still (the keyboard saves its memory before it answers the end of a write) costs
// a retry, which the faulty runs allow; the clean run, which counts the requests, waits as long
// as the tool does.
constexpr auto kSweepAnswerWait = 50ms;
constexpr auto kAnswerWait = 1000ms;

constexpr ScanCode kKeyA = 0x1E;
constexpr ScanCode kKeyB = 0x30;
constexpr int kLightingProfile = 1;

struct FaultKind {
    const char* name;
    int fault;
};

constexpr FaultKind kFaultKinds[] = {
    {"no answer", ZOZSIM_FAULT_NO_ANSWER},     {"wrong command", ZOZSIM_FAULT_WRONG_COMMAND},
    {"status 0xFE", ZOZSIM_FAULT_STATUS_FE},   {"status 0xFF", ZOZSIM_FAULT_STATUS_FF},
    {"late answer", ZOZSIM_FAULT_LATE_ANSWER}, {"unplug", ZOZSIM_FAULT_UNPLUG},
};

// What one run left behind.
struct Outcome {
    std::vector<int> results;  // the result codes of the operation's steps that return one
    bool applyEnabled = false;
    std::vector<std::string> shownKeys;
    std::optional<Bytes> profileFile;
    Bytes workingProfile;           // in memory, as it would be saved
    std::optional<Bytes> lighting;  // the lighting records in memory; compared only when expected
    std::optional<Bytes> keyboard;  // its whole memory; compared only when expected
    uint32_t requests = 0;          // that reached the keyboard
};

// A session on the virtual keyboard as the window holds it, made afresh for each run, with its
// files in the scenario's folder.
struct Bench {
    explicit Bench(const std::string& folder)
        : session{context, SimKeyboardTest::Link(), {folder + "/", KEYLOOM_BIN_DIR, "Keyloom"}} {
        context.window = &window;
        uint8_t units = 0;
        EXPECT_EQ(ZozSim_ReadMemory(ZOZSIM_AREA_CONFIG, CONFIG_MACRO_UNITS, &units, 1), 1);
        context.macroCapacity = units * MACRO_MEMORY_UNIT;
        EXPECT_TRUE(lighting.state.SelectProfile(kLightingProfile));
    }

    std::string BackupPath() const { return session.paths.userFolder + "backup.qvp"; }

    AppContext context;
    RecordingWindowPort window;
    KeyboardSession session;
    std::vector<int> arrivalResults;  // written by the device-state worker
    LightingState state;
    RecordingDisplay display;
    UserDataFolder files{session.paths.userFolder + "VQ52R_EN",
                         std::string(KEYLOOM_SOURCE_DIR) + "resources/Skins/UserDengColor_3.userd"};
    LightingContext lighting{SimKeyboardTest::Exchange(), state, display, files};
};

// The clean run of a scenario, against which the faulty ones are measured.
struct Baseline {
    Outcome outcome;
    std::optional<Bytes> fileBefore;
    std::vector<int> commands;  // of its requests, in order
};

struct Scenario {
    const char* name;
    void (*prepare)(Bench&);  // sends nothing, so that faults count from the operation's start
    std::vector<int> (*run)(Bench&);
    // What the run leaves when the keyboard is pulled out at request `at` (from 1).
    Outcome (*unplugged)(const Baseline& clean, size_t at);
};

// Test names and failure messages show the names, not the bytes.
void PrintTo(const Scenario& scenario, std::ostream* out) {
    *out << scenario.name;
}

void PrintTo(const FaultKind& kind, std::ostream* out) {
    *out << kind.name;
}

MacroRecord SweepMacro() {
    MacroRecord macro;
    macro.SetName("Sweep");
    macro.SetId(1);
    const MacroEvent events[] = {{10, kKeyB, MACRO_PRESS}, {10, kKeyB, MACRO_RELEASE}};
    macro.SetEvents(events);
    return macro;
}

bool IsBracket(int command) {
    return command == CMD_BEGIN || command == CMD_END;
}

// The write the keyboard left at has its retry refused (-1) and every later one finds no
// keyboard (0); the bracket around lighting writes does not count.
int UnpluggedLightingResult(const std::vector<int>& commands, size_t at) {
    if (!IsBracket(commands[at - 1])) {
        return RESULT_SEND_REFUSED;
    }
    const bool writesFollow =
        std::any_of(commands.begin() + static_cast<std::ptrdiff_t>(at), commands.end(),
                    [](int command) { return !IsBracket(command); });
    return writesFollow ? RESULT_NO_DEVICE : RESULT_OK;
}

// The working profile file was saved before the write; the write failed, which the user is told,
// and the change stays pending.
Outcome UnpluggedWrite(const Baseline& clean) {
    Outcome expected = clean.outcome;
    expected.applyEnabled = true;
    expected.shownKeys = {"EXTRA_WRITE_FAILED"};
    expected.keyboard.reset();
    return expected;
}

// A lighting write touches no profile state; only its result and the keyboard change.
Outcome UnpluggedLighting(const Baseline& clean, size_t at) {
    Outcome expected = clean.outcome;
    expected.results = {UnpluggedLightingResult(clean.commands, at)};
    expected.keyboard.reset();
    return expected;
}

// The arrival only reads. The lighting read starts with the last configuration read; a keyboard
// gone before it leaves a blank working profile and its file as it was, and a failed read of the
// factory key table is said.
Outcome UnpluggedArrival(const Baseline& clean, size_t at) {
    const auto& commands = clean.commands;
    const size_t lightingRead = static_cast<size_t>(
        std::find(commands.rbegin(), commands.rend(), CMD_READ_CONFIG).base() - commands.begin());
    Outcome expected = clean.outcome;
    expected.lighting.reset();
    if (at >= lightingRead) {
        expected.results[1] = at == lightingRead ? LIGHTING_CONFIG_UNREADABLE : LIGHTING_READ_OK;
        return expected;
    }
    expected.results = {PROFILE_FILE_REFUSED, LIGHTING_CONFIG_UNREADABLE};
    expected.profileFile = clean.fileBefore;
    expected.workingProfile = clean.fileBefore.value_or(Bytes{});  // a blank profile
    expected.shownKeys.clear();
    if (commands[at - 1] == CMD_READ_DEFAULT_KEYS) {
        expected.shownKeys.push_back("MAIN_DEFAULT_MATRIX_PROMPT");
    }
    return expected;
}

const Scenario kScenarios[] = {
    {"apply",
     [](Bench& bench) {
         bench.context.activeProfileCache = 1;
         bench.session.profile.macros.push_back(SweepMacro());
         bench.session.profile.Assignments().SetEntry(1, kKeyA, {ASSIGN_KEY, 0, kKeyB});
         bench.window.SetApplyEnabled(true);
     },
     [](Bench& bench) -> std::vector<int> {
         ApplyChanges(bench.session);
         return {};
     },
     [](const Baseline& clean, size_t) { return UnpluggedWrite(clean); }},
    {"restore",
     [](Bench& bench) {
         WorkingProfile backup;
         for (int profile = 0; profile < KEY_BLOCK_COUNT; ++profile) {
             backup.Assignments().SetEntry(profile, kKeyA, {ASSIGN_KEY, 0, kKeyB});
         }
         backup.macros.push_back(SweepMacro());
         ASSERT_EQ(WriteProfileFile(bench.BackupPath(), backup), PROFILE_FILE_OK);
     },
     [](Bench& bench) -> std::vector<int> {
         return {ImportProfileFile(bench.session, bench.BackupPath())};
     },
     [](const Baseline& clean, size_t) {
         Outcome expected = UnpluggedWrite(clean);
         expected.results = {PROFILE_FILE_REFUSED};
         return expected;
     }},
    {"arrival reload",
     [](Bench& bench) {
         WriteMacrosToSim(2);
         bench.window.SetApplyEnabled(true);  // edits that the keyboard's arrival discards
         // The window's handler: the working profile is read back, then the lighting.
         bench.window.onSend = [&bench](uint32_t message, uintptr_t) {
             if (message == UM_PROFILE_RELOAD) {
                 bench.arrivalResults = {ReloadFromKeyboard(bench.session, 0),
                                         ReadLightingState(bench.lighting)};
             }
         };
     },
     [](Bench& bench) {
         StartDeviceStateWorker(bench.session, 1);
         WaitForSessionThreads(bench.session);
         return bench.arrivalResults;
     },
     UnpluggedArrival},
    {"colour write", [](Bench&) {},
     [](Bench& bench) -> std::vector<int> {
         const uint8_t rgb[3] = {0x12, 0x34, 0x56};
         return {WriteLightingBytes(bench.lighting, LIGHT_COLOR, rgb, sizeof rgb)};
     },
     UnpluggedLighting},
    {"mode write", [](Bench& bench) { bench.state.values.multicolor = true; },
     [](Bench& bench) -> std::vector<int> { return {WriteMode(bench.lighting, 9)}; },
     UnpluggedLighting},
    {"default lighting", [](Bench&) {},
     [](Bench& bench) -> std::vector<int> { return {WriteDefaultLighting(bench.lighting)}; },
     UnpluggedLighting},
    {"key colour upload",
     [](Bench& bench) {
         KeyColorTable& table = bench.state.ProfileColors();
         for (size_t at = 0; at < table.size(); ++at) {
             table[at] = static_cast<uint8_t>(at * 7);
         }
     },
     [](Bench& bench) -> std::vector<int> { return {UploadKeyColors(bench.lighting)}; },
     UnpluggedLighting},
};

Bytes KeyboardMemory() {
    uint8_t units = 0;
    EXPECT_EQ(ZozSim_ReadMemory(ZOZSIM_AREA_CONFIG, CONFIG_MACRO_UNITS, &units, 1), 1);
    const struct {
        int area;
        size_t size;
    } areas[] = {
        {ZOZSIM_AREA_CONFIG, CONFIG_BLOCK_SIZE},
        {ZOZSIM_AREA_LIGHTING, LIGHTING_PROFILE_COUNT * LIGHTING_RECORD_SIZE},
        {ZOZSIM_AREA_KEYS, KEY_BLOCK_COUNT * KEY_BLOCK_SIZE},
        {ZOZSIM_AREA_DEFAULT_KEYS, KEY_BLOCK_SIZE},
        {ZOZSIM_AREA_MACROS, units * MACRO_MEMORY_UNIT},
        {ZOZSIM_AREA_KEY_COLORS, LIGHTING_PROFILE_COUNT * KEY_COLOR_BANK_SIZE},
    };
    Bytes memory;
    for (const auto& area : areas) {
        Bytes bytes(area.size);
        EXPECT_EQ(ZozSim_ReadMemory(area.area, 0, bytes.data(), static_cast<uint32_t>(area.size)),
                  1)
            << "area " << area.area;
        memory.insert(memory.end(), bytes.begin(), bytes.end());
    }
    return memory;
}

// One scenario with one kind of fault, so that the sweeps run as tests of their own.
using SweepCase = std::tuple<Scenario, FaultKind>;

class FaultSweepTest : public SimKeyboardTest, public ::testing::WithParamInterface<SweepCase> {
  protected:
    void SetUp() override {
        SimKeyboardTest::SetUp();
        ASSERT_TRUE(EnsureFolder(folder_));
    }
    void TearDown() override {
        for (const auto& bench : retired_) {
            WaitForSessionThreads(bench->session);
        }
        Exchange().SetAnswerWait(kAnswerWait);
    }

    std::string WorkingProfileFile() const { return folder_ + "/$Profile0"; }

    // A fresh keyboard and bench, the working profile file as the last apply left it, then the
    // scenario's own state.
    Bench& Prepare(const Scenario& scenario) {
        EXPECT_EQ(ZozSim_FactoryReset(), 1);
        bench_ = std::make_unique<Bench>(folder_);
        EXPECT_EQ(WriteBlankProfileFile(WorkingProfileFile(), 0), PROFILE_FILE_OK);
        scenario.prepare(*bench_);
        return *bench_;
    }

    Outcome Run(const Scenario& scenario, Bench& bench) {
        Outcome outcome;
        const uint32_t before = Requests();
        outcome.results = scenario.run(bench);
        outcome.requests = Requests() - before;
        outcome.applyEnabled = bench.window.ApplyEnabled();
        outcome.shownKeys = bench.window.Recorded().shownKeys;
        outcome.profileFile = FileBytes(WorkingProfileFile());
        {
            std::lock_guard lock(bench.context.profileLock);
            WorkingProfile profile = bench.session.profile;
            outcome.workingProfile = EncodeProfileFile(profile);
        }
        outcome.lighting.emplace();
        for (const LightingRecord& record : bench.state.records) {
            outcome.lighting->insert(outcome.lighting->end(), record.begin(), record.end());
        }
        outcome.keyboard = KeyboardMemory();
        Retire();
        return outcome;
    }

    Baseline CleanRun(const Scenario& scenario) {
        Bench& bench = Prepare(scenario);
        Baseline clean;
        clean.fileBefore = FileBytes(WorkingProfileFile());
        const size_t written = WrittenRequests().size();
        clean.outcome = Run(scenario, bench);
        const auto all = WrittenRequests();
        for (size_t at = written; at < all.size(); ++at) {
            clean.commands.push_back(all[at].command);
        }
        EXPECT_EQ(clean.commands.size(), clean.outcome.requests);
        return clean;
    }

    Outcome FaultyRun(const Scenario& scenario, int fault, uint32_t at) {
        Bench& bench = Prepare(scenario);
        EXPECT_EQ(ZozSim_InjectFault(at, fault), 1);
        return Run(scenario, bench);
    }

  private:
    // A bench goes once the threads it started have ended (the busy indicator of an apply
    // lingers a moment), so that no run waits for them.
    void Retire() {
        std::erase_if(retired_,
                      [](const auto& bench) { return bench->session.threads.AllEnded(); });
        retired_.push_back(std::move(bench_));
    }

    const std::string folder_ = MakeTemporaryFolder() + "/user";
    std::unique_ptr<Bench> bench_;
    std::vector<std::unique_ptr<Bench>> retired_;
};

// The fault must have happened: a retry costs a request more; a keyboard pulled out hears nothing
// after the request it left at.
void ExpectRequests(uint32_t requests, const Baseline& clean, int fault, uint32_t at,
                    const std::string& what) {
    if (fault == ZOZSIM_FAULT_UNPLUG) {
        EXPECT_EQ(requests, at) << what;
    } else {
        EXPECT_GT(requests, clean.outcome.requests) << what;
    }
}

void ExpectOutcome(const Outcome& outcome, const Outcome& expected, const std::string& what) {
    EXPECT_EQ(outcome.results, expected.results) << what;
    EXPECT_EQ(outcome.applyEnabled, expected.applyEnabled) << what << ": Apply enabled";
    EXPECT_EQ(outcome.shownKeys, expected.shownKeys) << what;
    EXPECT_TRUE(outcome.profileFile == expected.profileFile) << what << ": working profile file";
    EXPECT_TRUE(outcome.workingProfile == expected.workingProfile) << what << ": working profile";
    if (expected.lighting) {
        EXPECT_TRUE(outcome.lighting == expected.lighting) << what << ": lighting in memory";
    }
    if (expected.keyboard) {
        EXPECT_TRUE(outcome.keyboard == expected.keyboard) << what << ": keyboard memory";
    }
}

TEST_P(FaultSweepTest, TheFaultAtEachRequestEndsAsSpecified) {
    const auto& [scenario, kind] = GetParam();
    const Baseline clean = CleanRun(scenario);
    ASSERT_FALSE(clean.commands.empty()) << scenario.name;
    Exchange().SetAnswerWait(kSweepAnswerWait);
    const bool unplugs = kind.fault == ZOZSIM_FAULT_UNPLUG;
    for (uint32_t at = 1; at <= clean.commands.size(); ++at) {
        const std::string what = std::string(scenario.name) + ", " + kind.name + " at request " +
                                 std::to_string(at) + " of " +
                                 std::to_string(clean.commands.size());
        const Outcome outcome = FaultyRun(scenario, kind.fault, at);
        ExpectRequests(outcome.requests, clean, kind.fault, at, what);
        ExpectOutcome(outcome, unplugs ? scenario.unplugged(clean, at) : clean.outcome, what);
    }
}

std::string SweepName(const ::testing::TestParamInfo<SweepCase>& info) {
    std::string name =
        std::string(std::get<0>(info.param).name) + " " + std::get<1>(info.param).name;
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Operations, FaultSweepTest,
                         ::testing::Combine(::testing::ValuesIn(kScenarios),
                                            ::testing::ValuesIn(kFaultKinds)),
                         SweepName);

}  // namespace
}  // namespace keyloom::test
