// The tool's own work per exchange: with no time on the wire, the CPU time of the whole process
// (tool, transport library and virtual keyboard) for one configuration read.

#include <benchmark/benchmark.h>

#include "SimSession.h"
#include "ZozSim.h"
#include "device/ConfigCommands.h"

namespace keyloom::bench {
namespace {

void CpuPerExchange(benchmark::State& state) {
    ReportExchange& exchange = SimSession::Instance(false).Session().link.Exchange();
    ZozSim_SetLatency(0);
    uint8_t config[CONFIG_BLOCK_SIZE];
    for (auto _ : state) {
        if (CmdReadConfig(exchange, config) != RESULT_OK) {
            state.SkipWithError("the exchange failed");
            return;
        }
    }
}

BENCHMARK(CpuPerExchange)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace keyloom::bench
