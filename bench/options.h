// The settings the benchmarks run under: every option that shapes the texts
// on, or every one off.
#pragma once

namespace bench {

struct options {
    bool add_index;
    bool add_total;
    bool show_numbers;
    bool use_custom_group;
    const char* group; // the custom group's name
};

inline constexpr options every_option_on{true, true, true, true, "Favourites"};
inline constexpr options every_option_off{false, false, false, false, ""};

} // namespace bench
