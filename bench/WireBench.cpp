// What the user waits for on the virtual keyboard with 1 ms per report, the modelled USB frame:
// wall time per run and its ratio to the wire's floor (exchanges times 1 ms plus the pauses the
// keyboard wants), counted from the transport's trace.

#include <benchmark/benchmark.h>
#include <sys/prctl.h>

#include <chrono>
#include <thread>

#include "BenchMacros.h"
#include "SimSession.h"
#include "WireFloor.h"
#include "ZozSim.h"
#include "session/ActiveProfile.h"
#include "session/ApplyPipeline.h"
#include "session/LightingOperations.h"
#include "session/ProfileOperations.h"
#include "session/ProfileReload.h"
#include "storage/UserDataFolder.h"

namespace keyloom::bench {
namespace {

using Clock = std::chrono::steady_clock;
using Microseconds = std::chrono::duration<double, std::micro>;

constexpr std::chrono::microseconds kReportTime{1000};
constexpr size_t kMacroBytes = 4096;
constexpr int kStrokesPerMacro = 24;

SimSession& Sim() {
    return SimSession::Instance(true);
}

// Runs `prepare` untimed and `run` timed in every iteration, and reports the run's wall time
// against the floor of the exchanges it made.
template <typename Prepare, typename Run>
void OnTheWire(benchmark::State& state, Prepare&& prepare, Run&& run) {
    SimSession& sim = Sim();
    Microseconds wall{0};
    Microseconds floor{0};
    int exchanges = 0;
    for (auto _ : state) {
        prepare(sim);
        ZozSim_SetLatency(static_cast<uint32_t>(kReportTime.count()));
        const size_t from = TraceSize(sim.TracePath());
        const auto start = Clock::now();
        run(sim);
        const Microseconds took = Clock::now() - start;
        ZozSim_SetLatency(0);
        state.SetIterationTime(took.count() / 1e6);
        const WireCount count = CountWire(sim.TracePath(), from);
        wall += took;
        floor += count.Floor(kReportTime);
        exchanges += count.exchanges;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["exchanges"] = exchanges / runs;
    state.counters["floor_ms"] = floor.count() / 1000 / runs;
    state.counters["ratio"] = wall / floor;
}

// The working profile with 4 KiB of macros, applied once so that the keyboard and the snapshot
// hold them.
void LoadMacros(SimSession& sim) {
    KeyboardSession& session = sim.Session();
    {
        std::lock_guard lock(session.context.profileLock);
        session.profile.macros = MacrosFilling(kMacroBytes, kStrokesPerMacro);
    }
    sim.Host().SetApplyEnabled(true);
    ApplyChanges(session);
    sim.Settle();
}

void ApplyActiveProfile(benchmark::State& state) {
    LoadMacros(Sim());
    OnTheWire(
        state, [](SimSession& sim) { sim.Host().SetApplyEnabled(true); },
        [](SimSession& sim) { ApplyChanges(sim.Session()); });
    Sim().Settle();
}

void RestoreThreeProfiles(benchmark::State& state) {
    LoadMacros(Sim());
    const std::string backup = Sim().Folder() + "/three-profiles.qvp";
    if (ExportProfileFile(Sim().Session(), backup) != PROFILE_FILE_OK) {
        state.SkipWithError("cannot write the backup");
        return;
    }
    OnTheWire(
        state, [](SimSession&) {},
        [&backup](SimSession& sim) { (void)ImportProfileFile(sim.Session(), backup); });
}

// The device count reaches the session through a transport thread, which starts the worker:
// until then there is no worker to wait for. The session has no event for it, so it is looked
// at often enough not to matter beside a run of tens of milliseconds.
void SettleAtDeviceCount(SimSession& sim, unsigned count) {
    constexpr std::chrono::microseconds kLookAgain{50};
    while (sim.Session().context.deviceCount != count) {
        std::this_thread::sleep_for(kLookAgain);
    }
    sim.Settle();
}

// Plugging the keyboard in: its factory table, configuration, key tables and macros are read
// back and the working profile is rebuilt, until every worker is done.
void ArrivalReload(benchmark::State& state) {
    LoadMacros(Sim());
    OnTheWire(
        state,
        [](SimSession& sim) {
            ZozSim_Unplug();
            SettleAtDeviceCount(sim, 0);
        },
        [](SimSession& sim) {
            ZozSim_Plug();
            SettleAtDeviceCount(sim, 1);
        });
}

// The lighting panel's mode box: begin, the mode and multicolour bytes, end.
void LightingChange(benchmark::State& state) {
    class NoDisplay final : public LightingDisplay {
        void ClearModeBox() override {}
        int SelectedModeItem() const override { return -1; }
        void SetKeyFrame(int, bool, Color) override {}
        void FillPresetBox(std::span<const std::string>) override {}
    };
    LightingState lighting;
    NoDisplay display;
    const UserDataFolder files = UserDataFolder::OfThisUser();
    LightingContext context{Sim().Session().link.Exchange(), lighting, display, files};
    if (!lighting.SelectProfile(GetActiveProfile(Sim().Session()))) {
        state.SkipWithError("no active profile");
        return;
    }
    int mode = 1;
    OnTheWire(
        state, [&mode](SimSession&) { mode = mode % 2 + 1; },
        [&](SimSession&) { (void)WriteMode(context, mode); });
}

// What the machine itself adds to every report: a wait of one report time to an absolute
// deadline, with the finest timer slack, as the virtual keyboard waits.
void MachineWakeUp(benchmark::State& state) {
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    for (auto _ : state) {
        const auto start = Clock::now();
        std::this_thread::sleep_until(start + kReportTime);
        state.SetIterationTime(Microseconds(Clock::now() - start).count() / 1e6);
    }
}

BENCHMARK(MachineWakeUp)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(ApplyActiveProfile)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RestoreThreeProfiles)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ArrivalReload)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(LightingChange)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace keyloom::bench
