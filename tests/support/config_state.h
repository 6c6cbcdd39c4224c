// The eight configuration variables as one comparable value, so tests can
// put them back to their defaults and tell whether anything changed.
#pragma once

#include "tests/support/config_bytes.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace config_support {

struct config_values {
    std::int32_t add_total = 0;
    std::int32_t replace = 0;
    std::int32_t add_index = 0;
    std::int32_t use_custom_group = 0;
    std::int32_t force_on = 0;
    std::int32_t show_numbers = 0;
    std::int32_t move_files = 0;
    std::string cust_group_name = "Relayvo";

    bool operator==(const config_values&) const = default;
};

std::ostream& operator<<(std::ostream& out, const config_values& values);

// What the variables hold now.
config_values current_values();
// Assigns every variable.
void set_values(const config_values& values);
// Values different from the defaults in every variable.
config_values sample_values();
// Reads `blob` through the component's reader from an exact-size copy.
void load_blob(const bytes& blob);

} // namespace config_support
