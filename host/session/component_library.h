// Loads a component library with the platform loader and resolves its export.
#pragma once

#include "quorvel/client.h"

#include <string>

namespace host {

class component_library {
public:
    component_library() = default;
    component_library(const component_library&) = delete;
    component_library& operator=(const component_library&) = delete;
    // Unloads the library, running its static teardown.
    ~component_library() { close(); }

    // Loads `path` and resolves the export; returns an empty text on success,
    // otherwise one line saying what went wrong.
    std::string open(const std::string& path);
    // Unloads the library, if one is loaded.
    void close();

    // The loader's handle of the library, passed to the export as its module.
    quorvel::module_handle module() const { return module_; }
    // The resolved export; null until open succeeded.
    quorvel_get_interface_fn entry() const { return entry_; }

private:
    quorvel::module_handle module_ = nullptr;
    quorvel_get_interface_fn entry_ = nullptr;
};

// Where the dialog resources of the library at `path` are kept: beside it, as
// <name without extension>.res, where libraries have no resource section (as
// the headless utf8api reads them); an empty text where they are inside it.
std::string resource_file_of(const std::string& path);

} // namespace host
