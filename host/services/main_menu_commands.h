// The host's own main-menu commands, published to its menu system like any
// component's: for now the one that removes the selected tracks from the
// active playlist, which components run by its guid.
#pragma once

#include "quorvel/commands.h"
#include "services/host_service.h"
#include "store/playlist_model.h"

namespace host {

class main_menu_commands final : public host_service<quorvel::command_source> {
public:
    explicit main_menu_commands(playlist_model& model)
        : host_service("command_source[0]"), model_(model) {}

    // Answers for the extended interface with itself.
    quorvel::service_object* query(const quorvel::guid& cls) override;
    std::uint32_t default_state(std::uint32_t index) override;
    std::uint32_t menu_kind() override;
    std::uint32_t command_count() override;
    void command_path(std::uint32_t index, quorvel::text_buffer& out) override;
    bool display_text(std::uint32_t index, quorvel::handle_list& handles, quorvel::text_buffer& out,
                      std::uint32_t& flags) override;
    void execute(std::uint32_t index, quorvel::handle_list& handles) override;
    bool unnamed_10(std::uint32_t index, quorvel::text_buffer& out) override;
    std::uint32_t unnamed_11(std::uint32_t index) override;
    bool display_text_for(std::uint32_t index, quorvel::handle_list& handles,
                          quorvel::text_buffer& out, std::uint32_t& flags,
                          const quorvel::guid& caller) override;
    void execute_for(std::uint32_t index, quorvel::handle_list& handles,
                     const quorvel::guid& caller) override;
    bool command_guid(std::uint32_t index, quorvel::guid& out) override;
    bool unnamed_15(std::uint32_t index, quorvel::text_buffer& out) override;
    void execute_step(std::uint32_t index, quorvel::handle_list& handles,
                      const quorvel::guid& caller) override;
    bool display_step(std::uint32_t index, quorvel::handle_list& handles, quorvel::text_buffer& out,
                      std::uint32_t& flags, const quorvel::guid& caller) override;

private:
    // Assigns the label of command `index`; false when there is none.
    bool show(std::uint32_t index, quorvel::text_buffer& out);
    // Runs command `index`: removes the selected tracks of the active playlist.
    void run(std::uint32_t index);

    playlist_model& model_;
};

} // namespace host
