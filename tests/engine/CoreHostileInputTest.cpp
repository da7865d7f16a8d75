// SPDX-License-Identifier: MIT
// Every reader and filter answers a status, whatever text it is handed: random bytes, very
// long texts, NUL bytes, multi-byte UTF-8, only separators or signs, digits beyond 32 bits.
#include "EngineTestSupport.h"

namespace valdora {

// Seeded texts of every hostile kind.
std::vector<std::string> HostileTexts() {
  std::string bytes(256, '\0');
  for (int c = 0; c < 256; ++c) bytes[c] = static_cast<char>(c);
  const std::string dateChars = "0123456789-/.,+() W";
  RandomText anyBytes(1, bytes, 40), dateish(2, dateChars, 24), separators(3, "-/.,", 12),
      signs(4, "+-", 6), digits(5, "0123456789", 40), head(6, "0123456789-", 8),
      tail(7, "0123456789-/.", 12), longText(8, dateChars, 10000);
  const char* const utf8[] = {"\xC3\xA9", "\xE2\x80\x94", "\xF0\x9F\x93\x85", "\xEF\xBC\x91",
                              "\xC0\xAF", "\xFF"};
  std::vector<std::string> texts = {"", " ", "-", "+", "--", "+-", "-+", "()", "W", "JDN",
                                    std::string(1, '\0'), std::string("20\0" "20-01-01", 10),
                                    "2147483648", "-2147483649", "99999999999999999999",
                                    "18446744073709551616-01-01", "01-01-18446744073709551616"};
  for (int i = 0; i < 3000; ++i) {
    // Random bytes, date-like text, only separators or signs, digits beyond 32 bits.
    for (RandomText* r : {&anyBytes, &dateish, &separators, &signs, &digits}) {
      texts.push_back((*r)());
    }
    texts.push_back(head() + utf8[i % std::size(utf8)] + tail());
    texts.push_back(digits() + "-" + digits().substr(0, 3) + "-" + digits());
  }
  for (int i = 0; i < 12; ++i) {
    texts.push_back(longText());
    texts.push_back(std::string(9996, '9') + "-1-1");
    texts.push_back("1-1-" + std::string(9996, '0') + "1");
    texts.push_back(std::string(10000, '-'));
  }
  return texts;
}

bool IsStatus(ParseStatus s) { return s == -1 || s == 0 || s == 1; }

// A hostile text's name in failure messages: its place in HostileTexts() and its first bytes.
std::string TextName(std::size_t index, const std::string& text) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (const char c : text.substr(0, 48)) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 32 && u < 127) shown += c;
    else shown += {'\\', 'x', kHex[u >> 4], kHex[u & 15]};
  }
  return "text #" + std::to_string(index) + " of " + std::to_string(text.size()) + " bytes \"" +
         shown + (text.size() > 48 ? "...\"" : "\"");
}

constexpr const char* kHostileSeeds = "hostile texts from seeds 1 to 8 (HostileTexts)";

TEST(CoreHostileInput, DateReaderAnswersAStatusAndValidMeansValid) {
  SCOPED_TRACE(kHostileSeeds);
  std::size_t valid = 0;
  const std::vector<std::string> texts = HostileTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string& text = texts[i];
    for (CalendarCode cal : {CE, JC, JDN, static_cast<CalendarCode>(99)}) {
      for (const char* separator : {"-", "/", ".", "", "1", "//"}) {
        for (DateFormat format : {MDY, DMY, YMD}) {
          const auto where = [&] {
            return ::testing::Message() << TextName(i, text) << ", calendar " << cal
                                        << ", separator \"" << separator << "\", format "
                                        << format;
          };
          EuroDate d;
          const ParseStatus status = ParseEuroDate(text, separator, cal, format, d);
          ASSERT_TRUE(IsStatus(status)) << status << ", " << where();
          if (status != 1) continue;
          ++valid;
          if (cal == JDN) {
            ASSERT_LE(std::abs(std::int64_t{d.jdn}), MaxJdn) << where();
            continue;
          }
          ASSERT_LE(std::abs(d.year), MaxAbsYear) << where();
          const EuroDate check = FromJdn(d.jdn, d.calendar);
          ASSERT_EQ(std::vector({check.year, check.month, check.day}),
                    std::vector({d.year, d.month, d.day}))
              << where();
        }
      }
    }
  }
  EXPECT_GT(valid, 100u);  // the generator reaches the valid paths too
}

TEST(CoreHostileInput, NumberReadersAnswerAStatusWithinTheRange) {
  SCOPED_TRACE(kHostileSeeds);
  SeparatorGuard guard;
  const std::vector<std::string> texts = HostileTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string& text = texts[i];
    ParseStatus status = 9;
    const std::int32_t v = ParseJdnText(text, status);
    ASSERT_TRUE(IsStatus(status) && (status != 1 || std::abs(std::int64_t{v}) <= MaxJdn))
        << TextName(i, text);
    for (const char* thousands : {",", ".", ""}) {
      std::int32_t value = 0;
      const ParseStatus s = ParseJdnInput(text, thousands, value);
      ASSERT_TRUE(IsStatus(s) && (s != 1 || std::abs(std::int64_t{value}) < 2100000000))
          << TextName(i, text) << " with \"" << thousands << '"';
    }
  }
}

TEST(CoreHostileInput, LibraryReaderAnswersALibraryStatus) {
  SCOPED_TRACE(kHostileSeeds);
  const std::vector<std::string> texts = HostileTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::int32_t format : {-1, 0, 1, 2, 3}) {
      EuroDate d;
      const std::int32_t answer = str_to_date(texts[i], format, d, format == DMY ? 'J' : 'G');
      ASSERT_TRUE(answer <= 0 && answer >= -5) << TextName(i, texts[i]) << ", format " << format;
      ASSERT_TRUE(answer != LibraryOk || (d.month >= 1 && d.month <= 12))
          << TextName(i, texts[i]) << ", format " << format;
    }
  }
}

TEST(CoreHostileInput, StringHelpersKeepTheirPromises) {
  SCOPED_TRACE(kHostileSeeds);
  SeededRng rng(77);
  const std::vector<std::string> texts = HostileTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string& text = texts[i];
    const std::string name = TextName(i, text);
    std::string kept = text, digits = text, trimmed = text, grouped = text;
    KeepDateCharacters(kept, "/");
    ASSERT_EQ(kept.find_first_not_of("0123456789-/"), std::string::npos) << name;
    KeepSignedDigits(digits, true);
    const std::size_t firstDigit = digits.find_first_of("0123456789");
    ASSERT_LE(firstDigit == std::string::npos ? digits.size() : firstDigit, 2u) << name;
    ASSERT_EQ(RemoveChars(text, "-/.", 1).find_first_of("-/."), std::string::npos) << name;
    const auto start = static_cast<std::int32_t>(rng() % (text.size() + 3)) - 1;
    std::int32_t index = 0;
    const std::int32_t at = FindCharInSet(text, start, "-/", index);
    ASSERT_TRUE(at == 0 || (at >= 1 && static_cast<std::size_t>(at) <= text.size()))
        << name << " from " << start;
    const std::int32_t notAt = FindCharNotInSet(text, start, "-/");
    ASSERT_TRUE(notAt >= 0 && static_cast<std::size_t>(notAt) <= text.size())
        << name << " from " << start;
    ASSERT_LE(LeftPart(text, start).size(), text.size()) << name << " to " << start;
    ASSERT_LE(CountOccurrences(text, "--"), static_cast<std::int32_t>(text.size() / 2)) << name;
    IsDigits(text, true, true);
    TrimTrailingBlanks(trimmed);
    ASSERT_TRUE(trimmed.empty() || static_cast<unsigned char>(trimmed.back()) > 32) << name;
    SeparateThousands(grouped, ",");
    ASSERT_GE(grouped.size(), text.size()) << name;
  }
}

TEST(CoreHostileInput, FiltersAcceptOnlyTheirCharacters) {
  SeededRng rng(3);
  const auto among = [](std::int32_t k, std::string_view set) {
    return k >= 32 && k < 127 && set.find(static_cast<char>(k)) != std::string_view::npos;
  };
  for (int i = 0; i < 200000; ++i) {
    const auto key = static_cast<std::int32_t>(rng());
    const std::int32_t small = static_cast<std::int32_t>(rng() % 300) - 20;
    const std::int32_t length = static_cast<std::int32_t>(rng() % 12), limit = 10;
    std::int32_t insert = 0;
    for (std::int32_t k : {key, small}) {
      const bool date = FilterDateKey(k, length, limit, "/", (i & 1) != 0, insert);
      const bool number = FilterNumberKey(k, length, limit, ",");
      const bool editing = k == 8 || k == 3 || k == 22 || k == 24;
      ASSERT_TRUE(!date || editing || insert == 'W' || among(k, "1234567890- ,.()/"))
          << "key " << k << " at length " << length;
      ASSERT_TRUE(!number || editing || among(k, "1234567890-,"))
          << "key " << k << " at length " << length;
    }
  }
}

TEST(CoreHostileInput, FormattingAnyRecordIsDefined) {
  SeededRng rng(11);
  const auto any = [&] { return static_cast<std::int32_t>(rng()); };
  for (int i = 0; i < 20000; ++i) {
    EuroDate d{any(), any(), any(), static_cast<std::int16_t>(rng()), 0};
    EuroDateToJdn(d);
    DayOfYear(d);
    ASSERT_FALSE(FormatEuroDate(d, static_cast<DateFormat>(rng() % 4), "-", ",").empty())
        << "record " << i << ": " << DateName(d.year, d.month, d.day, d.calendar);
    d.jdn = any();
    JdnToEuroDate(d);
    ASSERT_GE(d.month, 1) << "record " << i << ": JDN " << d.jdn;
    OrdinalToJdn(static_cast<std::int32_t>(rng() % 20000000) - 10000000,
                 static_cast<std::int16_t>(rng()));
    std::int32_t status = 0;
    days_elapsed(d, EuroDate{}, status);
  }
}

TEST(CoreHostileInput, TodayPlusTextAtTheLimitsIsDefined) {
  SetFixedToday(MaxAbsYear, 12, 31);
  EXPECT_FALSE(TodayPlusText(32767, YMD, "-", CE).empty());
  SetFixedToday(INT32_MAX, 12, 31);  // far beyond every limit: saturated, still defined
  EXPECT_FALSE(TodayPlusText(32767, YMD, "-", JC).empty());
  UseSystemToday();
}

}  // namespace valdora
