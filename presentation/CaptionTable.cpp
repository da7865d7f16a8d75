// SPDX-License-Identifier: MIT
#include "presentation/CaptionTable.h"


#include "engine/StringHelpers.h"
#include "text/GenText.h"
#include "text/Language.h"

namespace valdora {

namespace {

using W = CaptionWay;

constexpr CaptionRule kMain[] = {
    {"lblDateFormat", W::Label, {"CE/JC date format"}},
    {"lblDateSeparator", W::Label, {"CE/JC date separator"}},
    {"lblThousandsSeparator", W::Label, {"Thousands separator"}},
    {"lblFirstDate", W::Label, {"First date"}},
    {"lblSecondDate", W::Label, {"Second date"}},
    {"lblDateDifference", W::Label, {"Date difference"}},
    {"optDays", W::LoweredUnlessGerman, {"Days"}},
    {"optMonths", W::LoweredUnlessGerman, {"Months"}},
    {"lblThisIsA(0)", W::Plain, {"This is a"}},
    {"lblThisIsA(1)", W::Plain, {"This is a"}},
    {"optDateFormatIsYMD", W::LoweredUnlessGerman, {"Year", "Month", "Day"}},
    {"optDateFormatIsDMY", W::LoweredUnlessGerman, {"Day", "Month", "Year"}},
    {"optDateFormatIsMDY", W::LoweredUnlessGerman, {"Month", "Day", "Year"}},
    {"cmdCompute", W::Plain, {"Compute"}},
    {"cmdToday(0)", W::Plain, {"Today"}},
    {"cmdToday(1)", W::Plain, {"Today"}},
    {"cmdReset", W::Plain, {"Reset"}},
    {"cmdHelp", W::Plain, {"Help"}},
    {"cmdQuit", W::Plain, {"Quit"}},
    {"cmdClearFirstDate", W::Plain, {"Clear"}},
    {"cmdClearSecondDate", W::Plain, {"Clear"}},
    {"cmdClearDateDiff", W::Plain, {"Clear"}},
    {"cmdClearOutputWindow", W::Plain, {"Clear"}},
    {"cmdMoveSecondDateToFirst", W::Plain, {"Second -> First"}},
    {"cmdCopyOutput", W::Plain, {"Copy to clipboard"}},
    {"cmdDisplayMonth", W::Plain, {"Display month"}},
    {"cmdEnlarge", W::Plain, {"Enlarge"}},
    {"optThousSepNone", W::Lowered, {"None"}},
    // Only the first date's options carry the calendar code.
    {"optFirstDateIsCE", W::WithCode, {"Common Era date"}, "CE"},
    {"optFirstDateIsJC", W::WithCode, {"Julian Calendar date"}, "JC"},
    {"optFirstDateIsORD", W::Ordinal, {"Ordinal date"}},
    {"optFirstDateIsJDN", W::WithCode, {"Julian day number"}, "JDN"},
    {"optFirstDateIsISO", W::WithCode, {"ISO Week date"}, "ISO"},
    {"optFirstDateIsLPM", W::WithCode, {"Ostrand Leap Week month date"}, "LPM"},
    {"optFirstDateIsLPW", W::WithCode, {"Ostrand Leap Week week date"}, "LPW"},
    {"optSecondDateIsCE", W::Plain, {"Common Era date"}},
    {"optSecondDateIsJC", W::Plain, {"Julian Calendar date"}},
    {"optSecondDateIsORD", W::Plain, {"Ordinal date"}},
    {"optSecondDateIsJDN", W::Plain, {"Julian day number"}},
    {"optSecondDateIsISO", W::Plain, {"ISO Week date"}},
    {"optSecondDateIsLPM", W::Plain, {"Ostrand Leap Week month date"}},
    {"optSecondDateIsLPW", W::Plain, {"Ostrand Leap Week week date"}},
    {"lblTodaysDate(0)", W::Plain, {"Click to change calendar"}, {}, 0, CaptionTarget::ToolTip},
    {"lblTodaysDate(1)", W::Plain, {"Click to change calendar"}, {}, 0, CaptionTarget::ToolTip},
    {"lblOnlineDocumentation", W::Plain, {"Online documentation"}},
    {"chkIncludeFirstDate", W::Plain, {"Include first date in days-beween-dates"}},
    {"chkIncludeWeekends", W::Plain, {"Count weekend days in days-between-dates"}},
    {"cmdWorkingWeek", W::Plain, {"&Working week…"}},  // Alt+W opens it
    {"chkVerbose", W::Plain, {"Verbose"}},
    {"chkHyphen", W::Plain, {"Hyphen in ordinal and"}},
    {"lblHyphen", W::Plain, {"in ISO Week dates"}},
    {"chkSaveOutput", W::Plain, {"Save results on quit"}},
};

constexpr CaptionRule kMonth[] = {
    {"lblYear", W::Label, {"Year"}},
    {"lblMonth", W::Label, {"Month"}},
    {"lblCalendar", W::Label, {"Calendar"}},
    {"lblFirstDayOfWeek", W::Label, {"First day of week"}},
    {"optCommonEra", W::Plain, {"Common Era"}},
    {"optJulian", W::Plain, {"Julian"}},
    {"optSunday", W::DayName, {}, {}, 0},
    {"optMonday", W::DayName, {}, {}, 1},
    {"cmdClose", W::Plain, {"Close"}},
    {"cmdCopyToClipboard", W::Plain, {"Copy to clipboard"}},
    {"cmdDisplay", W::Plain, {"Display month"}},
    {"cmdDisplayNextMonth(0)", W::Plain, {"Display next month"}},
    {"cmdDisplayNextMonth(1)", W::Plain, {"Display previous month"}},
    {"chkWithYear", W::Plain, {"with final digit of year"}},
    {"cmdShowHideISO", W::Plain, {"Display ISO Week dates"}},
};

constexpr CaptionRule kClearField[] = {
    {"lblNeedToClear", W::NeedToClear},
    {"lblClear", W::Label, {"Clear"}},
    {"lblOr", W::Plain, {"or"}},
    {"optClearFirstDate", W::Plain, {"First date"}},
    {"optClearDateDiff", W::Plain, {"Date difference"}},
    {"optClearSecondDate", W::Plain, {"Second date"}},
    {"optCancel", W::Plain, {"Cancel this operation"}},
    {"cmdContinue", W::Plain, {"Continue"}},
    {"", W::Plain, {"Clear"}, {}, 0, CaptionTarget::WindowTitle},
};

constexpr CaptionRule kWorkingWeek[] = {
    {"", W::Plain, {"Working week"}, {}, 0, CaptionTarget::WindowTitle},
    {"lblWorkingWeekdays", W::Label, {"Working weekdays"}},
    {"chkWorkingDay(1)", W::DayName, {}, {}, 1},
    {"chkWorkingDay(2)", W::DayName, {}, {}, 2},
    {"chkWorkingDay(3)", W::DayName, {}, {}, 3},
    {"chkWorkingDay(4)", W::DayName, {}, {}, 4},
    {"chkWorkingDay(5)", W::DayName, {}, {}, 5},
    {"chkWorkingDay(6)", W::DayName, {}, {}, 6},
    {"chkWorkingDay(0)", W::DayName, {}, {}, 0},
    {"lblHolidayFiles", W::Label, {"Holiday files"}},
    {"cmdAddHolidayFile", W::Plain, {"Add…"}},
    {"cmdRemoveHolidayFile", W::Plain, {"Remove"}},
    {"cmdOK", W::Plain, {"OK"}},
    {"cmdCancel", W::Plain, {"Cancel"}},
};

}  // namespace

std::span<const CaptionRule> CaptionRules(CaptionWindow window) {
  switch (window) {
    case CaptionWindow::Main: return kMain;
    case CaptionWindow::Month: return kMonth;
    case CaptionWindow::ClearField: return kClearField;
    case CaptionWindow::WorkingWeek: return kWorkingWeek;
  }
  return {};
}

std::string OrdinalCaption(bool hyphen, std::int16_t language) {
  if (language < 0 || language > 2) language = intEnglish;
  return FixedText("Ordinal date", language) + " (" +
         FixedText(hyphen ? "yyyy-ddd" : "yyyyddd", language) + ")";
}

std::string FormCaption(const CaptionRule& rule, std::int16_t language,
                        const std::string& needToClear) {
  if (language < 0 || language > 2) language = intEnglish;
  const auto fixed = [language](std::string_view english) {
    return FixedText(english, language);
  };
  switch (rule.way) {
    case W::Plain: return fixed(rule.words[0]);
    case W::Label: return fixed(rule.words[0]) + ":";
    case W::Lowered: return AsciiLower(fixed(rule.words[0]));
    case W::LoweredUnlessGerman: {
      std::string text;
      for (std::string_view word : rule.words) {
        if (word.empty()) break;
        if (!text.empty()) text += ' ';
        text += fixed(word);
      }
      return language == intGerman ? text : AsciiLower(text);
    }
    case W::WithCode: return fixed(rule.words[0]) + " (" + std::string(rule.code) + ")";
    case W::DayName: return DayName(rule.day, language);
    case W::NeedToClear: return needToClear;
    case W::Ordinal: return OrdinalCaption(true, language);
  }
  return {};
}

std::vector<Caption> Captions(CaptionWindow window, std::int16_t language,
                              const std::string& needToClear) {
  std::vector<Caption> captions;
  for (const CaptionRule& rule : CaptionRules(window)) {
    captions.push_back({std::string(rule.objectName), FormCaption(rule, language, needToClear),
                        rule.target});
  }
  return captions;
}

}  // namespace valdora
