#pragma once

#include <optional>
#include <vector>

#include "SimKeyboard.h"

namespace zozodiz {

// A keyboard running one answer behind: the answer to the request that falls behind is held;
// the next request releases it and holds its own; the one after releases that and answers at
// once, caught up again.
class LateAnswers {
  public:
    // The answer to the request being handled now goes out late.
    void FallBehind();
    // What goes on the wire for one request, in order: a held answer first, then `answer`
    // unless it is held in its turn.
    std::vector<Report> Pass(std::optional<Report> answer);
    // Forgets a held answer, as a keyboard that loses power does.
    void Clear();

  private:
    std::optional<Report> held_;
    int toHold_ = 0;  // answers still to hold back, this request's included
};

}  // namespace zozodiz
