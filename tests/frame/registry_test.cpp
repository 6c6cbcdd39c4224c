#include "commands/command_sources.h"
#include "commands/playlist_watcher.h"
#include "config/variables.h"
#include "frame/client_object.h"
#include "frame/registry.h"
#include "frame/version_record.h"
#include "tests/support/component_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr quorvel::guid watcher_class{
    0x7F0FB76C, 0x6BB7, 0x4435, {0x83, 0x37, 0x8E, 0x75, 0x98, 0xF4, 0x4B, 0xDA}};
constexpr quorvel::guid settings_class{
    0x7255E8D0, 0x3FCF, 0x4781, {0xB9, 0x3B, 0xD0, 0x6C, 0xB8, 0x8D, 0xFA, 0xFA}};
constexpr quorvel::guid commands_class{
    0x1C0802F7, 0xCF24, 0x49EF, {0xB9, 0x14, 0x8B, 0x98, 0x66, 0xF1, 0x97, 0x79}};
constexpr quorvel::guid version_class{
    0x10BB3EBD, 0xDDF7, 0x4975, {0xA3, 0xCC, 0x23, 0x08, 0x48, 0x29, 0x45, 0x3E}};

// The published list as the host walks it, head first.
std::vector<quorvel::service_entry*> published_entries() {
    std::vector<quorvel::service_entry*> list;
    for (quorvel::service_entry* e = relayvo::client.first_service_entry(); e && list.size() < 10;
         e = e->next)
        list.push_back(e);
    return list;
}

// The entry publishes a `Service` embedded in itself: the instance lies where
// a published<Service> holds it and shares the operation table of a `Service`
// made from `args` (the component has no type information to ask).
template <class Service, class... Args>
void expect_embeds(quorvel::service_entry* entry, Args&&... args) {
    auto* published = static_cast<relayvo::published<Service>*>(entry);
    quorvel::service_object* instance = entry->create_instance();
    ASSERT_EQ(instance, static_cast<quorvel::service_object*>(&published->service));
    Service same_kind(std::forward<Args>(args)...);
    EXPECT_EQ(std::memcmp(instance, &same_kind, sizeof(void*)), 0) << "another service's table";
}

TEST(registry_test, list_holds_five_services_most_recent_first) {
    std::vector<quorvel::service_entry*> list = published_entries();
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0]->class_guid, watcher_class);
    EXPECT_EQ(list[1]->class_guid, settings_class);
    EXPECT_EQ(list[2]->class_guid, commands_class);
    EXPECT_EQ(list[3]->class_guid, commands_class);
    EXPECT_EQ(list[4]->class_guid, version_class);
    expect_embeds<relayvo::playlist_watcher>(list[0], relayvo::entries);
    relayvo::delivery sending{relayvo::replace};
    relayvo::command_settings settings = testing_support::component_command_settings();
    expect_embeds<relayvo::name_commands>(list[2], relayvo::entries, sending, settings);
    expect_embeds<relayvo::index_commands>(list[3], relayvo::entries, sending, settings);
    expect_embeds<relayvo::version_record>(list[4], "", "", "");
}

TEST(registry_test, create_instance_gives_the_same_uncounted_object) {
    for (quorvel::service_entry* entry : published_entries()) {
        quorvel::service_object* first = entry->create_instance();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(entry->create_instance(), first);
        EXPECT_EQ(first->add_ref(), 1);
        EXPECT_EQ(first->add_ref(), 1);
        EXPECT_EQ(first->release(), 1);
        EXPECT_EQ(first->release(), 1);
        EXPECT_EQ(first->release(), 1);
        EXPECT_EQ(entry->create_instance(), first);
    }
}

TEST(registry_test, plain_services_answer_no_interface) {
    const quorvel::guid asked[] = {
        watcher_class,
        settings_class,
        commands_class,
        version_class,
        {0x79D28AA9, 0x4E71, 0x4B9B, {0x98, 0xBA, 0x36, 0xDB, 0x16, 0x59, 0x3F, 0xDF}},
        {0x8CC36FD2, 0x9BC6, 0x46B9, {0xA7, 0x48, 0x15, 0x68, 0xDE, 0x4C, 0xD6, 0x02}},
        {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}},
        {0xFFFFFFFF, 0xFFFF, 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    std::vector<quorvel::service_entry*> list = published_entries();
    ASSERT_EQ(list.size(), 5u);
    for (quorvel::service_entry* entry : {list[0], list[1], list[4]})
        for (const quorvel::guid& cls : asked)
            EXPECT_EQ(entry->create_instance()->query(cls), nullptr) << std::hex << cls.data1;
}

} // namespace
