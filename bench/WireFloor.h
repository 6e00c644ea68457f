#pragma once

// The least time a run of exchanges can take on the wire: one report time per exchange and the
// pauses the keyboard wants between certain reports, counted from the transport's trace.

#include <chrono>
#include <cstddef>
#include <string>

namespace keyloom::bench {

struct WireCount {
    int exchanges = 0;
    std::chrono::microseconds pauses{0};

    std::chrono::microseconds Floor(std::chrono::microseconds perReport) const {
        return exchanges * perReport + pauses;
    }
};

// The requests written to the trace from byte `from` on.
WireCount CountWire(const std::string& tracePath, size_t from);

// The trace's size now, where the next scenario's lines begin.
size_t TraceSize(const std::string& tracePath);

}  // namespace keyloom::bench
