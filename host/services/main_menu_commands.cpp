#include "services/main_menu_commands.h"

#include "services/handle_list.h"

namespace host {

namespace {

using trace::direction;

// The one command: its place in the menu and its label.
constexpr std::uint32_t remove_index = 0;
constexpr const char* remove_path = "Edit/Remove";
constexpr const char* remove_label = "Remove";

// Fills a text_buffer of the caller's through its own operations.
void assign(quorvel::text_buffer& out, const char* text) {
    trace::call c(direction::to_component, "text", "assign", trace::quoted(text), "-1");
    out.assign(text, quorvel::unbounded);
}

} // namespace

quorvel::service_object* main_menu_commands::query(const quorvel::guid& cls) {
    trace::call c(direction::to_host, name(), "query", trace::class_name(cls));
    if (!(cls == quorvel::command_source_ext) && !(cls == quorvel::command_source_class)) {
        c.shows("null");
        return nullptr;
    }
    c.shows(name());
    return this;
}

std::uint32_t main_menu_commands::default_state(std::uint32_t index) {
    trace::call c(direction::to_host, name(), "default_state", index);
    return c.returns(quorvel::state_on);
}

std::uint32_t main_menu_commands::menu_kind() {
    trace::call c(direction::to_host, name(), "menu_kind");
    return c.returns(quorvel::menu_main);
}

std::uint32_t main_menu_commands::command_count() {
    trace::call c(direction::to_host, name(), "command_count");
    return c.returns(std::uint32_t{1});
}

void main_menu_commands::command_path(std::uint32_t index, quorvel::text_buffer& out) {
    trace::call c(direction::to_host, name(), "command_path", index, "text");
    if (index == remove_index) assign(out, remove_path);
}

bool main_menu_commands::display_text(std::uint32_t index, quorvel::handle_list& handles,
                                      quorvel::text_buffer& out, std::uint32_t&) {
    trace::call c(direction::to_host, name(), "display_text", index, handle_list::describe(handles),
                  "text", "flags");
    return c.returns(show(index, out));
}

void main_menu_commands::execute(std::uint32_t index, quorvel::handle_list& handles) {
    trace::call c(direction::to_host, name(), "execute", index, handle_list::describe(handles));
    run(index);
}

bool main_menu_commands::unnamed_10(std::uint32_t index, quorvel::text_buffer&) {
    trace::call c(direction::to_host, name(), "slot_10", index, "text");
    return c.returns(false);
}

std::uint32_t main_menu_commands::unnamed_11(std::uint32_t index) {
    trace::call c(direction::to_host, name(), "slot_11", index);
    return c.returns(std::uint32_t{0});
}

bool main_menu_commands::display_text_for(std::uint32_t index, quorvel::handle_list& handles,
                                          quorvel::text_buffer& out, std::uint32_t&,
                                          const quorvel::guid& caller) {
    trace::call c(direction::to_host, name(), "display_text_for", index,
                  handle_list::describe(handles), "text", "flags", trace::caller_name(caller));
    return c.returns(show(index, out));
}

void main_menu_commands::execute_for(std::uint32_t index, quorvel::handle_list& handles,
                                     const quorvel::guid& caller) {
    trace::call c(direction::to_host, name(), "execute_for", index, handle_list::describe(handles),
                  trace::caller_name(caller));
    run(index);
}

bool main_menu_commands::command_guid(std::uint32_t index, quorvel::guid& out) {
    trace::call c(direction::to_host, name(), "command_guid", index, "guid");
    if (index != remove_index) return c.returns(false);
    out = quorvel::remove_selection_command;
    return c.returns(true);
}

bool main_menu_commands::unnamed_15(std::uint32_t index, quorvel::text_buffer&) {
    trace::call c(direction::to_host, name(), "slot_15", index, "text");
    return c.returns(false);
}

void main_menu_commands::execute_step(std::uint32_t index, quorvel::handle_list& handles,
                                      const quorvel::guid& caller) {
    trace::call c(direction::to_host, name(), "execute_step", index, handle_list::describe(handles),
                  trace::caller_name(caller));
    run(index);
}

bool main_menu_commands::display_step(std::uint32_t index, quorvel::handle_list& handles,
                                      quorvel::text_buffer& out, std::uint32_t&,
                                      const quorvel::guid& caller) {
    trace::call c(direction::to_host, name(), "display_step", index, handle_list::describe(handles),
                  "text", "flags", trace::caller_name(caller));
    return c.returns(show(index, out));
}

bool main_menu_commands::show(std::uint32_t index, quorvel::text_buffer& out) {
    if (index != remove_index) return false;
    assign(out, remove_label);
    return true;
}

void main_menu_commands::run(std::uint32_t index) {
    playlist* list = model_.active_playlist();
    if (index != remove_index || !list) return;
    std::vector<bool> selected = list->selected;
    playlist_model::remove_flagged(*list, selected);
}

} // namespace host
