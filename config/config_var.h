// Named persistent variables: each turns its value into bytes for the
// configuration blob and takes it back from bytes.
#pragma once

#include "frame/client.h"
#include "text/owned_text.h"

#include <cstdint>

namespace relayvo {

class config_var {
public:
    // Writes the value's bytes to `sink`; returns true when there is a value to store.
    virtual bool write_value(quorvel::config_sink& sink) = 0;
    // Sets the value from `length` bytes at `bytes`; bytes of the wrong shape are ignored.
    virtual void read_value(const std::uint8_t* bytes, std::uint32_t length) = 0;

    config_var(const config_var&) = delete;
    config_var& operator=(const config_var&) = delete;

    owned_text key;   // own copy of the key; none if memory ran out
    config_var* next; // the variable constructed before this one, or null

protected:
    // Copies the key and links the variable at the front of config_var_list.
    explicit config_var(const char* key_text);
    ~config_var() = default;
};

// The most recently constructed variable; the list runs back to the first one.
extern config_var* config_var_list;

// A flag: 4 bytes, little-endian. Readers treat any non-zero value as on.
class config_int final : public config_var {
public:
    config_int(const char* key_text, std::int32_t initial) : config_var(key_text), value(initial) {}

    bool write_value(quorvel::config_sink& sink) override;
    // Takes exactly 4 bytes; any other length leaves the value unchanged.
    void read_value(const std::uint8_t* bytes, std::uint32_t length) override;

    bool on() const { return value != 0; }

    std::int32_t value;
};

// A text: its bytes without the NUL; no bytes for the empty text.
class config_text final : public config_var {
public:
    config_text(const char* key_text, const char* initial) : config_var(key_text), value(initial) {}

    bool write_value(quorvel::config_sink& sink) override;
    // Takes the bytes up to the first NUL or `length`; empty leaves no text.
    void read_value(const std::uint8_t* bytes, std::uint32_t length) override;
    // Stores `text` whole; the empty text leaves no text.
    void set_text(const char* text) { value.assign(text, quorvel::unbounded); }
    // The stored text, or the empty text.
    const char* text() const { return value.get(); }

    owned_text value;
};

} // namespace relayvo
