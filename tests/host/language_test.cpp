// The command language as Tab completion and a person write it: a word typed
// by completion reads back as that word, a text that takes the rest of the
// line is taken as written, and a line that is not UTF-8 is refused at its
// first bad byte.
#include "shell/language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using host::input_line;

TEST(language_test, completed_words_read_back_as_themselves) {
    const std::string words[] = {"Rock",      "C# Minor",        "#1",
                                 "12",        "He said \"hi\"",  "a\\b",
                                 "\\x41",     "Bad\xFF\xFEName", std::string("nul\0x", 5),
                                 "tab\there", "Café 🎵",          ""};
    for (const std::string& word : words) {
        input_line line("activate " + host::typed(word));
        ASSERT_EQ(line.count(), 1u) << host::typed(word);
        EXPECT_EQ(line.word(0), word) << host::typed(word);
        EXPECT_FALSE(line.unclosed()) << host::typed(word);
    }
    // A name of digits is quoted, so that it is not read as a position.
    EXPECT_TRUE(input_line("activate " + host::typed("12")).quoted(0));
}

TEST(language_test, rest_of_the_line_is_taken_as_written_unless_one_quoted_word) {
    struct row {
        const char* line;
        std::string rest;
        bool unclosed;
    };
    for (const row& r : {
             row{"new 12\" Vinyl", "12\" Vinyl", true},
             row{"new Rock \"n\" Roll", "Rock \"n\" Roll", false},
             row{"new \"a \\\"b\\\" \\\\ c\"", "a \"b\" \\ c", false},
             row{"new \"Bad\\xFF\\xfeName\"", "Bad\xFF\xFEName", false},
             row{"new \"\\xF\" \\x41", "\"\\xF\" \\x41", false},
             row{"new C# Minor # a comment", "C# Minor", false},
             row{"new \"unclosed \\\" # a comment", "\"unclosed \\\"", true},
         }) {
        input_line line(r.line);
        EXPECT_EQ(line.rest(0), r.rest) << r.line;
        EXPECT_EQ(line.unclosed(), r.unclosed) << r.line;
    }
}

TEST(language_test, lines_that_are_not_utf8_are_refused_at_the_first_bad_byte) {
    struct row {
        std::string line;
        const char* says; // empty when the line is UTF-8
    };
    for (const row& r : {
             row{"new Bad\xFF\xFEName", "byte 8 (\\xFF)"},
             row{"new \xC0\x80", "byte 5 (\\xC0)"},         // an overlong form
             row{"new a\xED\xA0\x80", "byte 6 (\\xED)"},    // a surrogate
             row{"new \xF4\x90\x80\x80", "byte 5 (\\xF4)"}, // past U+10FFFF
             row{"new \xE2\x82", "byte 5 (\\xE2)"},         // cut short
             row{"new \xE2\x82\xAC \xF0\x9F\x8E\xB5 \xC3\xA9", ""},
         }) {
        try {
            input_line line(r.line);
            EXPECT_STREQ(r.says, "") << host::shown(r.line) << " was taken";
        } catch (const host::verb_error& e) {
            EXPECT_NE(std::string(e.what()).find(r.says), std::string::npos)
                << host::shown(r.line) << ": " << e.what();
            EXPECT_STRNE(r.says, "") << host::shown(r.line) << ": " << e.what();
        }
    }
}

} // namespace
