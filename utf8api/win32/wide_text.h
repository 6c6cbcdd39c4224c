// UTF-8 and UTF-16 both ways, for the wide-character Win32 calls.
#pragma once

#include <string>

namespace win32 {

// `utf8` as UTF-16; empty for null.
std::wstring widen(const char* utf8);
// `utf16` as UTF-8.
std::string narrow(const std::wstring& utf16);

} // namespace win32
