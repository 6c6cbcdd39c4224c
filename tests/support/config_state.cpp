#include "tests/support/config_state.h"

#include "config/blob.h"
#include "config/variables.h"

namespace config_support {

std::ostream& operator<<(std::ostream& out, const config_values& v) {
    return out << "{add_total " << v.add_total << ", replace " << v.replace << ", add_index "
               << v.add_index << ", use_custom_group " << v.use_custom_group << ", force_on "
               << v.force_on << ", show_numbers " << v.show_numbers << ", move_files "
               << v.move_files << ", cust_group_name \"" << v.cust_group_name << "\"}";
}

config_values current_values() {
    using namespace relayvo;
    return {add_total.value, replace.value,      add_index.value,  use_custom_group.value,
            force_on.value,  show_numbers.value, move_files.value, cust_group_name.text()};
}

void set_values(const config_values& v) {
    using namespace relayvo;
    add_total.value = v.add_total;
    replace.value = v.replace;
    add_index.value = v.add_index;
    use_custom_group.value = v.use_custom_group;
    force_on.value = v.force_on;
    show_numbers.value = v.show_numbers;
    move_files.value = v.move_files;
    cust_group_name.set_text(v.cust_group_name.c_str());
}

config_values sample_values() {
    return {1, -1, 2, 0x7fffffff, -2147483647 - 1, 7, 0x01020304, "Grüppe"};
}

void load_blob(const bytes& blob) {
    auto copy = exact_copy(blob);
    relayvo::read_blob(copy.get(), static_cast<std::uint32_t>(blob.size()));
}

} // namespace config_support
