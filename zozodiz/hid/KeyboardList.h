#pragma once

#include <string>
#include <vector>

#include "Collection.h"

namespace zozodiz {

// One top-level collection of a hidraw node, as discovery lists it. The keyboard key names the
// physical keyboard the node belongs to: nodes with the same key are interfaces of one keyboard.
struct InterfaceRecord {
    std::string path;
    std::string keyboardKey;
    Collection collection;
};

// A hidraw node and the keyboard collections it carries, in the order discovery listed them.
struct KeyboardInterface {
    std::string path;
    std::vector<Collection> collections;
};

struct Keyboard {
    std::string key;
    std::vector<KeyboardInterface> interfaces;
};

// The keyboards found, ordered by key so that the keyboard in use stays the same one from one
// discovery to the next. Collections other than configuration, consumer and bank status are left
// out, and so are interfaces left without any of them.
class KeyboardList {
  public:
    KeyboardList() = default;
    explicit KeyboardList(const std::vector<InterfaceRecord>& records);

    const std::vector<Keyboard>& Keyboards() const { return keyboards_; }
    // How many keyboards offer the collection.
    unsigned CountOffering(Collection collection) const;
    // The one keyboard the tool talks to: the first that offers the configuration collection;
    // null if none does. Its reports alone are heard and its interfaces alone written to, so
    // that a second keyboard never answers for it.
    const Keyboard* InUse() const;
    // The interface carrying the collection on the keyboard in use; null if there is none.
    const KeyboardInterface* InterfaceInUse(Collection collection) const;

  private:
    std::vector<Keyboard> keyboards_;
};

}  // namespace zozodiz
