// SPDX-License-Identifier: MIT
#include "cli/CliHost.h"

#include <functional>

#include "engine/CalendarText.h"
#include "engine/DateCore.h"
#include "holidays/WorkingCalendarSource.h"
#include "presentation/FieldDates.h"
#include "text/Language.h"

namespace valdora {
namespace {

// to = from. A batch stores a dozen short field texts a line: unless `from` lies in `to`
// itself, clear and append, which skip the overlap handling of std::string's assign.
void Store(std::string& to, std::string_view from) {
  const std::less<const char*> before;
  if (!before(from.data(), to.data()) && !before(to.data() + to.size(), from.data())) {
    to.assign(from);
    return;
  }
  to.clear();
  to.append(from);
}

}  // namespace

CliHost::CliHost(const CliSettings& settings, AnswerBuffer* sink)
    : settings_(settings), out_(sink ? sink : &output_), days_(!settings.months) {}

std::string CliMonthsTwoDatesMessage(std::int16_t language) {
  const char* hint = language == intGerman
                         ? "Ohne --months zaehlt valdora-cli die Tage zwischen den beiden Daten."
                         : "Leave out --months to count the days between the two dates.";
  return ProgramText(21) + "\r\n" + hint;
}

void CliHost::Begin(std::string_view first, std::string_view diff, std::string_view second,
                    bool months) {
  Store(fields_[0], first);
  Store(fields_[1], diff);
  Store(fields_[2], second);
  if (out_ == &output_) output_.Clear();
  start_ = out_->Size();
  messageShown_ = false;
  message_.clear();
  days_ = !months;
  cleared_ = ClearChoice::Cancel;
}

std::string_view CliHost::ResultLine() const noexcept {
  const std::string_view out = Output();
  return out.substr(0, out.find('\r'));  // every line break of the output is "\r\n"
}

void CliHost::KeepResultLine() { out_->Truncate(start_ + ResultLine().size()); }

void CliHost::DiscardOutput() { out_->Truncate(start_); }

std::string CliHost::FieldText(ComputeField field) const { return fields_[Index(field)]; }

void CliHost::SetFieldText(ComputeField field, std::string_view text) {
  Store(fields_[Index(field)], text);
}

CalendarCode CliHost::GetCal(int which) const {
  return which == 1 ? settings_.firstCal : settings_.secondCal;
}

DateFormat CliHost::UsersDateFormat() const { return settings_.format; }
std::int16_t CliHost::IncludeFirstDateValue() const { return settings_.includeFirstDate; }
std::int16_t CliHost::IncludeWeekendsValue() const { return settings_.includeWeekends; }
std::int16_t CliHost::VerboseValue() const { return settings_.verbose; }
std::int16_t CliHost::HyphenValue() const { return settings_.hyphen; }
bool CliHost::DaysSelected() const { return days_; }
void CliHost::SelectDays() { days_ = true; }
void CliHost::SetTheFocus() {}

const WorkingCalendar* CliHost::WorkingCalendarWithin(std::int64_t first, std::int64_t last,
                                                      std::string& problem) {
  if (settings_.workingCalendar == nullptr)
    return ComputeHost::WorkingCalendarWithin(first, last, problem);
  return settings_.workingCalendar->CalendarWithin(first, last, problem);
}

void CliHost::AppendOutput(std::string_view text) { out_->Append(text); }

void CliHost::MoveOutputCaretToEnd(bool) {}

void CliHost::ShowComputeMessage(const std::string& text, const std::string&, ComputeBox box) {
  messageShown_ = true;
  message_ = box == BoxMonthsTwoDates ? CliMonthsTwoDatesMessage(intLanguage) : text;
  box_ = box;
}

ClearChoice CliHost::AskFieldToClear() {
  cleared_ = settings_.clear;
  return settings_.clear;
}

void CliHost::PutTodayIntoFirstDate() {
  const DateTextSettings textSettings =
      CurrentDateTextSettings(settings_.format, settings_.hyphen == 1);
  std::string text = TodayInCalendar(settings_.firstCal, textSettings);
  if (!text.empty()) fields_[0] = std::move(text);
}

}  // namespace valdora
