// SPDX-License-Identifier: MIT
#include "cli/StrictFields.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "engine/DateParse.h"
#include "presentation/FieldKeys.h"

namespace valdora {
namespace {

constexpr bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view s) noexcept {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Characters below the blank are keys (backspace, copy, paste, ...) or nothing a user types.
constexpr int FirstTypedCode = 32;

// The window's length limit does not apply: a pasted text may be longer.
constexpr int NoLengthLimit = 1;

// What the window's key filter makes of each byte typed into a field: the character it
// inserts, or 0 when it drops the key. Asked of the filter once per setting, since a batch
// checks millions of characters.
struct KeyInserts {
  // Bits of `flags`, so that one pass ORs a whole text's answer together.
  static constexpr std::uint8_t Dropped = 1, Replaced = 2, Blank = 4;
  std::array<char, 256> insert{};
  std::array<std::uint8_t, 256> flags{};
  char operator[](unsigned char c) const noexcept { return insert[c]; }
};

struct CachedInserts {
  std::string separator;  // the setting the table was asked for
  bool filled = false;
  KeyInserts inserts{};
};

// a == b by a byte loop: a separator is a character or two, and it is compared for every
// field of a batch (std::string's comparison calls memcmp).
bool SameText(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// The table of `filter` (key code -> inserted code, 0 dropped) under `separator`.
template <class Filter>
const KeyInserts& InsertsFor(CachedInserts& c, const std::string& separator, Filter filter) {
  if (!c.filled || !SameText(c.separator, separator)) {
    for (int code = 0; code < 256; ++code) {
      const char insert = static_cast<char>(code < FirstTypedCode ? 0 : filter(code));
      const auto i = static_cast<std::size_t>(code);
      c.inserts.insert[i] = insert;
      c.inserts.flags[i] =
          static_cast<std::uint8_t>((insert == 0 ? KeyInserts::Dropped : 0) |
                                    (insert != static_cast<char>(code) ? KeyInserts::Replaced : 0) |
                                    (code == ' ' ? KeyInserts::Blank : 0));
    }
    c.separator = separator;
    c.filled = true;
  }
  return c.inserts;
}

const KeyInserts& DateFieldInserts(bool iso) {
  static CachedInserts cached[2];
  return InsertsFor(cached[iso ? 1 : 0], DateSeparator, [iso](int code) {
    return FilterDateFieldKey(code, 0, NoLengthLimit, DateSeparator, iso);
  });
}

const KeyInserts& NumberFieldInserts() {
  static CachedInserts cached;
  return InsertsFor(cached, ThousandsSeparator, [](int code) {
    return FilterNumberFieldKey(code, 0, NoLengthLimit, ThousandsSeparator);
  });
}

// `text` as the filter leaves it: the text itself, or, when a key inserts another character
// (`changed`), its filtered copy in `storage`.
std::string_view AsTyped(std::string_view text, const KeyInserts& inserts, bool changed,
                         std::string& storage) {
  if (!changed) return text;
  storage.assign(text);
  for (char& c : storage) c = inserts[static_cast<unsigned char>(c)];
  return storage;
}

// The shape a date of `cal` is written in, for the refusal message.
std::string DateShape(CalendarCode cal, DateFormat format, bool hyphen) {
  const std::string& s = DateSeparator;
  switch (cal) {
    case CE:
    case JC:
      return format == YMD   ? "YYYY" + s + "MM" + s + "DD"
             : format == DMY ? "DD" + s + "MM" + s + "YYYY"
                             : "MM" + s + "DD" + s + "YYYY";
    case JDN:
      return "a day number such as 2451545";
    case ORD:
      return hyphen ? "YYYY-DDD" : "YYYYDDD";
    case ISO:
      return hyphen ? "YYYY-Www-D" : "YYYYWwwD";
    case LPW:
      return "YYYY-WW-D";
    default:
      return "YYYY-MM-DD";
  }
}

}  // namespace

DiffUnit DiffUnitOf(std::string_view text) noexcept {
  const std::string_view t = TrimBlanks(text);
  if (t.empty()) return DiffUnit::None;
  switch (t.back()) {
    case 'd':
      return DiffUnit::Days;
    case 'w':
      return DiffUnit::Weeks;
    case 'm':
      return DiffUnit::Months;
    case 'y':
      return DiffUnit::Years;
    default:
      return DiffUnit::None;
  }
}

std::string UnitConflictMessage(std::string_view text) {
  return "date difference \"" + PrintableField(text) + "\" counts days, which contradicts --months";
}

std::string PrintableField(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 32 || c > 126) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out.push_back(static_cast<char>(c));
    }
  }
  if (text.size() > kShown) out += "...";
  return out;
}

bool CheckDateField(std::string_view text, CalendarCode cal, DateFormat format, bool hyphen,
                    std::string_view fieldName, std::string& storage, std::string_view& typed,
                    std::string& error) {
  typed = text;
  if (text.empty()) return true;
  const KeyInserts& inserts = DateFieldInserts(cal == ISO);
  // The common text, blank-free and ending in a digit, needs only the filter: nothing can
  // follow its date and no blank can part its digits. Without branches on the characters.
  if (IsDigit(text.back())) {
    std::uint8_t flags = 0;
    for (const char c : text) flags |= inserts.flags[static_cast<unsigned char>(c)];
    if ((flags & (KeyInserts::Dropped | KeyInserts::Blank)) == 0) {
      typed = AsTyped(text, inserts, (flags & KeyInserts::Replaced) != 0, storage);
      return true;
    }
  }
  // Else one pass: every byte one the filter takes, and nothing after the date: past its
  // last digit only blanks and a bracket closing the year, and no digits apart by blanks
  // alone (the readers drop blanks, which would join them into one number).
  bool ok = true;
  bool changed = false;  // a key inserts another character ("w" -> "W")
  bool digits = false;
  bool afterDigit = false, blankSinceDigit = false;  // the last non-blank is a digit
  char lastBracket = 0, bracketAtLastDigit = 0;
  std::size_t tail = 0;  // non-blank characters after the last digit
  for (const char c : text) {
    const char insert = inserts[static_cast<unsigned char>(c)];
    ok = ok && insert != 0;
    changed = changed || insert != c;
    if (c >= '0' && c <= '9') {
      ok = ok && !(afterDigit && blankSinceDigit);
      digits = afterDigit = true;
      blankSinceDigit = false;
      bracketAtLastDigit = lastBracket;
      tail = 0;
    } else if (c == ' ') {
      blankSinceDigit = true;
    } else {
      afterDigit = blankSinceDigit = false;
      if (c == '(' || c == ')') lastBracket = c;
      ++tail;
    }
  }
  if (!digits) {
    typed = text;
    if (text.find_first_not_of(' ') == std::string_view::npos) return true;  // empty field
    ok = false;
  }
  // After the date: nothing, or the bracket that closes a bracketed year.
  ok = ok && (tail == 0 || (tail == 1 && lastBracket == ')' && bracketAtLastDigit == '('));
  if (!ok) {
    error = std::string(fieldName) + " \"" + PrintableField(text) + "\": not a date of calendar " +
            std::string(CalendarCodeText[static_cast<std::size_t>(cal)]) + " (" +
            DateShape(cal, format, hyphen) + ")";
    return false;
  }
  typed = AsTyped(text, inserts, changed, storage);
  return true;
}

bool CheckDiffField(std::string_view text, std::string& number, DiffUnit& unit,
                    std::string& error) {
  std::string_view t = TrimBlanks(text);
  unit = DiffUnitOf(t);
  if (t.empty()) {
    number.clear();
    return true;
  }
  if (unit != DiffUnit::None) t.remove_suffix(1);
  const std::string_view body = !t.empty() && t[0] == '-' ? t.substr(1) : t;
  bool ok = !body.empty() && IsDigit(body.back());
  const KeyInserts& inserts = NumberFieldInserts();
  for (const char c : t) ok = ok && inserts[static_cast<unsigned char>(c)] != 0;
  // The group separator only between groups of three ("1,000"), never as a decimal point.
  const bool grouped =
      !ThousandsSeparator.empty() && body.find(ThousandsSeparator) != std::string_view::npos;
  ok = ok && (grouped ? IsGroupedNumber(body, ThousandsSeparator)
                      : body.find_first_not_of("0123456789") == std::string_view::npos);
  if (!ok) {
    const std::string example = "-1" + ThousandsSeparator + "000";
    error = "date difference \"" + PrintableField(text) +
            "\": not a whole number with an optional unit d, w, m or y (such as 10, " + example +
            " or 2w)";
    return false;
  }
  if (unit != DiffUnit::Weeks && unit != DiffUnit::Years) {
    number.assign(t);
    return true;
  }
  // Weeks and years in days and months; a product beyond 15 digits stays too large for the
  // difference reader, which then reports the difference out of range.
  std::string digits;
  for (const char c : body)
    if (IsDigit(c)) digits.push_back(c);
  const std::size_t nonZero = digits.find_first_not_of('0');
  digits = nonZero == std::string::npos ? "0" : digits.substr(nonZero);
  number.clear();
  if (t[0] == '-') number.push_back('-');
  if (digits.size() > 15) {
    number += digits;
    return true;
  }
  const std::int64_t factor = unit == DiffUnit::Weeks ? 7 : 12;
  number += std::to_string(std::stoll(digits) * factor);  // < 1.2e16
  return true;
}

}  // namespace valdora
