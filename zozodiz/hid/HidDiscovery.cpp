#include "HidDiscovery.h"

#include <hidapi.h>

#include <map>
#include <memory>
#include <string>

#include "HidrawNode.h"
#include "ZozOdiz.h"

namespace zozodiz {

namespace {

using DeviceInfoList = std::unique_ptr<hid_device_info, decltype(&hid_free_enumeration)>;

}  // namespace

std::vector<InterfaceRecord> DiscoverInterfaces() {
    const DeviceInfoList list(hid_enumerate(ZOZ_VENDOR_ID, ZOZ_PRODUCT_ID), &hid_free_enumeration);
    std::map<std::string, std::string> keyOfPath;
    std::vector<InterfaceRecord> records;
    for (const hid_device_info* info = list.get(); info != nullptr; info = info->next) {
        const std::string path = info->path;
        auto [known, added] = keyOfPath.try_emplace(path);
        if (added) {
            known->second = HidrawNode(path).KeyboardKey();
        }
        records.push_back({path, known->second, Collection{info->usage_page, info->usage}});
    }
    return records;
}

}  // namespace zozodiz
