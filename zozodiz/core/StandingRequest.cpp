#include "StandingRequest.h"

namespace zozodiz {

StandingRequest::StandingRequest(uint32_t id, Collection collection, ZozCallback callback,
                                 uint32_t tag)
    : id_(id),
      collection_(collection),
      callback_(callback),
      tag_(tag),
      queue_(std::make_shared<Queue>()) {
    thread_ = std::thread(&StandingRequest::Run, queue_, id, callback, tag);
}

StandingRequest::~StandingRequest() {
    {
        std::lock_guard lock(queue_->mutex);
        queue_->stopping = true;
        queue_->pending.clear();
    }
    queue_->wake.notify_all();
    if (thread_.get_id() == std::this_thread::get_id()) {
        thread_.detach();
    } else {
        thread_.join();
    }
}

void StandingRequest::DeliverReport(const uint8_t* data, size_t length) {
    Push({ZOZ_NOTIFY_INPUT_REPORT, 0, std::vector<uint8_t>(data, data + length)});
}

void StandingRequest::DeliverDeviceCount(unsigned count) {
    Push({ZOZ_NOTIFY_DEVICE_COUNT, count, {}});
}

void StandingRequest::Push(Pending pending) {
    {
        std::lock_guard lock(queue_->mutex);
        queue_->pending.push_back(std::move(pending));
    }
    queue_->wake.notify_one();
}

std::optional<StandingRequest::Claim> StandingRequest::ClaimIdle() {
    std::lock_guard lock(queue_->mutex);
    if (callback_ == nullptr || queue_->stopping || queue_->busy || !queue_->pending.empty()) {
        return std::nullopt;
    }
    queue_->busy = true;
    return std::optional<Claim>(std::in_place, queue_, id_, callback_, tag_);
}

StandingRequest::Claim::~Claim() {
    if (!queue_) {
        return;
    }
    {
        std::lock_guard lock(queue_->mutex);
        queue_->busy = false;
    }
    // What came meanwhile waited for this callback.
    queue_->wake.notify_all();
}

void StandingRequest::Claim::DeliverReport(const uint8_t* data, size_t length) const {
    const ZozNotification notification{ZOZ_NOTIFY_INPUT_REPORT,       tag_, id_, 0,
                                       static_cast<uint32_t>(length), data};
    callback_(&notification);
}

void StandingRequest::Run(std::shared_ptr<Queue> queue, uint32_t id, ZozCallback callback,
                          uint32_t tag) {
    for (;;) {
        Pending next;
        {
            std::unique_lock lock(queue->mutex);
            queue->wake.wait(
                lock, [&] { return queue->stopping || (!queue->busy && !queue->pending.empty()); });
            if (queue->stopping) {
                return;
            }
            next = std::move(queue->pending.front());
            queue->pending.pop_front();
            queue->busy = true;
        }
        if (callback != nullptr) {
            const ZozNotification notification{
                next.kind,       tag, id, next.deviceCount, static_cast<uint32_t>(next.data.size()),
                next.data.data()};
            callback(&notification);
        }
        std::lock_guard lock(queue->mutex);
        queue->busy = false;
    }
}

}  // namespace zozodiz
