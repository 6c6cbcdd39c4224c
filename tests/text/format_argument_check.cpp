// Built by the tests with the compiler alone: one call of a formatter entry
// with an argument of type ARGUMENT_TYPE. A 32-bit integer or a text must
// compile; any other type must be refused by the format_argument constraint.
#include "text/format.h"

#if defined(CHECK_FORMAT_TEXT)
relayvo::text_buffer check(ARGUMENT_TYPE value) {
    return relayvo::format_text("%u", value);
}
#else
void check(quorvel::text_buffer& out, ARGUMENT_TYPE value) {
    relayvo::format_to(out, "%u", value);
}
#endif
