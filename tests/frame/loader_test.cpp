// The built library as a host meets it: loaded by path, reached only through
// its export, and unloaded so that its static teardown runs.
#include "host/session/component_library.h"
#include "host/trace/guid_text.h"
#include "quorvel/version_info.h"
#include "tests/support/config_bytes.h"
#include "tests/support/fake_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using config_support::blob_builder;
using config_support::bytes;

bytes default_blob() {
    blob_builder blob;
    blob.record("cust_group_name", "Relayvo");
    for (const char* key : {"move_files", "show_numbers", "force_on", "use_custom_group",
                            "add_index", "replace", "add_total"})
        blob.int_record(key, 0);
    return blob.data;
}

class loader_test : public ::testing::Test {
protected:
    void SetUp() override { open(); }

    void open() {
        ASSERT_EQ(library.open(RELAYVO_LIBRARY), "");
        ASSERT_NE(library.entry(), nullptr);
        client = library.entry()(&host, library.module());
        ASSERT_NE(client, nullptr);
    }
    std::vector<quorvel::service_entry*> entries() {
        std::vector<quorvel::service_entry*> list;
        for (quorvel::service_entry* e = client->first_service_entry(); e && list.size() < 10;
             e = e->next)
            list.push_back(e);
        return list;
    }
    std::string read(void (quorvel::version_info::*op)(quorvel::text_buffer&)) {
        quorvel::version_info* record = nullptr;
        for (quorvel::service_entry* e : entries())
            if (e->class_guid == quorvel::version_info_class)
                record = static_cast<quorvel::version_info*>(e->create_instance());
        if (!record) return "<no version record>";
        testing_support::string_buffer out;
        (record->*op)(out);
        return out.text;
    }
    config_support::recording_sink save() {
        config_support::recording_sink sink;
        client->save_configuration(sink);
        return sink;
    }
    void load(const bytes& blob) {
        auto copy = config_support::exact_copy(blob);
        client->load_configuration(copy.get(), static_cast<std::uint32_t>(blob.size()));
    }

    testing_support::fake_host host;
    host::component_library library;
    quorvel::component_client* client = nullptr;
};

TEST_F(loader_test, export_gives_the_one_client_of_version_35) {
    EXPECT_EQ(client->client_version(), 35);
    EXPECT_EQ(library.entry()(&host, library.module()), client);
}

TEST_F(loader_test, publishes_five_services_head_first) {
    std::vector<std::string> classes;
    for (quorvel::service_entry* e : entries()) {
        classes.push_back(host::guid_text(e->class_guid));
        quorvel::service_object* service = e->create_instance();
        EXPECT_NE(service, nullptr);
        EXPECT_EQ(e->create_instance(), service);
    }
    EXPECT_EQ(classes, (std::vector<std::string>{"{7F0FB76C-6BB7-4435-8337-8E7598F44BDA}",
                                                 "{7255E8D0-3FCF-4781-B93B-D06CB88DFAFA}",
                                                 "{1C0802F7-CF24-49EF-B914-8B9866F19779}",
                                                 "{1C0802F7-CF24-49EF-B914-8B9866F19779}",
                                                 "{10BB3EBD-DDF7-4975-A3CC-23084829453E}"}));
}

TEST_F(loader_test, version_record_texts_reach_the_host) {
    EXPECT_EQ(read(&quorvel::version_info::module_name), "");
    client->set_module_location(RELAYVO_LIBRARY, "relayvo");
    EXPECT_EQ(read(&quorvel::version_info::module_name), "relayvo");
    EXPECT_EQ(read(&quorvel::version_info::component_name), "Relayvo");
    EXPECT_EQ(read(&quorvel::version_info::component_version), RELAYVO_VERSION);
    EXPECT_EQ(read(&quorvel::version_info::about_text)
                  .rfind("Allows you to send items to playlists through context menu\n\n", 0),
              0u);
}

TEST_F(loader_test, configuration_travels_through_the_client) {
    config_support::recording_sink defaults = save();
    EXPECT_EQ(defaults.bytes_written, default_blob());
    EXPECT_EQ(defaults.writes.size(), 32u);

    load(blob_builder().int_record("add_index", 1).record("cust_group_name", "Mine").data);
    client->reset_configuration();
    auto records = config_support::split_records(save().bytes_written);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 8u);
    EXPECT_EQ((*records)[0].key, "cust_group_name");
    EXPECT_EQ((*records)[0].value, (bytes{'M', 'i', 'n', 'e'}));
    EXPECT_EQ((*records)[5].key, "add_index");
    EXPECT_EQ((*records)[5].value, (bytes{1, 0, 0, 0}));

    load(default_blob());
    EXPECT_EQ(save().bytes_written, default_blob());
}

TEST_F(loader_test, reloaded_library_starts_fresh) {
    client->set_module_location(RELAYVO_LIBRARY, "relayvo");
    load(blob_builder().int_record("replace", 1).record("cust_group_name", "").data);
    ASSERT_NE(save().bytes_written, default_blob());

    library.close();
    client = nullptr;
    open();
    EXPECT_EQ(save().bytes_written, default_blob());
    EXPECT_EQ(read(&quorvel::version_info::module_name), "");
    EXPECT_EQ(entries().size(), 5u);
}

// A failed load is one line naming the path, and leaves nothing loaded.
void expect_one_line_error(const std::string& path, const std::string& reason) {
    host::component_library library;
    std::string error = library.open(path);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find(reason), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    EXPECT_EQ(library.entry(), nullptr);
    EXPECT_EQ(library.module(), nullptr);
}

TEST(loader_error_test, missing_file_is_one_error_line) {
    expect_one_line_error("/nonexistent/librelayvo.so", "cannot load");
}

TEST(loader_error_test, library_without_the_export_is_one_error_line) {
    expect_one_line_error(UTF8API_LIBRARY, "quorvel_get_interface");
}

} // namespace
