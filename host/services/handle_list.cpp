#include "services/handle_list.h"

#include "trace/trace.h"

#include <algorithm>
#include <unordered_set>

namespace host {

namespace {

using trace::direction;

// The host's lists now alive, so that a list coming back can be told apart.
std::unordered_set<const quorvel::pointer_list*>& live_lists() {
    static std::unordered_set<const quorvel::pointer_list*> lists;
    return lists;
}

} // namespace

handle_list::handle_list(const playlist_model& model, const std::vector<track*>& tracks)
    : model_(model), items_(tracks.begin(), tracks.end()) {
    live_lists().insert(this);
}

handle_list::~handle_list() {
    live_lists().erase(this);
}

handle_list* handle_list::own(quorvel::pointer_list& list) {
    return live_lists().count(&list) ? static_cast<handle_list*>(&list) : nullptr;
}

std::uint32_t handle_list::count() {
    trace::call c(direction::to_host, "handles", "count");
    return c.returns(static_cast<std::uint32_t>(items_.size()));
}

void* handle_list::get(std::uint32_t index) {
    trace::call c(direction::to_host, "handles", "get", index);
    if (index >= items_.size()) {
        c.shows("null");
        return nullptr;
    }
    c.shows(title_of(items_[index]));
    return items_[index];
}

void* handle_list::remove_at(std::uint32_t index) {
    trace::call c(direction::to_host, "handles", "remove_at", index);
    if (index >= items_.size()) {
        c.shows("null");
        return nullptr;
    }
    void* item = items_[index];
    items_.erase(items_.begin() + index);
    c.shows(title_of(item));
    return item;
}

void handle_list::filter(const quorvel::index_mask& mask) {
    trace::call c(direction::to_host, "handles", "filter", "mask");
    std::vector<void*> kept;
    for (std::uint32_t i = 0; i < items_.size(); ++i) {
        trace::call ask(direction::to_component, "mask", "get", i);
        if (ask.returns(mask.get(i))) kept.push_back(items_[i]);
    }
    items_ = std::move(kept);
}

void handle_list::insert(void* item, std::uint32_t index) {
    trace::call c(direction::to_host, "handles", "insert", "item", index);
    items_.insert(items_.begin() + std::min<std::size_t>(index, items_.size()), item);
}

std::string handle_list::describe() const {
    std::string out = "[";
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (i) out += ", ";
        out += title_of(items_[i]);
    }
    return out + "]";
}

std::string handle_list::describe(quorvel::pointer_list& list) {
    handle_list* mine = own(list);
    return mine ? mine->describe() : "list";
}

std::string handle_list::title_of(const void* item) const {
    if (!model_.owns(item)) return "foreign handle";
    return trace::quoted(static_cast<const track*>(item)->title.c_str());
}

} // namespace host
