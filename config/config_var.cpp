#include "config/config_var.h"

#include "config/little_endian.h"

namespace relayvo {

config_var* config_var_list = nullptr;

config_var::config_var(const char* key_text) : key(key_text), next(config_var_list) {
    config_var_list = this;
}

void config_int::write_value(quorvel::config_sink& sink) {
    write_u32(sink, static_cast<std::uint32_t>(value));
}

void config_int::read_value(const std::uint8_t* bytes, std::uint32_t length) {
    if (length == 4) value = static_cast<std::int32_t>(load_u32(bytes));
}

void config_text::write_value(quorvel::config_sink& sink) {
    const char* stored = text();
    sink.write(stored, bounded_length(stored, quorvel::unbounded));
}

void config_text::read_value(const std::uint8_t* bytes, std::uint32_t length) {
    assign(reinterpret_cast<const char*>(bytes), length);
}

bool config_text::assign(const char* src, std::uint32_t max_len) {
    if (!value_.assign(src, max_len)) return false;
    initial_ = nullptr;
    return true;
}

} // namespace relayvo
