// Guids in their registry form, {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
#pragma once

#include "quorvel/abi.h"

#include <string>

namespace host {

std::string guid_text(const quorvel::guid& id);

} // namespace host
