#pragma once

// What the key view shows of each key: whether it has a function of its own and the words that
// say which, read from the working profile under its lock.

#include <array>
#include <vector>

#include "model/AssignmentDescription.h"
#include "model/AssignmentTable.h"

namespace keyloom {

struct KeyboardSession;

struct KeyDescriptions {
    std::vector<AssignmentDescription> keys;  // in the order of KeyButtons()
    std::array<AssignmentDescription, G_KEYS_PER_BANK> gKeys;
};

// The keys of the key view and the nine G keys of the bank in the profile's assignments. Takes
// the profile lock.
KeyDescriptions DescribeAssignments(KeyboardSession& session, int profile, int bank);

}  // namespace keyloom
