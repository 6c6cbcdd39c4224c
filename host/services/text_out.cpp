#include "services/text_out.h"

#include "trace/trace.h"

#include <cstring>

namespace host {

namespace {

using trace::direction;

std::string limit_text(std::uint32_t max_len) {
    return max_len == quorvel::unbounded ? "-1" : std::to_string(max_len);
}

} // namespace

const char* text_out::get_text() {
    trace::call c(direction::to_host, "text", "get_text");
    c.shows(trace::quoted(text.c_str()));
    return text.c_str();
}

void text_out::append(const char* src, std::uint32_t max_len) {
    trace::call c(direction::to_host, "text", "append", trace::quoted(src), limit_text(max_len));
    if (src) text.append(src, strnlen(src, max_len));
}

void text_out::assign(const char* src, std::uint32_t max_len) {
    trace::call c(direction::to_host, "text", "assign", trace::quoted(src), limit_text(max_len));
    text.clear();
    if (src) text.append(src, strnlen(src, max_len));
}

void text_out::truncate(std::uint32_t n) {
    trace::call c(direction::to_host, "text", "truncate", n);
    if (n < text.size()) text.resize(n);
}

std::uint32_t text_out::length() {
    trace::call c(direction::to_host, "text", "length");
    return c.returns(static_cast<std::uint32_t>(text.size()));
}

} // namespace host
