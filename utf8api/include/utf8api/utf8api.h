// utf8api, the host's UTF-8 window-text library. Every entry has C linkage so
// that a host can ship its own build of it.
#pragma once

#if defined(_WIN32)
#if defined(UTF8API_BUILDING)
#define UTF8API_ENTRY extern "C" __declspec(dllexport)
#else
#define UTF8API_ENTRY extern "C" __declspec(dllimport)
#endif
#else
#define UTF8API_ENTRY extern "C" __attribute__((visibility("default")))
#endif

// Marks the start of a labelled scope of execution; labels nest like a stack.
UTF8API_ENTRY void uCallStackTracker_enter(const char* label);
// Marks the end of the innermost labelled scope.
UTF8API_ENTRY void uCallStackTracker_leave();
// For hosts and their tests: the innermost open label, or null when none is open.
UTF8API_ENTRY const char* uCallStackTracker_top();

// Marks the scope it lives in with `label`, which must outlive it.
class uCallStackTracker {
public:
    explicit uCallStackTracker(const char* label) { uCallStackTracker_enter(label); }
    ~uCallStackTracker() { uCallStackTracker_leave(); }
    uCallStackTracker(const uCallStackTracker&) = delete;
    uCallStackTracker& operator=(const uCallStackTracker&) = delete;
};
