#include "frame/client_object.h"
#include "frame/version_record.h"
#include "tests/support/counting_heap.h"
#include "tests/support/host_containers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using text_of = void (quorvel::version_info::*)(quorvel::text_buffer&);

constexpr quorvel::guid version_class{
    0x10BB3EBD, 0xDDF7, 0x4975, {0xA3, 0xCC, 0x23, 0x08, 0x48, 0x29, 0x45, 0x3E}};

// The published version record, as the host finds it.
quorvel::version_info* published_record() {
    for (quorvel::service_entry* e = relayvo::client.first_service_entry(); e; e = e->next)
        if (e->class_guid == version_class)
            return static_cast<quorvel::version_info*>(e->create_instance());
    return nullptr;
}

// Reads one text into a host buffer that held something before.
std::string read(quorvel::version_info& record, text_of op) {
    testing_support::string_buffer out("stale");
    (record.*op)(out);
    return out.text;
}

class version_record_test : public ::testing::Test {
protected:
    void SetUp() override {
        forget_module_texts();
        record = published_record();
        ASSERT_NE(record, nullptr);
    }
    void TearDown() override { forget_module_texts(); }

    static void forget_module_texts() {
        relayvo::module_texts.location.assign(nullptr, 0);
        relayvo::module_texts.module_name.assign(nullptr, 0);
    }
    // Every text the record hands out.
    std::string all_texts() {
        return read(*record, &quorvel::version_info::module_name) + "|" +
               read(*record, &quorvel::version_info::component_name) + "|" +
               read(*record, &quorvel::version_info::component_version) + "|" +
               read(*record, &quorvel::version_info::about_text);
    }

    quorvel::version_info* record = nullptr;
};

TEST_F(version_record_test, texts_name_the_component) {
    EXPECT_EQ(read(*record, &quorvel::version_info::component_name), "Relayvo");
    EXPECT_EQ(read(*record, &quorvel::version_info::component_version), RELAYVO_VERSION);
    const std::string intro = "Allows you to send items to playlists through context menu\n\n";
    std::string about = read(*record, &quorvel::version_info::about_text);
    EXPECT_EQ(about.substr(0, intro.size()), intro);
    EXPECT_GT(about.size(), intro.size());
}

TEST_F(version_record_test, missing_texts_read_as_empty) {
    relayvo::version_record empty(nullptr, nullptr, nullptr);
    EXPECT_EQ(read(empty, &quorvel::version_info::component_name), "");
    EXPECT_EQ(read(empty, &quorvel::version_info::component_version), "");
    EXPECT_EQ(read(empty, &quorvel::version_info::about_text), "");
}

TEST_F(version_record_test, module_name_is_empty_until_the_host_sets_it) {
    EXPECT_EQ(read(*record, &quorvel::version_info::module_name), "");
}

TEST_F(version_record_test, module_name_is_a_copy_of_the_name_and_never_the_location) {
    std::string location = "/opt/quorvel/components/relayvo";
    std::string name = "relayvo_module";
    relayvo::client.set_module_location(location.c_str(), name.c_str());
    const std::string given_location = location;
    location.assign(location.size(), 'x');
    name.assign(name.size(), 'y');

    EXPECT_EQ(read(*record, &quorvel::version_info::module_name), "relayvo_module");
    EXPECT_EQ(all_texts().find(given_location), std::string::npos);
    EXPECT_STREQ(relayvo::module_texts.location.get(), given_location.c_str());
}

TEST_F(version_record_test, a_name_that_cannot_be_copied_reads_as_none) {
    relayvo::client.set_module_location("/opt/quorvel", "relayvo");
    testing_support::counting_heap heap;
    heap.fail_all(true);
    relayvo::client.set_module_location("/opt/other", "other");
    EXPECT_EQ(read(*record, &quorvel::version_info::module_name), "");
}

TEST_F(version_record_test, empty_texts_leave_no_copy) {
    relayvo::client.set_module_location("/opt/quorvel", "relayvo");
    relayvo::client.set_module_location("", "other");
    EXPECT_EQ(relayvo::module_texts.location.get(), relayvo::empty_text);
    EXPECT_EQ(read(*record, &quorvel::version_info::module_name), "other");
    relayvo::client.set_module_location("", "");
    EXPECT_EQ(relayvo::module_texts.module_name.get(), relayvo::empty_text);
    EXPECT_EQ(read(*record, &quorvel::version_info::module_name), "");
}

} // namespace
