// SPDX-License-Identifier: MIT
// The About section closing the help window's text: the program's version and licence.
#pragma once

#include <cstdint>
#include <string>

namespace valdora {

// The About section in `language` (1 German, any other slot English): a heading line, the
// version line, the copyright line and the licence line, each ended by CR LF.
std::string AboutText(std::int16_t language);

}  // namespace valdora
