// Every call between the host and the component, one line each and in the
// order made, for whoever debugs a host integration. "->" is the host calling
// the component, "<-" the component calling the host. A call made while
// another is running is indented under it; a call that made calls of its own
// shows its result on a line of its own after them.
#pragma once

#include "quorvel/abi.h"

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>

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

// How a value looks as an argument or a result: numbers in decimal, truth
// values as true or false, texts as they are (quoted() shows a text value).
inline std::string text_of(const std::string& v) {
    return v;
}
inline std::string text_of(const char* v) {
    return v;
}
inline std::string text_of(bool v) {
    return v ? "true" : "false";
}
template <class Number>
requires std::is_integral_v<Number> std::string text_of(Number v) {
    return std::to_string(v);
}

// A call as trace lines show it, `object.op(a, b)`; `op(a, b)` when there is
// no object.
std::string call_text(std::string_view object, std::string_view op,
                      std::initializer_list<std::string> args);

// One traced call, `object.op(args)`, from its start to its end. The line is
// only made when tracing is on.
class call {
public:
    template <class... Args>
    call(direction d, std::string_view object, std::string_view op, const Args&... args) {
        if (enabled()) begin(d, call_text(object, op, {text_of(args)...}));
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

    bool open_ = false;
    std::string result_;
};

// How values look in trace lines.
std::string quoted(const char* text);
std::string class_name(const quorvel::guid& cls);
std::string caller_name(const quorvel::guid& caller);
std::string bytes(const void* data, std::uint32_t length);

} // namespace host::trace
