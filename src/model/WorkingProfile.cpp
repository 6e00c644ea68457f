#include "model/WorkingProfile.h"

namespace keyloom {

namespace {

bool InTable(int entry) {
    return entry >= 0 && entry < ASSIGNMENT_ENTRIES;
}

uint32_t BytesOf(const std::u16string& text) {
    return text.empty() ? 0 : static_cast<uint32_t>((text.size() + 1) * 2);
}

}  // namespace

AssignmentTable AssignmentTableOf(ProfileImageBytes image) {
    return AssignmentTable(image.subspan<PROFILE_ASSIGNMENTS_AT, ASSIGNMENT_TABLE_SIZE>());
}

bool KindHasText(uint16_t kind) {
    return kind == ASSIGN_PROGRAM || kind == ASSIGN_TEXT;
}

const std::u16string& AssignmentTextTable::Text(int entry) const {
    static const std::u16string kNone;
    return InTable(entry) ? texts_[static_cast<size_t>(entry)] : kNone;
}

uint32_t AssignmentTextTable::SizeOf(int entry) const {
    return BytesOf(Text(entry));
}

void AssignmentTextTable::Set(int entry, std::u16string text) {
    if (!InTable(entry)) {
        return;
    }
    auto& slot = texts_[static_cast<size_t>(entry)];
    total_ = total_ - BytesOf(slot) + BytesOf(text);
    slot = std::move(text);
}

void AssignmentTextTable::Clear() {
    for (auto& text : texts_) {
        text.clear();
    }
    total_ = 0;
}

}  // namespace keyloom
