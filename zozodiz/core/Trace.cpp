#include "Trace.h"

namespace zozodiz {

Trace::~Trace() {
    Close();
}

void Trace::Open(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!path.empty()) {
        file_ = std::fopen(path.c_str(), "a");
    }
}

void Trace::Close() {
    Open(std::string());
}

void Trace::Bytes(char kind, const uint8_t* data, size_t length) {
    std::string text;
    text.reserve(length * 3);
    static const char kHex[] = "0123456789abcdef";
    for (size_t i = 0; i < length; ++i) {
        if (i > 0) {
            text += ' ';
        }
        text += kHex[data[i] >> 4];
        text += kHex[data[i] & 0x0F];
    }
    Text(kind, text);
}

void Trace::Text(char kind, const std::string& text) {
    std::lock_guard lock(mutex_);
    if (file_ == nullptr) {
        return;
    }
    std::fprintf(file_, "%c %s\n", kind, text.c_str());
    std::fflush(file_);
}

}  // namespace zozodiz
