// The component assembled: every static object, in the one order that
// matters. The published list is built head-first, and teardown runs in
// reverse. The configuration offers the client its blob, and the published
// services are given the one entry table and delivery, and each part its
// settings.
#include "commands/command_sources.h"
#include "commands/entry_table.h"
#include "commands/playlist_watcher.h"
#include "config/blob.h"
#include "config/variables.h"
#include "frame/client_object.h"
#include "frame/version_record.h"
#include "settings/settings_page.h"

namespace relayvo {

published<version_record> version_entry{quorvel::version_info_class, component_name_text,
                                        component_version_text, about_text_body};

config_int add_total{"add_total", 0};
config_int replace{"replace", 0};
config_int add_index{"add_index", 0};
config_int use_custom_group{"use_custom_group", 0};
config_int force_on{"force_on", 0};
config_int show_numbers{"show_numbers", 0};
config_int move_files{"move_files", 0};
config_text cust_group_name{"cust_group_name", component_name_text};

entry_table entries{{add_index, add_total, show_numbers, use_custom_group, cust_group_name}};
delivery sending{replace};

published<index_commands> index_entry{quorvel::command_source_class, entries, sending,
                                      command_settings{move_files, force_on}};
published<name_commands> name_entry{quorvel::command_source_class, entries, sending,
                                    command_settings{move_files, force_on}};
published<settings_page> settings_entry{quorvel::settings_page_class};
published<playlist_watcher> watcher_entry{quorvel::playlist_watcher_class, entries};

client_object client{{write_blob, read_blob}};
module_location module_texts;

} // namespace relayvo
