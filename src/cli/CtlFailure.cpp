#include "cli/CtlFailure.h"

#include <cstdio>

namespace keyloom {

namespace {

int Say(const std::string& reason, int exitCode) {
    std::fprintf(stderr, "keyloomctl: %s\n", reason.c_str());
    return exitCode;
}

}  // namespace

int CommandFailed(const std::string& reason) {
    return Say(reason, CTL_EXIT_FAILED);
}

int ArgumentRefused(const std::string& reason) {
    return Say(reason, CTL_EXIT_USAGE);
}

}  // namespace keyloom
