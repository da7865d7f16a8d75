// SPDX-License-Identifier: MIT
// The byte buffer valdora-cli collects its answers in, and the host's field stores: short
// pieces copied by fixed-size moves, growth, and a field set from a view of itself.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cli/AnswerBuffer.h"
#include "cli/CliHost.h"

namespace valdora::test {
namespace {

// Every piece length around the copy sizes (0..40), from every start modulo 16, through
// growth from a one-byte buffer: the buffer holds exactly what a std::string would.
TEST(AnswerBuffer, AppendsEveryLengthExactly) {
  std::string source;
  for (int i = 0; i < 64; ++i) source += static_cast<char>('A' + i % 26);
  for (std::size_t offset = 0; offset < 16; ++offset) {
    AnswerBuffer buffer(1);
    std::string expected(offset, '.');
    buffer.Append(std::string_view(expected));
    for (std::size_t length = 0; length <= 40; ++length) {
      const std::string_view piece = std::string_view(source).substr(length % 7, length);
      buffer.Append(piece);
      expected += piece;
      buffer.Append('|');
      expected += '|';
      ASSERT_EQ(buffer.View(), expected) << "offset " << offset << ", length " << length;
    }
    buffer.Truncate(offset + 3);
    EXPECT_EQ(buffer.View(), expected.substr(0, offset + 3)) << "offset " << offset;
  }
}

struct StoreRow {
  const char* name;
  std::size_t from, length;  // the view of the field's own text it is set from
  const char* expected;
};

class FieldFromItself : public ::testing::TestWithParam<StoreRow> {};

// The Compute command may hand a field a text that lies in that same field.
TEST_P(FieldFromItself, KeepsTheText) {
  const StoreRow& row = GetParam();
  CliHost host(CliSettings{});
  host.Begin("2024-01-15 CE", "", "", false);
  const std::string& field = host.Field(ComputeField::FirstDate);
  host.SetFieldText(ComputeField::FirstDate, std::string_view(field).substr(row.from, row.length));
  EXPECT_EQ(host.Field(ComputeField::FirstDate), row.expected);
  host.SetFieldText(ComputeField::FirstDate, "1999-12-31");
  EXPECT_EQ(host.Field(ComputeField::FirstDate), "1999-12-31") << "a text from elsewhere";
}

INSTANTIATE_TEST_SUITE_P(
    Views, FieldFromItself,
    ::testing::Values(StoreRow{"whole", 0, 13, "2024-01-15 CE"},
                      StoreRow{"head", 0, 10, "2024-01-15"}, StoreRow{"tail", 11, 2, "CE"},
                      StoreRow{"middle", 5, 2, "01"}, StoreRow{"empty_at_end", 13, 0, ""}),
    [](const ::testing::TestParamInfo<StoreRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace valdora::test
