#include "dialog_template.h"

#include <fstream>

namespace resources {

namespace {

constexpr std::uint16_t dialog_type = 5;

// Little-endian reader over a byte range; any read past the end fails it.
class reader {
public:
    reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    std::size_t offset() const { return pos_; }

    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(take(4)); }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }

    void align(std::size_t to) {
        std::size_t aligned = (pos_ + to - 1) / to * to;
        if (aligned > size_) ok_ = false;
        pos_ = ok_ ? aligned : size_;
    }

    // A NUL-terminated UTF-16 string, as UTF-8.
    std::string utf16() {
        std::string text;
        for (std::uint32_t unit = u16(); ok_ && unit != 0; unit = u16()) {
            if (unit >= 0xD800 && unit < 0xDC00) {
                std::uint32_t low = u16();
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            }
            append_utf8(text, unit);
        }
        return text;
    }

    // A name that is either an ordinal (0xFFFF then a number) or a string;
    // 0 alone means none. Ordinals come back as `#number`.
    std::string name_or_ordinal(std::uint16_t* ordinal = nullptr) {
        std::uint16_t first = u16();
        if (first == 0) return {};
        if (first == 0xFFFF) {
            std::uint16_t number = u16();
            if (ordinal) *ordinal = number;
            std::string ordinal_name(1, '#');
            return ordinal_name.append(std::to_string(number));
        }
        pos_ -= 2;
        return utf16();
    }

private:
    std::uint32_t take(std::size_t n) {
        if (!ok_ || size_ - pos_ < n) {
            ok_ = false;
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < n; ++i)
            value |= std::uint32_t{data_[pos_ + i]} << (8 * i);
        pos_ += n;
        return value;
    }

    static void append_utf8(std::string& out, std::uint32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// The predefined window classes a template names by ordinal.
std::string class_of(const std::string& name, std::uint16_t ordinal) {
    if (name.empty() || name[0] != '#') return name;
    switch (ordinal) {
    case 0x80:
        return "BUTTON";
    case 0x81:
        return "EDIT";
    case 0x82:
        return "STATIC";
    case 0x83:
        return "LISTBOX";
    case 0x84:
        return "SCROLLBAR";
    case 0x85:
        return "COMBOBOX";
    default:
        return name;
    }
}

} // namespace

bool decode_dialog(const std::uint8_t* data, std::size_t size, dialog_template& out) {
    reader in(data, size);
    out.version = in.u16();
    out.signature = in.u16();
    if (out.version != 1 || out.signature != 0xFFFF) return false;
    out.help_id = in.u32();
    out.ex_style = in.u32();
    out.style = in.u32();
    std::uint16_t count = in.u16();
    out.x = in.i16();
    out.y = in.i16();
    out.width = in.i16();
    out.height = in.i16();
    out.menu = in.name_or_ordinal();
    out.window_class = in.name_or_ordinal();
    out.title = in.utf16();
    constexpr std::uint32_t ds_setfont = 0x40, ds_shellfont = 0x48;
    if (out.style & ds_setfont || (out.style & ds_shellfont) == ds_shellfont) {
        out.point_size = in.u16();
        out.weight = in.u16();
        out.italic = in.u8();
        out.charset = in.u8();
        out.typeface = in.utf16();
    }
    for (std::uint16_t i = 0; i < count && in.ok(); ++i) {
        dialog_item item;
        in.align(4);
        item.help_id = in.u32();
        item.ex_style = in.u32();
        item.style = in.u32();
        item.x = in.i16();
        item.y = in.i16();
        item.width = in.i16();
        item.height = in.i16();
        item.id = static_cast<std::int32_t>(in.u32());
        std::uint16_t ordinal = 0;
        std::string name = in.name_or_ordinal(&ordinal);
        item.class_name = class_of(name, ordinal);
        item.text = in.name_or_ordinal();
        std::uint16_t extra = in.u16();
        for (std::uint16_t b = 0; b < extra; ++b)
            in.u8();
        out.items.push_back(item);
    }
    return in.ok();
}

bool find_dialog(const std::vector<std::uint8_t>& res, std::uint32_t id, dialog_template& out) {
    std::size_t at = 0;
    while (at + 8 <= res.size()) {
        reader header(res.data() + at, res.size() - at);
        std::uint32_t data_size = header.u32();
        std::uint32_t header_size = header.u32();
        std::uint16_t type = 0, name = 0;
        bool typed = !header.name_or_ordinal(&type).empty() && type == dialog_type;
        bool named = !header.name_or_ordinal(&name).empty() && name == id;
        header.align(4);
        header.u32(); // data version
        header.u16(); // memory flags
        std::uint16_t language = header.u16();
        if (!header.ok() || header_size < header.offset() ||
            res.size() - at - header_size < data_size)
            return false;
        if (typed && named) {
            out = dialog_template{};
            out.language = language;
            return decode_dialog(res.data() + at + header_size, data_size, out);
        }
        at += (std::size_t{header_size} + data_size + 3) / 4 * 4;
    }
    return false;
}

std::vector<std::uint8_t> read_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
    if (size < 0) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size())))
        return {};
    return bytes;
}

} // namespace resources
