// Counts in words, for every message of the host: the one rule for singular
// and plural.
#pragma once

#include <cstddef>
#include <string>

namespace host {

// `one` when `n` is 1, otherwise `many`: "line", "lines".
const char* plural(std::size_t n, const char* one, const char* many);

// `n` and its word: "1 item", "2 items".
std::string count_of(std::size_t n, const char* one, const char* many);

} // namespace host
