// SPDX-License-Identifier: MIT
// Marks on the month grid for a working calendar: each day of the shown month that is not a
// working day (a rest day or a holiday) gets a mark right after its number, in the blank
// that follows it, so that the grid keeps its width and copies with its marks.
#pragma once

#include "engine/WorkingCalendar.h"
#include "presentation/MonthGrid.h"

namespace valdora {

inline constexpr char kRestDayMark = '*';

// Marks the days of the month of `grid` (BuildMonthGrid's text: the cells from the first
// "1" up to the next) that are not working days of `calendar`. Cells of the neighbouring
// months stay as they are.
void MarkRestDays(MonthGrid& grid, const WorkingCalendar& calendar);

}  // namespace valdora
