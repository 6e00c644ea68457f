#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "Collection.h"
#include "ZozOdiz.h"

namespace zozodiz {

// A standing read: every input report of its collection and every change of the device count
// reach its callback, in order, on a thread of its own, so a slow callback of one request never
// delays another (an answer on the configuration collection is never held up by the consumer).
class StandingRequest {
  public:
    StandingRequest(uint32_t id, Collection collection, ZozCallback callback, uint32_t tag);
    // Cancels the request: pending notifications are dropped, a callback under way completes.
    ~StandingRequest();

    StandingRequest(const StandingRequest&) = delete;
    StandingRequest& operator=(const StandingRequest&) = delete;

    uint32_t Id() const { return id_; }
    Collection GetCollection() const { return collection_; }

    void DeliverReport(const uint8_t* data, size_t length);
    void DeliverDeviceCount(unsigned count);

  private:
    struct Pending {
        uint32_t kind;
        unsigned deviceCount;
        std::vector<uint8_t> data;
    };
    // Shared with the thread, which may outlive this object when a callback cancels its own
    // request.
    struct Queue {
        std::mutex mutex;
        std::condition_variable wake;
        std::deque<Pending> pending;
        bool stopping = false;
    };

    void Push(Pending pending);
    static void Run(std::shared_ptr<Queue> queue, uint32_t id, ZozCallback callback, uint32_t tag);

    uint32_t id_;
    Collection collection_;
    std::shared_ptr<Queue> queue_;
    std::thread thread_;
};

}  // namespace zozodiz
