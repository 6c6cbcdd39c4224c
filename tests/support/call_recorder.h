// What the fakes of the test kit share: a record of the calls made on them,
// kept only when asked for, so that a benchmark's host costs nothing extra.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace testing_support {

// The calls made on a fake, in order, each as a short text ("activate 1").
using call_log = std::vector<std::string>;

// Whether a fake writes down the calls made on it.
enum class recording { off, on };

// The logs one after another.
call_log joined(std::initializer_list<call_log> logs);

class call_recorder {
public:
    explicit call_recorder(recording mode) : on_(mode == recording::on) {}

    // Whether calls are written down.
    bool recording_calls() const { return on_; }
    // Writes down `call` followed by each argument after a space, when recording.
    template <class... Args>
    void note(std::string_view call, const Args&... args) {
        if (on_) write(call, args...); // only a test that records pays for the text
    }
    // Writes down the call as `note` does; returns `result`.
    template <class T, class... Args>
    T note_returning(T result, std::string_view call, const Args&... args) {
        note(call, args...);
        return result;
    }
    // Returns the calls written down so far and starts a new record.
    call_log take_calls();

    call_log calls;

private:
    template <class... Args>
    void write(std::string_view call, const Args&... args) {
        std::string line(call);
        ((line += ' ', line += as_text(args)), ...);
        keep(std::move(line));
    }
    // Adds `line` to the record; out of line, so that `note` stays small enough to inline.
    void keep(std::string line);
    template <class T>
    static std::string as_text(const T& value) {
        if constexpr (std::is_arithmetic_v<T>)
            return std::to_string(value);
        else
            return std::string(value);
    }

    bool on_;
};

} // namespace testing_support
