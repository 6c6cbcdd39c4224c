// A host-side text buffer over std::string, for receiving texts from the component.
#pragma once

#include "frame/containers.h"

#include <cstring>
#include <string>

namespace host {

class string_buffer final : public quorvel::text_buffer {
public:
    const char* get_text() override { return text.c_str(); }
    void append(const char* src, std::uint32_t max_len) override {
        if (src) text.append(src, strnlen(src, max_len));
    }
    void assign(const char* src, std::uint32_t max_len) override {
        text.clear();
        append(src, max_len);
    }
    void truncate(std::uint32_t n) override {
        if (n < text.size()) text.resize(n);
    }
    std::uint32_t length() override { return static_cast<std::uint32_t>(text.size()); }

    std::string text;
};

} // namespace host
