// Dialog templates as the resource compiler lays them out, read from a
// compiled resource file (.res) or from a module's resource section.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace resources {

// One control of a dialog template.
struct dialog_item {
    std::uint32_t help_id = 0;
    std::uint32_t ex_style = 0;
    std::uint32_t style = 0;
    std::int16_t x = 0, y = 0, width = 0, height = 0;
    std::int32_t id = 0;
    std::string class_name; // predefined classes by name: "BUTTON", "EDIT", "STATIC", ...
    std::string text;       // UTF-8
};

// An extended dialog template, with the language of its resource.
struct dialog_template {
    std::uint16_t language = 0;
    std::uint16_t version = 0;
    std::uint16_t signature = 0;
    std::uint32_t help_id = 0;
    std::uint32_t ex_style = 0;
    std::uint32_t style = 0;
    std::int16_t x = 0, y = 0, width = 0, height = 0;
    std::string menu;         // empty for none
    std::string window_class; // empty for the default class
    std::string title;
    std::uint16_t point_size = 0;
    std::uint16_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t charset = 0;
    std::string typeface;
    std::vector<dialog_item> items;
};

// Decodes the `size` bytes of an extended dialog template at `data`; returns
// false if they are not a well-formed one.
bool decode_dialog(const std::uint8_t* data, std::size_t size, dialog_template& out);

// Finds dialog resource `id` in the bytes of a .res file and decodes it;
// returns false if there is none or it is not a well-formed extended template.
bool find_dialog(const std::vector<std::uint8_t>& res, std::uint32_t id, dialog_template& out);

// The whole file at `path`; empty if it cannot be read.
std::vector<std::uint8_t> read_file(const std::string& path);

} // namespace resources
