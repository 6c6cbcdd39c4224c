// A text_buffer of the host's, handed to the component to receive a text.
#pragma once

#include "quorvel/containers.h"

#include <string>

namespace host {

class text_out final : public quorvel::text_buffer {
public:
    const char* get_text() override;
    void append(const char* src, std::uint32_t max_len) override;
    void assign(const char* src, std::uint32_t max_len) override;
    void truncate(std::uint32_t n) override;
    std::uint32_t length() override;

    std::string text;
};

} // namespace host
