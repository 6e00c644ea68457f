#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <utility>
#include <vector>

#include "Backend.h"
#include "StandingRequest.h"
#include "Trace.h"

namespace zozodiz {

// The library's one instance: the chosen backend, the standing requests and the trace. The C
// exports check their arguments and forward here.
class Transport final : public BackendEvents {
  public:
    static Transport& Instance();

    // Chooses the backend from ZOZODIZ_BACKEND (hid by default, sim, or fail), opens the trace
    // named by ZOZODIZ_TRACE and starts the backend. 1 on success, 0 on failure.
    int Init();
    int End();

    int DeviceCount(Collection collection);
    int WriteReport(Collection collection, const uint8_t* data, size_t length);
    int WriteStatus(Collection collection, const uint8_t* data, size_t length, uint32_t* requestId);
    int AsyncRead(Collection collection, ZozCallback callback, uint32_t tag, uint32_t* requestId);
    int Cancel(uint32_t requestId);
    // ZozAccessProblem's result, the node copied into `node`.
    int AccessProblem(char* node, uint32_t size);

    // Runs f on the backend while it cannot be ended; 0 (or empty) when there is none.
    template <typename F>
    auto WithBackend(F&& f) {
        using Result = decltype(f(std::declval<Backend&>()));
        std::shared_lock lock(lifecycle_);
        return backend_ ? f(*backend_) : Result{};
    }

    void OnInputReport(Collection collection, const uint8_t* data, size_t length) override;
    void OnAnswer(Collection collection, const uint8_t* data, size_t length) override;
    void OnDeviceCount(unsigned count) override;

  private:
    uint32_t NextRequestId();
    void TraceInputReport(Collection collection, const uint8_t* data, size_t length);

    std::shared_mutex lifecycle_;  // guards backend_: Init and End against every other call
    std::unique_ptr<Backend> backend_;
    std::mutex requestsMutex_;
    std::vector<std::unique_ptr<StandingRequest>> requests_;
    std::atomic<uint32_t> nextRequestId_{1};
    Trace trace_;
};

}  // namespace zozodiz
