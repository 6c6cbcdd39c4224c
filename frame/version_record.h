// The version record: the component's name, version and about text, and the
// module name the host reported.
#pragma once

#include "frame/registry.h"
#include "quorvel/version_info.h"

namespace relayvo {

inline constexpr const char* component_name_text = "Relayvo";
// The project's version, as the build sets it once for the component and the packages.
extern const char component_version_text[];
inline constexpr const char* about_text_body =
    "Allows you to send items to playlists through context menu\n"
    "\n"
    "Adds one command per playlist to the track context menu, and optional\n"
    "commands by playlist name for keyboard shortcuts.";

// Each text a pointer to a constant text; a null one reads as empty.
class version_record final : public static_service<quorvel::version_info> {
public:
    version_record(const char* name, const char* version, const char* about)
        : name(name), version(version), about(about) {}

    void module_name(quorvel::text_buffer& out) override;
    void component_name(quorvel::text_buffer& out) override;
    void component_version(quorvel::text_buffer& out) override;
    void about_text(quorvel::text_buffer& out) override;

    const char* name;
    const char* version;
    const char* about;
};

} // namespace relayvo
