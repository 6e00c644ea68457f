#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
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

    // The right to run the callback once on the caller's thread, while the request's own thread
    // starts none; given up when it ends.
    class Claim;
    // Nothing while notifications wait or a callback is under way, so that they keep their
    // order; the caller then delivers as usual.
    std::optional<Claim> ClaimIdle();

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
        bool busy = false;  // a callback is under way, on the request's thread or a claimant's
        bool stopping = false;
    };

    void Push(Pending pending);
    static void Run(std::shared_ptr<Queue> queue, uint32_t id, ZozCallback callback, uint32_t tag);

    uint32_t id_;
    Collection collection_;
    ZozCallback callback_;
    uint32_t tag_;
    std::shared_ptr<Queue> queue_;
    std::thread thread_;

  public:
    class Claim {
      public:
        Claim(std::shared_ptr<Queue> queue, uint32_t id, ZozCallback callback, uint32_t tag)
            : queue_(std::move(queue)), id_(id), callback_(callback), tag_(tag) {}
        Claim(Claim&& other) noexcept = default;
        Claim& operator=(Claim&&) = delete;
        ~Claim();

        void DeliverReport(const uint8_t* data, size_t length) const;

      private:
        std::shared_ptr<Queue> queue_;  // empty once moved from
        uint32_t id_;
        ZozCallback callback_;
        uint32_t tag_;
    };
};

}  // namespace zozodiz
