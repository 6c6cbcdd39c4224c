// The component's preferences page.
#pragma once

#include "frame/service.h"

namespace quorvel {

inline constexpr guid settings_page_class{
    0x7255E8D0, 0x3FCF, 0x4781, {0xB9, 0x3B, 0xD0, 0x6C, 0xB8, 0x8D, 0xFA, 0xFA}};

} // namespace quorvel
