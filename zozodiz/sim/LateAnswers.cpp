#include "LateAnswers.h"

#include <utility>

namespace zozodiz {

namespace {

// The answer of the request that falls behind and of the one after it.
constexpr int kAnswersHeld = 2;

}  // namespace

void LateAnswers::FallBehind() {
    toHold_ = kAnswersHeld;
}

std::vector<Report> LateAnswers::Pass(std::optional<Report> answer) {
    std::vector<Report> sent;
    if (held_) {
        sent.push_back(*std::exchange(held_, std::nullopt));
    }
    if (!answer) {
        return sent;
    }
    if (toHold_ > 0) {
        held_ = answer;
        --toHold_;
    } else {
        sent.push_back(*answer);
    }
    return sent;
}

void LateAnswers::Clear() {
    held_.reset();
    toHold_ = 0;
}

}  // namespace zozodiz
