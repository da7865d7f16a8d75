// SPDX-License-Identifier: MIT
// The help text of the help window, in English and German, built without any widget.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace valdora {

// The paragraphs of the help in `language` (0 English: twelve, 1 German: eleven); none for
// any other language slot. `manual` is the address of the user manual shipped with the
// program, cited where the help points to it.
std::vector<std::string> HelpParagraphs(std::int16_t language, const std::string& manual);

// The help text of `language`: its paragraphs, each but the last followed by CR LF CR LF,
// the last by CR LF; "" for a language without help.
std::string BuildHelpText(std::int16_t language, const std::string& manual);

}  // namespace valdora
