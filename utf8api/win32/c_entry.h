// The guard of every C entry: no exception may leave one, since its caller
// may be any language and the path back may run through the system's code.
#pragma once

namespace win32 {

// What `work` answers, or `failure` when it throws (memory ran out).
template <class Result, class Work>
Result answer_or(Result failure, Work work) noexcept {
    try {
        return work();
    } catch (...) {
        return failure;
    }
}

} // namespace win32
