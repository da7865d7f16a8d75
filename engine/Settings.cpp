// SPDX-License-Identifier: MIT
// The program-wide separator settings; the main window and the command-line tool change them.
#include "engine/DateTypes.h"

namespace valdora {

std::string DateSeparator = "-";
std::string ThousandsSeparator = ",";

}  // namespace valdora
