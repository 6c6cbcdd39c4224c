#include "wide_text.h"

#include <windows.h>

namespace win32 {

std::wstring widen(const char* utf8) {
    if (!utf8 || !*utf8) return {};
    int units = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (units <= 1) return {};
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), units);
    wide.resize(static_cast<std::size_t>(units - 1));
    return wide;
}

std::string narrow(const std::wstring& utf16) {
    if (utf16.empty()) return {};
    int size = static_cast<int>(utf16.size());
    int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, text.data(), bytes, nullptr, nullptr);
    return text;
}

} // namespace win32
