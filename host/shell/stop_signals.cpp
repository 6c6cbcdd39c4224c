#include "shell/stop_signals.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace host::stop_signals {

namespace {

volatile std::sig_atomic_t caught_signal = 0;

} // namespace

#if defined(_WIN32)

namespace {

// Runs on a thread of its own. Ctrl-C and Ctrl-Break are handled at once.
// When the console closes, or the user logs off or the machine shuts down,
// Windows ends the process as soon as this returns: it waits instead, while
// the main thread, whose read of the console has failed, saves and exits
// (Windows allows a few seconds for it).
BOOL WINAPI note(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        caught_signal = SIGINT;
        return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        caught_signal = SIGTERM;
        Sleep(INFINITE);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void catch_them() {
    SetConsoleCtrlHandler(note, TRUE);
}

[[noreturn]] void leave_as(int signal) {
    std::exit(128 + signal);
}

#else

namespace {

extern "C" void note(int signal) {
    caught_signal = signal;
}

} // namespace

void catch_them() {
    // Without SA_RESTART, so that a waiting read is interrupted.
    struct sigaction action {};
    action.sa_handler = note;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        sigaction(signal, &action, nullptr);
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
