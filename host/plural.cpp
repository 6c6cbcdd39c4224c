#include "plural.h"

namespace host {

const char* plural(std::size_t n, const char* one, const char* many) {
    return n == 1 ? one : many;
}

std::string count_of(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + plural(n, one, many);
}

} // namespace host
