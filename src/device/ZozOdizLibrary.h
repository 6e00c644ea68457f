#pragma once

#include <memory>
#include <string>

#include "ZozOdiz.h"

namespace keyloom {

// The twelve exports of the transport library, looked up by name, and the optional one, which
// libraries older than it lack.
struct ZozOdizExports {
    decltype(&::Debug) Debug = nullptr;
    decltype(&::Init) Init = nullptr;
    decltype(&::End) End = nullptr;
    decltype(&::RequestGetDeviceCount) RequestGetDeviceCount = nullptr;
    decltype(&::DeleteRequestFromUnitId) DeleteRequestFromUnitId = nullptr;
    decltype(&::DeleteRequestFromHandle) DeleteRequestFromHandle = nullptr;
    decltype(&::RequestWrite) RequestWrite = nullptr;
    decltype(&::RequestWriteOne) RequestWriteOne = nullptr;
    decltype(&::RequestStatusWrite) RequestStatusWrite = nullptr;
    decltype(&::RequestStatusGet) RequestStatusGet = nullptr;
    decltype(&::RequestAsyncRead) RequestAsyncRead = nullptr;
    decltype(&::RequestStatusSetFeature) RequestStatusSetFeature = nullptr;
    decltype(&::ZozAccessProblem) ZozAccessProblem = nullptr;  // null when the library lacks it
};

inline constexpr const char* kZozOdizFileName = "libZozOdiz.so";

// Loads libZozOdiz.so from the folder (with a trailing '/') and looks up every export. Nothing
// when the library or any of the twelve is missing, with the reason in `whyNot`. The library is
// never unloaded: its threads call back into the tool for as long as the process lives.
std::unique_ptr<ZozOdizExports> LoadZozOdiz(const std::string& folder, std::string& whyNot);

}  // namespace keyloom
