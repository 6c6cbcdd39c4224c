#include "config/blob.h"

#include "config/config_var.h"
#include "config/little_endian.h"
#include "config/memory_sink.h"
#include "text/text_buffer.h"

#include <cstring>

namespace relayvo {

namespace {

void write_key(quorvel::config_sink& sink, const char* key) {
    std::uint32_t length = bounded_length(key, quorvel::unbounded);
    write_u32(sink, length);
    sink.write(key, length);
}

// The reader's position in the blob.
struct blob_cursor {
    const std::uint8_t* position;
    std::uint32_t remaining;

    bool read_bytes(void* destination, std::uint32_t n) {
        if (n > remaining) return false;
        std::memcpy(destination, position, n);
        skip(n);
        return true;
    }
    bool read_u32(std::uint32_t& out) {
        std::uint8_t bytes[4];
        if (!read_bytes(bytes, sizeof bytes)) return false;
        out = load_u32(bytes);
        return true;
    }
    // Assigns the key to `out`, which stops at a NUL inside it.
    bool read_key(text_buffer& out) {
        std::uint32_t length;
        if (!read_u32(length) || length > remaining) return false;
        out.assign(reinterpret_cast<const char*>(position), length);
        skip(length);
        return true;
    }
    void skip(std::uint32_t n) {
        position += n;
        remaining -= n;
    }
};

config_var* find_var(const char* key) {
    for (config_var* var = config_var_list; var; var = var->next)
        if (var->key.text && std::strcmp(var->key.text, key) == 0) return var;
    return nullptr;
}

} // namespace

void write_blob(quorvel::config_sink& sink) {
    memory_sink value;
    for (config_var* var = config_var_list; var; var = var->next) {
        value.clear();
        // A key that could not be copied, or a value that could not be
        // collected, would give a record that reads back as something else.
        if (!var->write_value(value) || !var->key.text || !value.complete()) continue;
        std::uint32_t length = value.block.size();
        write_key(sink, var->key.get());
        write_u32(sink, length);
        if (length > 0) sink.write(value.block.data(), length);
    }
}

void read_blob(const std::uint8_t* data, std::uint32_t size) {
    text_buffer key(text_buffer::size_hint{0});
    blob_cursor cursor{data, size};
    if (size <= 4) return;
    for (;;) {
        std::uint32_t length;
        if (!cursor.read_key(key) || !cursor.read_u32(length) || length > cursor.remaining) return;
        if (config_var* var = find_var(key.text())) var->read_value(cursor.position, length);
        cursor.skip(length);
        if (cursor.remaining <= 4) return;
    }
}

} // namespace relayvo
