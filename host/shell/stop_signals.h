// The signals that end a session: Ctrl-C, SIGTERM, and a closed terminal
// (SIGHUP, and SIGQUIT; on Windows the console's close, log-off and shutdown
// events). They are caught so that the host stops between two lines, saves,
// and only then leaves as the signal asked.
#pragma once

namespace host::stop_signals {

// Catches them from now on. A read that is waiting for input returns early
// when one arrives, so a script or pipe stops at once.
void catch_them();
// The signal caught, or 0.
int caught();
// Forgets a caught signal: at the prompt Ctrl-C only abandons the line.
void forget();
// Ends the process as `signal` would have, had it not been caught.
[[noreturn]] void leave_as(int signal);

} // namespace host::stop_signals
