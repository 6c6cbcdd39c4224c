#include "frame/host_thread.h"

#ifndef NDEBUG

#include <cassert>

#if defined(_WIN32)
#include <windows.h>
#else
#include <thread>
#endif

namespace relayvo {

namespace {

#if defined(_WIN32)
using thread_id = DWORD;
thread_id current_thread() {
    return GetCurrentThreadId();
}
#else
using thread_id = std::thread::id;
thread_id current_thread() {
    return std::this_thread::get_id();
}
#endif

bool recorded = false;
thread_id host_thread{};

bool on_host_thread() {
    return !recorded || current_thread() == host_thread;
}

} // namespace

void record_host_thread() {
    host_thread = current_thread();
    recorded = true;
}

void check_host_thread() {
    assert(on_host_thread() && "every call of the host comes on the host's thread");
}

} // namespace relayvo

#endif
