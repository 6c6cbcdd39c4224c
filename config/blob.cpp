#include "config/blob.h"

#include "config/config_var.h"
#include "config/little_endian.h"
#include "text/plain_text.h"

#include <cstring>

namespace relayvo {

namespace {

void write_key(quorvel::config_sink& sink, const char* key) {
    std::uint32_t length = bounded_length(key, quorvel::unbounded);
    write_u32(sink, length);
    sink.write(key, length);
}

// Counts the bytes written to it and keeps none, so that a value's length
// is known before its record is written without copying the value anywhere.
class length_sink final : public quorvel::config_sink {
public:
    void write(const void*, std::uint32_t length) override { total += length; }

    std::uint32_t total = 0;
};

// A key as the blob holds it: `length` bytes at `bytes`, read up to the first NUL.
struct key_view {
    const char* bytes;
    std::uint32_t length;
};

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
    // Points `out` at the key in the blob, which stops at a NUL inside it.
    // Nothing is copied, so reading a key never needs memory.
    bool read_key(key_view& out) {
        std::uint32_t length;
        if (!read_u32(length) || length > remaining) return false;
        const char* bytes = reinterpret_cast<const char*>(position);
        out = {bytes, bounded_length(bytes, length)};
        skip(length);
        return true;
    }
    void skip(std::uint32_t n) {
        position += n;
        remaining -= n;
    }
};

// The variable whose key equals `key` exactly, byte for byte; `key` holds no NUL.
config_var* find_var(key_view key) {
    for (config_var* var = config_var_list; var; var = var->next)
        if (std::strncmp(var->key, key.bytes, key.length) == 0 && var->key[key.length] == '\0')
            return var;
    return nullptr;
}

} // namespace

// Keys are constants and values are in memory, so a save allocates nothing
// and always writes every record.
void write_blob(quorvel::config_sink& sink) {
    for (config_var* var = config_var_list; var; var = var->next) {
        length_sink value;
        var->write_value(value);
        write_key(sink, var->key);
        write_u32(sink, value.total);
        if (value.total > 0) var->write_value(sink);
    }
}

void read_blob(const std::uint8_t* data, std::uint32_t size) {
    blob_cursor cursor{data, size};
    if (size <= 4) return;
    for (;;) {
        key_view key;
        std::uint32_t length;
        if (!cursor.read_key(key) || !cursor.read_u32(length) || length > cursor.remaining) return;
        if (config_var* var = find_var(key)) var->read_value(cursor.position, length);
        cursor.skip(length);
        if (cursor.remaining <= 4) return;
    }
}

} // namespace relayvo
