// The host calls the component on one thread: all of its state is global and
// unlocked. Builds with assertions record the thread that calls the export and
// stop at any interface entry reached from another one; until the export is
// called (unit tests that build the objects themselves) nothing is checked.
// Release builds do neither.
#pragma once

namespace relayvo {

#ifdef NDEBUG
inline void record_host_thread() {}
inline void check_host_thread() {}
#else
// Takes the calling thread as the host's.
void record_host_thread();
// Stops the program when a host's thread was recorded and this is another.
void check_host_thread();
#endif

} // namespace relayvo
