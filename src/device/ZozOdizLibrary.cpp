#include "device/ZozOdizLibrary.h"

#include <dlfcn.h>

namespace keyloom {

namespace {

template <typename Function>
bool LookUp(void* library, const char* name, Function& slot) {
    slot = reinterpret_cast<Function>(dlsym(library, name));
    return slot != nullptr;
}

}  // namespace

std::unique_ptr<ZozOdizExports> LoadZozOdiz(const std::string& folder) {
    void* library = dlopen((folder + kZozOdizFileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return nullptr;
    }
    auto exports = std::make_unique<ZozOdizExports>();
    ZozOdizExports& e = *exports;
    const bool complete = LookUp(library, "Debug", e.Debug) && LookUp(library, "Init", e.Init) &&
                          LookUp(library, "End", e.End) &&
                          LookUp(library, "RequestGetDeviceCount", e.RequestGetDeviceCount) &&
                          LookUp(library, "DeleteRequestFromUnitId", e.DeleteRequestFromUnitId) &&
                          LookUp(library, "DeleteRequestFromHandle", e.DeleteRequestFromHandle) &&
                          LookUp(library, "RequestWrite", e.RequestWrite) &&
                          LookUp(library, "RequestWriteOne", e.RequestWriteOne) &&
                          LookUp(library, "RequestStatusWrite", e.RequestStatusWrite) &&
                          LookUp(library, "RequestStatusGet", e.RequestStatusGet) &&
                          LookUp(library, "RequestAsyncRead", e.RequestAsyncRead) &&
                          LookUp(library, "RequestStatusSetFeature", e.RequestStatusSetFeature);
    return complete ? std::move(exports) : nullptr;
}

}  // namespace keyloom
