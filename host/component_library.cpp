#include "host/component_library.h"

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

namespace host {

#if defined(_WIN32)

std::string component_library::open(const std::string& path) {
    close();
    HMODULE library = LoadLibraryA(path.c_str());
    if (!library) return "cannot load " + path;
    auto entry = reinterpret_cast<quorvel_get_interface_fn>(
        reinterpret_cast<void*>(GetProcAddress(library, "quorvel_get_interface")));
    if (!entry) {
        FreeLibrary(library);
        return path + " is not a component: it has no quorvel_get_interface";
    }
    module_ = library;
    entry_ = entry;
    return {};
}

void component_library::close() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
    entry_ = nullptr;
}

#else

std::string component_library::open(const std::string& path) {
    close();
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return "cannot load " + path + ": " + dlerror();
    auto entry =
        reinterpret_cast<quorvel_get_interface_fn>(dlsym(library, "quorvel_get_interface"));
    if (!entry) {
        dlclose(library);
        return path + " is not a component: it has no quorvel_get_interface";
    }
    module_ = library;
    entry_ = entry;
    return {};
}

void component_library::close() {
    if (module_) dlclose(module_);
    module_ = nullptr;
    entry_ = nullptr;
}

#endif

} // namespace host
