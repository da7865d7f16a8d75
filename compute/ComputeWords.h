// SPDX-License-Identifier: MIT
// The joining words of the result lines in the current display language, looked up once per
// language instead of once per line (the batch front end writes millions of lines).
#pragma once

#include <cstdint>
#include <string>

namespace valdora {

struct ComputeWords {
  std::int16_t language = -1;
  std::string to;                 // "to" / "bis": always lower case
  std::string plus, minus;        // as the fixed texts write them
  std::string day, days, month, months, year, years, week, weeks;  // lower case unless German
  std::string outOfRange;         // "Out of Range"
  std::string includingFirst, excludingFirst, notCountingWeekends;
};

// The words for intLanguage (rebuilt when the language has changed).
const ComputeWords& CurrentComputeWords();

}  // namespace valdora
