#include "cli/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zelvo {

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Skips white space and reads an optional sign; returns whether it was a minus.
bool SkipSpaceAndSign(std::wstring_view& text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  return negative;
}

// Rounds a double to the nearest float, overflowing to infinity as the hardware conversion
// does; the conversion of a double beyond the float range is left undefined by the language.
float RoundToFloat(double value) {
  constexpr double kFirstInfinite = 0x1.ffffffp127;  // half-way above FLT_MAX, rounds to even
  if (std::fabs(value) >= kFirstInfinite) {
    return value > 0 ? std::numeric_limits<float>::infinity()
                     : -std::numeric_limits<float>::infinity();
  }
  return static_cast<float>(value);
}

}  // namespace

int32_t ReadInteger(std::wstring_view text) {
  const bool negative = SkipSpaceAndSign(text);
  // Accumulate the magnitude, stopping once it is beyond either bound: the rest only says how far.
  constexpr int64_t kBeyond = int64_t{INT32_MAX} + 2;
  int64_t magnitude = 0;
  for (wchar_t c : text) {
    if (!IsDigit(c)) break;
    if (magnitude < kBeyond) magnitude = magnitude * 10 + (c - L'0');
  }
  const int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

float ReadReal(std::wstring_view text) {
  const bool negative = SkipSpaceAndSign(text);

  // The significant digits, without leading zeros, and the power of ten they are scaled by.
  std::string digits;
  int64_t exponent = 0;
  bool any_digit = false;
  size_t i = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    any_digit = true;
    if (!digits.empty() || text[i] != L'0') digits += static_cast<char>(text[i]);
  }
  if (i < text.size() && text[i] == L'.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) {
      any_digit = true;
      if (!digits.empty() || text[i] != L'0') digits += static_cast<char>(text[i]);
      --exponent;
    }
  }
  if (!any_digit) return 0.0f;

  // An exponent counts only with at least one digit; otherwise the number ends before its letter.
  if (i < text.size() &&
      (text[i] == L'e' || text[i] == L'E' || text[i] == L'd' || text[i] == L'D')) {
    size_t j = i + 1;
    bool exponent_negative = false;
    if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) {
      exponent_negative = text[j] == L'-';
      ++j;
    }
    if (j < text.size() && IsDigit(text[j])) {
      int64_t written = 0;
      for (; j < text.size() && IsDigit(text[j]); ++j) {
        if (written < 1'000'000'000'000) written = written * 10 + (text[j] - L'0');
      }
      exponent += exponent_negative ? -written : written;
    }
  }

  const float zero = negative ? -0.0f : 0.0f;
  const float infinity =
      negative ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
  while (!digits.empty() && digits.back() == '0') {
    digits.pop_back();
    ++exponent;
  }
  if (digits.empty()) return zero;
  // The value lies in [10^(magnitude - 1), 10^magnitude): far outside the double range it need
  // not be converted at all, and the exponent handed on stays small.
  const int64_t magnitude = static_cast<int64_t>(digits.size()) + exponent;
  if (magnitude > 400) return infinity;
  if (magnitude < -400) return zero;

  digits += 'e';
  digits += std::to_string(exponent);
  double value = 0.0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) return magnitude > 0 ? infinity : zero;
  return RoundToFloat(negative ? -value : value);
}

}  // namespace zelvo
