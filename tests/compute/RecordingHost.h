// SPDX-License-Identifier: MIT
// A ComputeHost for the tests: fields, options and output in plain members, and a record of
// every message box, focus request and caret move.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "compute/Compute.h"
#include "compute/ComputeHost.h"
#include "engine/DateCore.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace valdora::test {

struct ShownMessage {
  std::string text, title;
  ComputeBox box;
};

class RecordingHost : public ComputeHost {
 public:
  std::array<std::string, 3> fields;  // first, difference, second
  CalendarCode firstCal = CE, secondCal = CE;
  DateFormat format = YMD;
  std::int16_t includeFirstDate = 0, includeWeekends = 1, verbose = 0, hyphen = 1;
  bool days = true;
  ClearChoice clearAnswer = ClearChoice::DateDiff;
  std::string output;
  std::vector<ShownMessage> messages;
  int focusCalls = 0, todayCalls = 0, clearQuestions = 0, caretMoves = 0;
  ComputeState state;  // what the command read and left

  // Sets the three fields and runs the command; returns the output it appended.
  std::string Compute(const std::string& first, const std::string& diff, const std::string& second) {
    fields = {first, diff, second};
    const std::size_t before = output.size();
    cmdCompute_Click(*this, state);
    return output.substr(before);
  }
  const std::string& First() const { return fields[0]; }
  const std::string& Diff() const { return fields[1]; }
  const std::string& Second() const { return fields[2]; }

  std::string FieldText(ComputeField f) const override { return fields[Index(f)]; }
  void SetFieldText(ComputeField f, std::string_view text) override { fields[Index(f)] = text; }
  CalendarCode GetCal(int which) const override { return which == 1 ? firstCal : secondCal; }
  DateFormat UsersDateFormat() const override { return format; }
  std::int16_t IncludeFirstDateValue() const override { return includeFirstDate; }
  std::int16_t IncludeWeekendsValue() const override { return includeWeekends; }
  std::int16_t VerboseValue() const override { return verbose; }
  std::int16_t HyphenValue() const override { return hyphen; }
  bool DaysSelected() const override { return days; }
  void SelectDays() override { days = true; }
  void SetTheFocus() override { ++focusCalls; }
  void AppendOutput(std::string_view text) override { output += text; }
  void MoveOutputCaretToEnd(bool) override { ++caretMoves; }
  void ShowComputeMessage(const std::string& text, const std::string& title,
                          ComputeBox box) override {
    messages.push_back({text, title, box});
  }
  ClearChoice AskFieldToClear() override { ++clearQuestions; return clearAnswer; }
  void PutTodayIntoFirstDate() override {
    ++todayCalls;
    fields[0] = "2008-07-12";  // the fixed today of these tests, written in CE
  }

 private:
  static std::size_t Index(ComputeField f) { return static_cast<std::size_t>(f) - 1; }
};

// Loads the program texts beside the test executable and sets the program's defaults.
inline void PrepareProgram() {
  [[maybe_unused]] static const bool loaded = [] {
    SetProgramFolder(std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
    GenerateText();
    std::string message;
    LoadProgramText("vdr.dat", message);
    return true;
  }();
  DateSeparator.assign(1, '-');  // not `= "-"`: GCC 12 warns falsely (-Wrestrict) on that
  ThousandsSeparator.assign(1, ',');
  intLanguage = intEnglish;
  intTextLanguage = intEnglish;
  SetFixedToday(2008, 7, 12);
}

}  // namespace valdora::test
