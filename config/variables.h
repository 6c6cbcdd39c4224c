// The component's eight settings, defined with its other static objects.
#pragma once

#include "config/config_var.h"

namespace relayvo {

extern config_int add_total;        // labels end with the playlist's item count
extern config_int replace;          // the target is emptied before tracks are added
extern config_int add_index;        // labels begin with the playlist's number
extern config_int use_custom_group; // cust_group_name replaces the default group
extern config_int force_on;         // by-index commands report forced on
extern config_int show_numbers;     // by-name commands for the shortcut list
extern config_int move_files;       // from the playlist view, tracks move
extern config_text cust_group_name; // the custom group; may be empty

} // namespace relayvo
