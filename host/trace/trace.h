// Every call between the host and the component, one line each and in the
// order made, for whoever debugs a host integration. "->" is the host calling
// the component, "<-" the component calling the host. A call made while
// another is running is indented under it; a call that made calls of its own
// shows its result on a line of its own after them.
#pragma once

#include "frame/abi.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace host::trace {

enum class direction { to_component, to_host };

// Starts tracing to `out`; nothing is traced before.
void enable(std::ostream& out);
bool enabled();

// While one lives, calls are not traced: the host calling its own services.
// `really` false makes it do nothing.
class mute {
public:
    explicit mute(bool really = true);
    ~mute();
    mute(const mute&) = delete;
    mute& operator=(const mute&) = delete;

private:
    bool really_;
};

// One traced call, from its start to its end. `describe` is only run when
// tracing is on, so untraced calls pay for no text.
class call {
public:
    template <class Describe>
    call(direction d, Describe describe) {
        if (enabled()) begin(d, describe());
    }
    ~call();
    call(const call&) = delete;
    call& operator=(const call&) = delete;

    // Records the text of what the call returns.
    void shows(const std::string& text) {
        if (open_) result_ = text;
    }
    // Records what the call returns; returns `value` for chaining.
    template <class T>
    T returns(T value) {
        if (open_) result_ = text_of(value);
        return value;
    }

private:
    void begin(direction d, std::string text);
    static std::string text_of(bool v) { return v ? "true" : "false"; }
    static std::string text_of(int v) { return std::to_string(v); }
    static std::string text_of(long v) { return std::to_string(v); }
    static std::string text_of(unsigned v) { return std::to_string(v); }
    static std::string text_of(unsigned long v) { return std::to_string(v); }
    static std::string text_of(const std::string& v) { return v; }

    bool open_ = false;
    std::string result_;
};

// How values look in trace lines.
std::string quoted(const char* text);
std::string class_name(const quorvel::guid& cls);
std::string caller_name(const quorvel::guid& caller);
std::string bytes(const void* data, std::uint32_t length);

} // namespace host::trace
