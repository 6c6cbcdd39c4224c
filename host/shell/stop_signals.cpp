#include "shell/stop_signals.h"

#include <csignal>
#include <cstdlib>

namespace host::stop_signals {

namespace {

volatile std::sig_atomic_t caught_signal = 0;

extern "C" void note(int signal) {
    caught_signal = signal;
}

} // namespace

#if defined(_WIN32)

void catch_them() {
    std::signal(SIGINT, note);
    std::signal(SIGTERM, note);
}

[[noreturn]] void leave_as(int signal) {
    std::exit(128 + signal);
}

#else

void catch_them() {
    // Without SA_RESTART, so that a waiting read is interrupted.
    struct sigaction action {};
    action.sa_handler = note;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

[[noreturn]] void leave_as(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}

#endif

int caught() {
    return caught_signal;
}

void forget() {
    caught_signal = 0;
}

} // namespace host::stop_signals
