// Configuration blobs as plain bytes, for tests on either side of the
// boundary: building records (well-formed or damaged), recording what a sink
// receives, and splitting a blob back into records.
#pragma once

#include "quorvel/client.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace config_support {

using bytes = std::vector<std::uint8_t>;

// Builds a blob piece by piece; the raw pieces make damaged blobs.
class blob_builder {
public:
    blob_builder& u32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            data.push_back(static_cast<std::uint8_t>(value >> shift));
        return *this;
    }
    blob_builder& raw(std::string_view piece) {
        data.insert(data.end(), piece.begin(), piece.end());
        return *this;
    }
    blob_builder& raw(const bytes& piece) {
        data.insert(data.end(), piece.begin(), piece.end());
        return *this;
    }
    blob_builder& record(std::string_view key, std::string_view value) {
        return u32(static_cast<std::uint32_t>(key.size()))
            .raw(key)
            .u32(static_cast<std::uint32_t>(value.size()))
            .raw(value);
    }
    blob_builder& int_record(std::string_view key, std::int32_t value) {
        return u32(static_cast<std::uint32_t>(key.size()))
            .raw(key)
            .u32(4)
            .u32(static_cast<std::uint32_t>(value));
    }
    // The first `n` bytes built so far.
    bytes cut(std::size_t n) const { return bytes(data.begin(), data.begin() + n); }

    bytes data;
};

// The value bytes of a 4-byte record holding `value`.
inline bytes int_value(std::int32_t value) {
    return blob_builder().u32(static_cast<std::uint32_t>(value)).data;
}

// The value bytes of a text record: the text without its NUL.
inline bytes text_value(std::string_view text) {
    return bytes(text.begin(), text.end());
}

// A host-side sink keeping every write: its length, and the bytes in order.
class recording_sink final : public quorvel::config_sink {
public:
    void write(const void* data, std::uint32_t length) override {
        const auto* first = static_cast<const std::uint8_t*>(data);
        writes.push_back(length);
        if (length) bytes_written.insert(bytes_written.end(), first, first + length);
    }

    std::vector<std::uint32_t> writes;
    bytes bytes_written;
};

struct record {
    std::string key;
    bytes value;
};

inline std::uint32_t read_u32(const bytes& blob, std::size_t at) {
    return std::uint32_t{blob[at]} | std::uint32_t{blob[at + 1]} << 8 |
           std::uint32_t{blob[at + 2]} << 16 | std::uint32_t{blob[at + 3]} << 24;
}

// The records of `blob`, or nothing unless well-formed records fill it exactly.
inline std::optional<std::vector<record>> split_records(const bytes& blob) {
    std::vector<record> records;
    std::size_t at = 0;
    auto take = [&](std::size_t n) {
        if (blob.size() - at < n) return false;
        at += n;
        return true;
    };
    while (at < blob.size()) {
        std::size_t start = at;
        if (!take(4) || !take(read_u32(blob, start))) return std::nullopt;
        std::size_t value_at = at;
        if (!take(4) || !take(read_u32(blob, value_at))) return std::nullopt;
        records.push_back({std::string(blob.begin() + start + 4, blob.begin() + value_at),
                           bytes(blob.begin() + value_at + 4, blob.begin() + at)});
    }
    return records;
}

// A heap copy of exactly the blob's size, so that reading past it is caught.
inline std::unique_ptr<std::uint8_t[]> exact_copy(const bytes& blob) {
    auto copy = std::make_unique<std::uint8_t[]>(blob.size());
    std::copy(blob.begin(), blob.end(), copy.get());
    return copy;
}

} // namespace config_support
