// The configuration reader and writer on arbitrary bytes. Whatever a load
// leaves, a save gives exactly one record per variable, in list order, with
// the values a plain reading of the loaded records predicts; loading that save
// and saving again gives the same bytes.
#include "config/blob.h"
#include "tests/support/config_bytes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

using config_support::bytes;

// The keys in the order every save writes them.
const char* const keys[] = {"cust_group_name",  "move_files", "show_numbers", "force_on",
                            "use_custom_group", "add_index",  "replace",      "add_total"};

void load(const bytes& blob) {
    auto copy = config_support::exact_copy(blob);
    relayvo::read_blob(copy.get(), static_cast<std::uint32_t>(blob.size()));
}

bytes save() {
    config_support::recording_sink sink;
    relayvo::write_blob(sink);
    return sink.bytes_written;
}

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "config_fuzzer: %s\n", what);
    std::abort();
}

using values = std::map<std::string, bytes>;

// The value of each variable after reading `blob` over `before`: records are
// taken while they fit; a text keeps its bytes up to a NUL, a number only a
// 4-byte value; keys are compared up to their first NUL.
values read_plainly(values before, const bytes& blob) {
    if (blob.size() <= 4) return before;
    std::size_t at = 0;
    auto remaining = [&] { return blob.size() - at; };
    while (remaining() >= 4) {
        std::uint32_t key_length = config_support::read_u32(blob, at);
        at += 4;
        if (key_length > remaining()) break;
        std::string key(blob.begin() + at, blob.begin() + at + key_length);
        key.resize(std::strlen(key.c_str()));
        at += key_length;
        if (remaining() < 4) break;
        std::uint32_t value_length = config_support::read_u32(blob, at);
        at += 4;
        if (value_length > remaining()) break;
        bytes value(blob.begin() + at, blob.begin() + at + value_length);
        at += value_length;
        if (auto found = before.find(key); found != before.end()) {
            if (key == "cust_group_name")
                found->second = bytes(value.begin(), std::find(value.begin(), value.end(), 0));
            else if (value_length == 4)
                found->second = value;
        }
        if (remaining() <= 4) break;
    }
    return before;
}

values values_of(const bytes& saved) {
    auto records = config_support::split_records(saved);
    require(records.has_value(), "a save is not made of whole records");
    require(records->size() == std::size(keys), "a save does not hold one record per variable");
    values result;
    for (std::size_t i = 0; i < records->size(); ++i) {
        require((*records)[i].key == keys[i], "a save has its records out of order");
        result[(*records)[i].key] = (*records)[i].value;
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bytes defaults = save();
    load(defaults);

    bytes input(data, data + size);
    load(input);
    bytes first = save();
    require(values_of(first) == read_plainly(values_of(defaults), input),
            "the saved values differ from the records loaded");

    load(first);
    require(save() == first, "saving what was loaded from a save changes the bytes");
    return 0;
}
