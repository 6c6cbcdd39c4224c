// The labelled scopes of the one calling thread. Labels are the callers' own
// texts; scopes deeper than the record still count, so enter and leave pair up.
#include "utf8api/utf8api.h"

namespace {
constexpr unsigned recorded_depth = 64;
const char* labels[recorded_depth];
unsigned depth = 0;
} // namespace

void uCallStackTracker_enter(const char* label) {
    if (depth < recorded_depth) labels[depth] = label;
    ++depth;
}

void uCallStackTracker_leave() {
    if (depth > 0) --depth;
}

const char* uCallStackTracker_top() {
    if (depth == 0) return nullptr;
    return depth <= recorded_depth ? labels[depth - 1] : nullptr;
}
