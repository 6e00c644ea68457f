#include "device/ZozOdizLibrary.h"

#include <dlfcn.h>

namespace keyloom {

namespace {

// The last dynamic-linker error, or `fallback` when it has none.
std::string LinkerError(const std::string& fallback) {
    const char* error = dlerror();
    return error != nullptr ? error : fallback;
}

template <typename Function>
bool LookUp(void* library, const char* name, Function& slot, std::string& whyNot) {
    slot = reinterpret_cast<Function>(dlsym(library, name));
    if (slot == nullptr && whyNot.empty()) {
        whyNot = std::string("the transport library lacks ") + name + ": " +
                 LinkerError("no such export");
    }
    return slot != nullptr;
}

}  // namespace

std::unique_ptr<ZozOdizExports> LoadZozOdiz(const std::string& folder, std::string& whyNot) {
    const std::string path = folder + kZozOdizFileName;
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        whyNot = "cannot load the transport library: " + LinkerError(path);
        return nullptr;
    }
    auto exports = std::make_unique<ZozOdizExports>();
    ZozOdizExports& e = *exports;
    const bool complete =
        LookUp(library, "Debug", e.Debug, whyNot) && LookUp(library, "Init", e.Init, whyNot) &&
        LookUp(library, "End", e.End, whyNot) &&
        LookUp(library, "RequestGetDeviceCount", e.RequestGetDeviceCount, whyNot) &&
        LookUp(library, "DeleteRequestFromUnitId", e.DeleteRequestFromUnitId, whyNot) &&
        LookUp(library, "DeleteRequestFromHandle", e.DeleteRequestFromHandle, whyNot) &&
        LookUp(library, "RequestWrite", e.RequestWrite, whyNot) &&
        LookUp(library, "RequestWriteOne", e.RequestWriteOne, whyNot) &&
        LookUp(library, "RequestStatusWrite", e.RequestStatusWrite, whyNot) &&
        LookUp(library, "RequestStatusGet", e.RequestStatusGet, whyNot) &&
        LookUp(library, "RequestAsyncRead", e.RequestAsyncRead, whyNot) &&
        LookUp(library, "RequestStatusSetFeature", e.RequestStatusSetFeature, whyNot);
    if (!complete) {
        return nullptr;
    }
    e.ZozAccessProblem =
        reinterpret_cast<decltype(e.ZozAccessProblem)>(dlsym(library, "ZozAccessProblem"));
    return exports;
}

}  // namespace keyloom
