// SPDX-License-Identifier: MIT
// The language-dependent captions of the main window, the month window and the clear-field
// dialog: for each control (by objectName) which fixed texts form its caption and how.
// Widget-free, so that the tables are checked without windows.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace valdora {

enum class CaptionWindow { Main, Month, ClearField, WorkingWeek };

// How the fixed texts of a rule become a caption.
enum class CaptionWay {
  Plain,                // the text as it is
  Label,                // the text and ":"
  LoweredUnlessGerman,  // the texts joined by single blanks, lower case except in German
  Lowered,              // lower case in every language
  WithCode,             // the text, " (", the calendar code, ")"
  DayName,              // the day name of `day` (0 = Sunday)
  NeedToClear,          // the computation message that all three fields may not be filled
  Ordinal,              // "Ordinal date" with its pattern, by the hyphen option
};

// Where the caption goes: the control's text, its tooltip, or the window's own title.
enum class CaptionTarget { Text, ToolTip, WindowTitle };

struct CaptionRule {
  std::string_view objectName;  // "" for the window's own title
  CaptionWay way;
  std::array<std::string_view, 3> words{};  // fixed texts by their English wording
  std::string_view code{};                  // WithCode: the bracketed calendar code
  int day = 0;                              // DayName
  CaptionTarget target = CaptionTarget::Text;
};

struct Caption {
  std::string objectName;
  std::string text;
  CaptionTarget target = CaptionTarget::Text;
};

// The rules of one window, in the order the captions are written.
std::span<const CaptionRule> CaptionRules(CaptionWindow window);

// The caption a rule gives in `language` (a slot outside 0..2 reads as English).
// NeedToClear yields `needToClear`; Ordinal the caption with the hyphen checked.
std::string FormCaption(const CaptionRule& rule, std::int16_t language,
                        const std::string& needToClear = {});

// Every caption of one window in `language`; `needToClear` is the clear-field dialog's
// explanation (the computation message of kind 0 in that language).
std::vector<Caption> Captions(CaptionWindow window, std::int16_t language,
                              const std::string& needToClear = {});

// The first date's ordinal option: "Ordinal date (yyyy-ddd)" or without the hyphen.
std::string OrdinalCaption(bool hyphen, std::int16_t language);

// Left edge of chkSaveOutput in twips: 9050 in English, 8000 otherwise (longer texts).
constexpr int SaveOutputLeftTwips(std::int16_t language) noexcept {
  return language == 0 ? 9050 : 8000;
}

}  // namespace valdora
