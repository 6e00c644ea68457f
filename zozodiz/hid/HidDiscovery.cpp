#include "HidDiscovery.h"

#include <fstream>
#include <iterator>
#include <map>

namespace zozodiz {

std::vector<InterfaceRecord> DiscoverInterfaces(HidSystem& system) {
    std::map<std::string, std::string> keyOfPath;
    std::vector<InterfaceRecord> records;
    for (const ListedCollection& listed : system.List()) {
        auto [known, added] = keyOfPath.try_emplace(listed.path);
        if (added) {
            const std::string usbDevice = system.Locate(listed.path).usbDevice;
            known->second = usbDevice.empty() ? listed.path : usbDevice;
        }
        records.push_back({listed.path, known->second, listed.collection});
    }
    return records;
}

std::vector<uint8_t> ReadReportDescriptor(const std::string& hidDevice) {
    if (hidDevice.empty()) {
        return {};
    }
    std::ifstream file(hidDevice + "/report_descriptor", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>());
}

}  // namespace zozodiz
