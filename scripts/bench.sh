#!/usr/bin/env bash
# Builds the benchmarks and Keyloom in a Release folder of their own, runs them, prints one table
# and writes bench/results.md: the machine, the date and every figure beside its goal.
#   bash scripts/bench.sh [build folder]     (default build-bench)
# KEYLOOM_BENCH_RUNS sets how many runs each median is taken over (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
runs=${KEYLOOM_BENCH_RUNS:-5}
bash scripts/install-deps.sh python3

# -O2 as the package is built; GCC 12 at -O3 warns falsely inside the standard library.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
    -DKEYLOOM_WITH_GUI=ON >/dev/null
cmake --build "$build" -j "$(bash scripts/jobs.sh)" --target keyloom_wire_bench \
    keyloom_exchange_cpu_bench keyloom_codec_bench keyloom_preview_bench Keyloom RaRovovo

bin=$(cd "$build/bin" && pwd)
work=$(mktemp -d)
# Every start of Keyloom leaves its companion program running; ours is known by its runtime
# folder.
cleanup() {
    for daemon in $(pgrep -x RaRovovo || true); do
        if tr '\0' '\n' <"/proc/$daemon/environ" 2>/dev/null |
            grep -qx "XDG_RUNTIME_DIR=$work/runtime"; then
            kill "$daemon"
        fi
    done
    rm -rf "$work"
}
trap cleanup EXIT
export TMPDIR=$work

# Every benchmark program, each figure the median of the runs.
for program in wire exchange_cpu codec preview; do
    echo "running keyloom_${program}_bench" >&2
    "$build/bench/keyloom_${program}_bench" --benchmark_repetitions="$runs" \
        --benchmark_report_aggregates_only=true --benchmark_format=json \
        --benchmark_out="$work/$program.json" --benchmark_out_format=json >/dev/null
done

# Keyloom in a home of its own on the virtual keyboard, drawn offscreen.
keyloom_env() {
    env HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
        XDG_STATE_HOME="$work/home/state" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=offscreen KEYLOOM_LOG=info "$@"
}
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

# Resident memory (KiB), CPU ticks and voluntary context switches of all threads of a process.
resident_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
switches() { cat "/proc/$1"/task/*/status | awk '/^voluntary_ctxt_switches:/ { s += $2 } END { print s }'; }

idle_seconds=10
ticks_per_second=$(getconf CLK_TCK)
: >"$work/process.tsv"
for ((run = 1; run <= runs; run++)); do
    echo "starting Keyloom ($run of $runs)" >&2
    start=$(date +%s%N)
    exec {output}< <(keyloom_env "$bin/Keyloom" --simulate 2>&1 >/dev/null)
    launcher=$!
    shown=
    while IFS= read -r line <&"$output"; do
        if [[ $line == *"the main window is shown"* ]]; then
            shown=$(date +%s%N)
            break
        fi
    done
    # The rest of its output is read, so that it never waits on a full pipe.
    cat <&"$output" >/dev/null &
    drain=$!
    exec {output}<&-
    if [ -z "$shown" ]; then
        echo "Keyloom ended before it showed its window" >&2
        exit 1
    fi
    sleep 2
    pid=$(pgrep -P "$launcher" -x Keyloom || echo "$launcher")
    cpu_before=$(cpu_ticks "$pid")
    switches_before=$(switches "$pid")
    sleep "$idle_seconds"
    printf '%s\t%s\t%s\t%s\n' $(((shown - start) / 1000)) "$(resident_kib "$pid")" \
        $(($(cpu_ticks "$pid") - cpu_before)) $(($(switches "$pid") - switches_before)) \
        >>"$work/process.tsv"
    keyloom_env "$bin/Keyloom" /Kill
    wait "$drain" || true
done

python3 - "$work" "$runs" "$idle_seconds" "$ticks_per_second" <<'EOF'
import datetime, json, os, statistics, sys

work, runs, idle_seconds, ticks_per_second = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])

def medians(program):
    with open(os.path.join(work, program + ".json")) as file:
        report = json.load(file)
    return {b["run_name"]: b for b in report["benchmarks"] if b.get("aggregate_name") == "median"}

wire, cpu, codec, preview = (medians(p) for p in ("wire", "exchange_cpu", "codec", "preview"))
rows = []  # figure, value, goal, met (None: no goal)

def row(figure, value, goal, met):
    rows.append((figure, value, goal, "-" if met is None else "yes" if met else "NO"))

scenarios = {
    "ApplyActiveProfile": "apply of the active profile, 4 KiB of macros",
    "RestoreThreeProfiles": "restore of three profiles and 4 KiB of macros (.qvp)",
    "ArrivalReload": "arrival reload (plug-in read-back)",
    "LightingChange": "lighting change (mode box)",
}
for name, figure in scenarios.items():
    b = wire[name + "/manual_time"]
    row(f"{figure}: {b['real_time']:.1f} ms wall, {b['exchanges']:.0f} exchanges, floor {b['floor_ms']:.1f} ms",
        f"{b['ratio']:.3f} x floor", "<= 1.05 x floor", b["ratio"] <= 1.05)

wake = wire["MachineWakeUp/manual_time"]
row("machine: a sleep of one report time (1 ms, finest timer slack) wakes after",
    f"{wake['real_time']:.0f} us", "-", None)
per_exchange = cpu["CpuPerExchange/process_time"]
row("CPU time per exchange (latency 0, whole process)", f"{per_exchange['cpu_time']:.1f} us",
    "<= 20 us", per_exchange["cpu_time"] <= 20)

ticks = [b for name, b in preview.items() if name.startswith("PreviewTick/")]
slowest = max(ticks, key=lambda b: b["cpu_time"])
row(f"preview tick, slowest of {len(ticks)} (mode/multicolour {slowest['run_name'].split('/', 1)[1]})",
    f"{slowest['cpu_time'] / 1e6:.4f} ms CPU", "<= 0.2 ms", slowest["cpu_time"] / 1e6 <= 0.2)
hour = preview["PreviewHour/iterations:1"]
row("preview generators, an hour of ticks (72000): resident memory growth",
    f"{hour['rss_growth_kib']:.0f} KiB (from {hour['rss_before_kib'] / 1024:.1f} MiB)", "no growth",
    hour["rss_growth_kib"] <= 0)

for name, figure, unit in (("EncodeKeyTable", "key table encode", 1e3), ("DecodeKeyTable", "key table decode", 1e3),
                           ("EncodeMacroImage", "macro image encode (64 KiB image)", 1e3),
                           ("DecodeMacroImage", "macro image decode (64 KiB image)", 1e3)):
    row(figure, f"{codec[name]['cpu_time'] / unit:.2f} us", "-", None)
for name, figure in (("SaveProfileFile/real_time", "profile file save (3 profiles, 100 macros)"),
                     ("LoadProfileFile/real_time", "profile file load (3 profiles, 100 macros)")):
    row(figure, f"{codec[name]['real_time']:.2f} ms ({codec[name]['cpu_time']:.2f} ms CPU)", "<= 5 ms",
        codec[name]["real_time"] <= 5)

process = [list(map(int, line.split())) for line in open(os.path.join(work, "process.tsv"))]
start_ms = statistics.median(p[0] for p in process) / 1000
rss_mib = statistics.median(p[1] for p in process) / 1024
cpu_ms = statistics.median(p[2] for p in process) * 1000 / ticks_per_second / idle_seconds
wakeups = statistics.median(p[3] for p in process) / idle_seconds
row("Keyloom --simulate, start to window shown (offscreen)", f"{start_ms:.0f} ms", "<= 250 ms", start_ms <= 250)
row("Keyloom idle, resident memory", f"{rss_mib:.1f} MiB", "<= 50 MiB", rss_mib <= 50)
row(f"Keyloom idle, CPU over {idle_seconds} s", f"{cpu_ms:.2f} ms/s", "no polling", cpu_ms <= 1)
row("Keyloom idle, voluntary context switches (all threads)", f"{wakeups:.1f} /s", "a few /s", wakeups <= 5)

def cpu_model():
    for line in open("/proc/cpuinfo"):
        if line.startswith("model name"):
            return line.split(":", 1)[1].strip()
    return "unknown"

load = open("/proc/loadavg").read().split()[:3]
header = (f"Machine: {cpu_model()}, {os.cpu_count()} cores; load average {' '.join(load)} when the run ended.  \n"
          f"Date: {datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} UTC; medians of {runs} runs.\n")
width = max(len(r[0]) for r in rows)
print(header)
for figure, value, goal, met in rows:
    print(f"{figure:<{width}}  {value:>28}  {goal:>16}  {met}")

table = ["| figure | measured | goal | met |", "|---|---|---|---|"]
table += [f"| {figure} | {value} | {goal} | {met} |" for figure, value, goal, met in rows]
# The notes below the table are written by hand and kept.
path = os.path.join("bench", "results.md")
notes = ""
if os.path.exists(path):
    previous = open(path).read()
    notes = previous[previous.find("\n## Notes"):] if "\n## Notes" in previous else ""
with open(path, "w") as out:
    out.write("# Benchmark results\n\nWritten by `scripts/bench.sh`; the notes at the end by hand.\n\n" + header + "\n" + "\n".join(table) + "\n" + notes)
EOF
echo "written: bench/results.md"
