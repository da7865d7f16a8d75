// SPDX-License-Identifier: MIT
#include "presentation/MonthMarks.h"

#include <string>

namespace valdora {

namespace {
// A week row is one blank and seven five-character cells " 12  " / "  5  ": the number
// ends at the cell's third character, so the mark goes into its fourth.
constexpr std::size_t kCellWidth = 5;
constexpr std::size_t kRowLead = 1;
constexpr std::size_t kMarkOffset = 3;
constexpr int kCellsPerRow = 7;
}  // namespace

void MarkRestDays(MonthGrid& grid, const WorkingCalendar& calendar) {
  std::string& text = grid.text;
  std::size_t lineStart = text.find('\n');  // the header has no days
  bool inMonth = false;
  std::int64_t day = grid.firstCellJdn;
  for (int row = 0; row < grid.numWeeks && lineStart != std::string::npos; ++row) {
    const std::size_t rowStart = lineStart + 1;
    for (int column = 0; column < kCellsPerRow; ++column, ++day) {
      const std::size_t cell = rowStart + kRowLead + kCellWidth * column;
      if (cell + kCellWidth > text.size()) return;  // not a grid BuildMonthGrid made
      // The 1st starts the shown month, the next 1st starts the one after it.
      if (text.compare(cell, kMarkOffset, "  1") == 0) inMonth = !inMonth;
      if (inMonth && !calendar.IsWorkingDay(day)) text[cell + kMarkOffset] = kRestDayMark;
    }
    lineStart = text.find('\n', rowStart);
  }
}

}  // namespace valdora
