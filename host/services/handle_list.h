// The host's list of track handles, handed to the component's commands. Its
// items are the host's own track pointers.
#pragma once

#include "quorvel/containers.h"
#include "store/playlist_model.h"

#include <string>
#include <vector>

namespace host {

class handle_list final : public quorvel::pointer_list {
public:
    // A list of `tracks`, which belong to `model`.
    handle_list(const playlist_model& model, const std::vector<track*>& tracks);
    ~handle_list();
    handle_list(const handle_list&) = delete;
    handle_list& operator=(const handle_list&) = delete;

    std::uint32_t count() override;
    void* get(std::uint32_t index) override;
    void* remove_at(std::uint32_t index) override;
    void filter(const quorvel::index_mask& mask) override;
    void insert(void* item, std::uint32_t index) override;

    // The items, read by the host without going through the interface.
    const std::vector<void*>& items() const { return items_; }
    // The list as trace lines show it: the titles of its tracks.
    std::string describe() const;

    // `list` as one of the host's own lists, or null when it is the component's.
    static handle_list* own(quorvel::pointer_list& list);
    // Any list as trace lines show it: the host's own by their titles, others as "list".
    static std::string describe(quorvel::pointer_list& list);

private:
    // How trace lines show `item`: its title, when it is one of the model's tracks.
    std::string title_of(const void* item) const;

    const playlist_model& model_;
    std::vector<void*> items_;
};

} // namespace host
