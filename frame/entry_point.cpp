// The library's one export, and its load routine on Windows.
#include "frame/client_object.h"
#include "frame/host.h"
#include "frame/host_thread.h"

quorvel::component_client* quorvel_get_interface(quorvel::host_api* api,
                                                 quorvel::module_handle module) {
    relayvo::record_host_thread();
    relayvo::connect_host(api, module);
    return &relayvo::client;
}

#if defined(_WIN32)
// The component keeps no per-thread state, so it asks for no thread
// notifications. The request fails for a module with static thread-local
// storage, which the linked-in runtimes give this DLL; the notifications then
// arrive and are ignored, so the answer is not checked.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    return TRUE;
}
#endif
