#include "KeyboardList.h"

#include <algorithm>
#include <map>

namespace zozodiz {

namespace {

constexpr Collection kServedCollections[] = {kConfigCollection, kConsumerCollection,
                                             kBankStatusCollection};

bool IsServed(Collection collection) {
    return std::find(std::begin(kServedCollections), std::end(kServedCollections), collection) !=
           std::end(kServedCollections);
}

bool Carries(const KeyboardInterface& interface, Collection collection) {
    const auto& collections = interface.collections;
    return std::find(collections.begin(), collections.end(), collection) != collections.end();
}

KeyboardInterface& InterfaceAt(Keyboard& keyboard, const std::string& path) {
    auto& interfaces = keyboard.interfaces;
    const auto found = std::find_if(interfaces.begin(), interfaces.end(),
                                    [&](const KeyboardInterface& i) { return i.path == path; });
    return found != interfaces.end() ? *found
                                     : interfaces.emplace_back(KeyboardInterface{path, {}});
}

const KeyboardInterface* InterfaceCarrying(const Keyboard& keyboard, Collection collection) {
    for (const KeyboardInterface& interface : keyboard.interfaces) {
        if (Carries(interface, collection)) {
            return &interface;
        }
    }
    return nullptr;
}

}  // namespace

KeyboardList::KeyboardList(const std::vector<InterfaceRecord>& records) {
    std::map<std::string, Keyboard> byKey;
    for (const InterfaceRecord& record : records) {
        if (!IsServed(record.collection)) {
            continue;
        }
        Keyboard& keyboard = byKey[record.keyboardKey];
        keyboard.key = record.keyboardKey;
        KeyboardInterface& interface = InterfaceAt(keyboard, record.path);
        if (!Carries(interface, record.collection)) {
            interface.collections.push_back(record.collection);
        }
    }
    for (auto& entry : byKey) {
        keyboards_.push_back(std::move(entry.second));
    }
}

unsigned KeyboardList::CountOffering(Collection collection) const {
    return static_cast<unsigned>(
        std::count_if(keyboards_.begin(), keyboards_.end(), [&](const Keyboard& keyboard) {
            return InterfaceCarrying(keyboard, collection) != nullptr;
        }));
}

const Keyboard* KeyboardList::InUse() const {
    for (const Keyboard& keyboard : keyboards_) {
        if (InterfaceCarrying(keyboard, kConfigCollection) != nullptr) {
            return &keyboard;
        }
    }
    return nullptr;
}

const KeyboardInterface* KeyboardList::InterfaceInUse(Collection collection) const {
    const Keyboard* keyboard = InUse();
    return keyboard != nullptr ? InterfaceCarrying(*keyboard, collection) : nullptr;
}

}  // namespace zozodiz
