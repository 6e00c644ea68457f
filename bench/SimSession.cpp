#include "SimSession.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "session/DeviceChannels.h"
#include "session/SessionMessages.h"

namespace keyloom::bench {

namespace {

std::string MakeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "keyloom-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a folder under " + pattern);
    }
    return pattern;
}

// Everything the session and the library read from the environment points into `folder`.
void PointEnvironmentAt(const std::string& folder, const std::string& tracePath) {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                             "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"}) {
        setenv(name, folder.c_str(), 1);
    }
    setenv("ZOZODIZ_BACKEND", "sim", 1);
    setenv("ZOZODIZ_SIM_STATE", (folder + "/sim.state").c_str(), 1);
    if (tracePath.empty()) {
        unsetenv("ZOZODIZ_TRACE");
    } else {
        setenv("ZOZODIZ_TRACE", tracePath.c_str(), 1);
    }
}

DeviceLink& BindLink() {
    std::string whyNot;
    auto link = DeviceLink::Bind(KEYLOOM_BIN_DIR, whyNot);
    if (!link) {
        throw std::runtime_error("cannot bind the transport library: " + whyNot);
    }
    return *link.release();  // the library calls into it until the process ends
}

}  // namespace

SimSession& SimSession::Instance(bool traced) {
    static SimSession* const session = new SimSession(traced);  // lives as long as the library
    return *session;
}

SimSession::SimSession(bool traced)
    : folder_(MakeFolder()), tracePath_(traced ? folder_ + "/trace.txt" : "") {
    PointEnvironmentAt(folder_, tracePath_);
    DeviceLink& link = BindLink();
    context_.window = &host_;
    context_.noAutoShow = 1;
    session_ = std::make_unique<KeyboardSession>(
        context_, link, SessionPaths{folder_ + "/VQ52R_EN/", KEYLOOM_BIN_DIR, "Keyloom"});
    host_.SetHandler([this](uint32_t message, uintptr_t wParam, intptr_t lParam) {
        return HandleSessionMessage(*session_, message, wParam, lParam);
    });
    StartDeviceChannels(*session_);
    host_.SetInitComplete(true);
    Settle();
}

void SimSession::Settle() {
    WaitForSessionThreads(*session_);
    host_.WaitIdle();
}

}  // namespace keyloom::bench
