#include "cli/CtlFailure.h"

#include <cstdio>

namespace keyloom {

int CommandFailed(const std::string& reason) {
    std::fprintf(stderr, "keyloomctl: %s\n", reason.c_str());
    return CTL_EXIT_FAILED;
}

}  // namespace keyloom
