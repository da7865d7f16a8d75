// SPDX-License-Identifier: MIT
// The Compute command's host for valdora-cli: the three fields, the options and the output
// window as plain strings; a message box is recorded instead of shown.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/AnswerBuffer.h"
#include "compute/Compute.h"
#include "compute/ComputeHost.h"
#include "engine/DateTypes.h"

namespace valdora {

class WorkingCalendarSource;

// The options of one run, as the command line gives them (defaults are the program's own).
struct CliSettings {
  CalendarCode firstCal = CE;
  CalendarCode secondCal = CE;
  bool months = false;               // unit of the difference
  std::int16_t includeFirstDate = 0;
  std::int16_t includeWeekends = 1;
  std::int16_t verbose = 1;
  std::int16_t hyphen = 1;
  DateFormat format = YMD;
  ClearChoice clear = ClearChoice::DateDiff;  // answer when all three fields are filled
  // The working week and holidays while weekend days are not counted (not owned; it outlives
  // the hosts of the run); nullptr: Monday to Friday without holidays.
  WorkingCalendarSource* workingCalendar = nullptr;
};

class CliHost final : public ComputeHost {
 public:
  // The output window's text goes to `sink` when given (appended after what it holds, so
  // that a batch writes its answers in place), else into the host's own buffer.
  explicit CliHost(const CliSettings& settings, AnswerBuffer* sink = nullptr);
  CliHost(const CliHost&) = delete;
  CliHost& operator=(const CliHost&) = delete;

  // Starts a computation: the three field texts, the unit (months when `months`, else days),
  // an empty output and no message.
  void Begin(std::string_view first, std::string_view diff, std::string_view second,
             bool months);

  // The output line: what the output window received up to its first line break.
  std::string_view ResultLine() const noexcept;
  // Cuts the output of this computation back to its result line (or to nothing).
  void KeepResultLine();
  void DiscardOutput();
  bool MessageShown() const noexcept { return messageShown_; }
  // The last message box's text (line breaks as the box has them: "\r\n").
  const std::string& Message() const noexcept { return message_; }
  ComputeBox MessageBox() const noexcept { return box_; }
  std::string_view Output() const noexcept { return out_->View().substr(start_); }
  const std::string& Field(ComputeField field) const noexcept { return fields_[Index(field)]; }
  bool UnitIsDays() const noexcept { return days_; }
  const CliSettings& Settings() const noexcept { return settings_; }
  // The field the clear-field question emptied in this computation (Cancel: none asked or
  // none emptied).
  ClearChoice Cleared() const noexcept { return cleared_; }
  // The Compute command's state for the computations run on this host: what the last one
  // read and left (both dates, the day count, the holidays in the span). Kept from one
  // computation to the next, as the window keeps its own; each overwrites what it uses.
  ComputeState& State() noexcept { return state_; }
  const ComputeState& State() const noexcept { return state_; }
  // Buffers for the checked field texts of a computation (RunComputation), reused from one
  // to the next so that a batch line allocates nothing for them.
  struct CheckedTexts {
    std::string first, diff, second;
  };
  CheckedTexts& CheckedTextBuffers() noexcept { return checked_; }

  std::string FieldText(ComputeField field) const override;
  void SetFieldText(ComputeField field, std::string_view text) override;
  CalendarCode GetCal(int which) const override;
  DateFormat UsersDateFormat() const override;
  std::int16_t IncludeFirstDateValue() const override;
  std::int16_t IncludeWeekendsValue() const override;
  std::int16_t VerboseValue() const override;
  std::int16_t HyphenValue() const override;
  bool DaysSelected() const override;
  void SelectDays() override;
  const WorkingCalendar* WorkingCalendarWithin(std::int64_t first, std::int64_t last,
                                               std::string& problem) override;
  void SetTheFocus() override;
  void AppendOutput(std::string_view text) override;
  void MoveOutputCaretToEnd(bool beforeLastChar) override;
  void ShowComputeMessage(const std::string& text, const std::string& title,
                          ComputeBox box) override;
  ClearChoice AskFieldToClear() override;
  void PutTodayIntoFirstDate() override;

 private:
  static std::size_t Index(ComputeField field) noexcept {
    return static_cast<std::size_t>(field) - 1;
  }

  CliSettings settings_;
  std::array<std::string, 3> fields_;
  AnswerBuffer output_{256};
  AnswerBuffer* out_;      // output_ or the sink
  std::size_t start_ = 0;  // where this computation's output begins in *out_
  std::string message_;
  ComputeBox box_ = BoxResultOutOfRange;
  bool messageShown_ = false;
  bool days_ = true;
  ClearChoice cleared_ = ClearChoice::Cancel;
  ComputeState state_;
  CheckedTexts checked_;
};

// The months refusal for two dates as valdora-cli words it: the window's first sentence, then
// how to count the days between them here (the window's second sentence speaks of its button).
std::string CliMonthsTwoDatesMessage(std::int16_t language);

}  // namespace valdora
