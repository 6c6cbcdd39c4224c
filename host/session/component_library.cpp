#include "session/component_library.h"

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

namespace host {

namespace {

// The platform loader: load a library, find a symbol, unload.
#if defined(_WIN32)
quorvel::module_handle load(const std::string& path, std::string& why) {
    HMODULE library = LoadLibraryA(path.c_str());
    if (!library) why = "cannot load " + path;
    return library;
}
void* symbol(quorvel::module_handle library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(library, name));
}
void unload(quorvel::module_handle library) {
    FreeLibrary(library);
}
#else
quorvel::module_handle load(const std::string& path, std::string& why) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        // The loader's reason starts with the path, which is said once.
        std::string reason = dlerror();
        if (reason.rfind(path + ": ", 0) == 0) reason.erase(0, path.size() + 2);
        why = "cannot load " + path + ": " + reason;
    }
    return library;
}
void* symbol(quorvel::module_handle library, const char* name) {
    return dlsym(library, name);
}
void unload(quorvel::module_handle library) {
    dlclose(library);
}
#endif

} // namespace

std::string component_library::open(const std::string& path) {
    close();
    std::string why;
    quorvel::module_handle library = load(path, why);
    if (!library) return why;
    auto entry =
        reinterpret_cast<quorvel_get_interface_fn>(symbol(library, "quorvel_get_interface"));
    if (!entry) {
        unload(library);
        return path + " is not a component: it has no quorvel_get_interface";
    }
    module_ = library;
    entry_ = entry;
    return {};
}

std::string resource_file_of([[maybe_unused]] const std::string& path) {
#if defined(_WIN32)
    return {};
#else
    std::size_t slash = path.rfind('/');
    std::size_t dot = path.find('.', slash == std::string::npos ? 0 : slash + 1);
    return path.substr(0, dot) + ".res";
#endif
}

void component_library::close() {
    if (module_) unload(module_);
    module_ = nullptr;
    entry_ = nullptr;
}

} // namespace host
