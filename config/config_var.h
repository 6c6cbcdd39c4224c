// Named persistent variables: each turns its value into bytes for the
// configuration blob and takes it back from bytes.
#pragma once

#include "quorvel/client.h"
#include "text/owned_text.h"

#include <cstdint>

namespace relayvo {

class config_var {
public:
    // Writes the value's bytes to `sink`. Every state has a value to store,
    // so there is nothing to report.
    virtual void write_value(quorvel::config_sink& sink) = 0;
    // Sets the value from `length` bytes at `bytes`; bytes of the wrong shape are ignored.
    virtual void read_value(const std::uint8_t* bytes, std::uint32_t length) = 0;

    config_var(const config_var&) = delete;
    config_var& operator=(const config_var&) = delete;

    // The key, a text of the component's that lives as long as the library:
    // referring to it needs no memory, so every variable can always be saved
    // and found again.
    const char* const key;
    config_var* next; // the variable constructed before this one, or null

protected:
    // Links the variable at the front of config_var_list.
    explicit config_var(const char* key_text);
    ~config_var() = default;
};

// The most recently constructed variable; the list runs back to the first one.
extern config_var* config_var_list;

// A signed 32-bit integer: 4 bytes, little-endian. Every one the component
// has is used as a switch, which on() reads: any non-zero value is on.
class config_int final : public config_var {
public:
    config_int(const char* key_text, std::int32_t initial) : config_var(key_text), value(initial) {}

    void write_value(quorvel::config_sink& sink) override;
    // Takes exactly 4 bytes; any other length leaves the value unchanged.
    void read_value(const std::uint8_t* bytes, std::uint32_t length) override;

    bool on() const { return value != 0; }

    std::int32_t value;
};

// A text: its bytes without the NUL; no bytes for the empty text. A new text
// that cannot be copied for want of memory leaves the previous one in place.
class config_text final : public config_var {
public:
    // Reads as `initial`, a text of the component's that lives as long as the
    // library, until the first assignment; so loading the library allocates nothing.
    config_text(const char* key_text, const char* initial)
        : config_var(key_text), initial_(initial) {}

    void write_value(quorvel::config_sink& sink) override;
    // Takes the bytes up to the first NUL or `length`; empty leaves no text.
    void read_value(const std::uint8_t* bytes, std::uint32_t length) override;
    // Stores `text` whole; the empty text leaves no text. Returns false,
    // keeping the previous text, when memory ran out.
    bool set_text(const char* text) { return assign(text, quorvel::unbounded); }
    // The stored text, or the empty text.
    const char* text() const { return initial_ ? initial_ : value_.get(); }

private:
    bool assign(const char* src, std::uint32_t max_len);

    const char* initial_; // null once a text was assigned
    owned_text value_;
};

} // namespace relayvo
