// SPDX-License-Identifier: MIT
// The joining words of the result lines in the current display language, looked up once per
// program instead of once per line (the batch front end writes millions of lines).
#pragma once

#include <string>

namespace valdora {

struct ComputeWords {
  std::string to;                 // "to" / "bis": always lower case
  std::string plus, minus;        // as the fixed texts write them
  std::string day, days, month, months, year, years, week, weeks;  // lower case unless German
  std::string outOfRange;         // "Out of Range"
  std::string includingFirst, excludingFirst, notCountingWeekends;
};

// The words for intLanguage (each language's built once, on first use). Throws
// std::out_of_range for a language above 2.
const ComputeWords& CurrentComputeWords();

}  // namespace valdora
