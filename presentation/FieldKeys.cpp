// SPDX-License-Identifier: MIT
#include "presentation/FieldKeys.h"

#include <cstdint>

#include "engine/DateParse.h"

namespace valdora {

namespace {

// Every character the filters could accept is ASCII; anything beyond is refused before
// it reaches them.
constexpr int LastAsciiCode = 127;

}  // namespace

int FilterDateFieldKey(int code, std::size_t length, int limit, std::string_view separator,
                       bool iso) {
  if (code <= 0 || code > LastAsciiCode) return 0;
  std::int32_t insert = code;
  const auto len = static_cast<std::int32_t>(length > INT32_MAX ? INT32_MAX : length);
  return FilterDateKey(code, len, limit, separator, iso, insert) ? insert : 0;
}

int FilterNumberFieldKey(int code, std::size_t length, int limit,
                         std::string_view thousandsSeparator) {
  if (code <= 0 || code > LastAsciiCode) return 0;
  const auto len = static_cast<std::int32_t>(length > INT32_MAX ? INT32_MAX : length);
  return FilterNumberKey(code, len, limit, thousandsSeparator) ? code : 0;
}

}  // namespace valdora
