#include "cli/numbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

namespace zelvo {
namespace {

TEST(ReadIntegerTest, Cases) {
  static const struct {
    std::wstring text;
    int32_t value;
  } cases[] = {
      {L"37", 37},
      {L"-5", -5},
      {L"+12", 12},
      {L"  \t7", 7},
      {L"12abc", 12},
      {L"3x", 3},
      {L"", 0},
      {L"abc", 0},
      {L"-", 0},
      {L" - 4", 0},
      {L"2147483647", INT32_MAX},
      {L"2147483648", INT32_MAX},
      {L"99999999999999999999999", INT32_MAX},
      {L"-2147483648", INT32_MIN},
      {L"-2147483649", INT32_MIN},
      {L"-99999999999999999999999", INT32_MIN},
      {L"0004", 4},
      {L"\u0663", 0},  // an Arabic-Indic digit is no decimal digit here
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadInteger(c.text), c.value)
        << '"' << std::string(c.text.begin(), c.text.end()) << '"';
  }
}

TEST(ReadRealTest, Cases) {
  const float inf = std::numeric_limits<float>::infinity();
  static const struct {
    std::wstring text;
    float value;
  } cases[] = {
      {L"0.55", 0.55f},
      {L".5", 0.5f},
      {L"5.", 5.0f},
      {L"-0.25", -0.25f},
      {L"+1.5", 1.5f},
      {L"  0.1", 0.1f},
      {L"1e2", 100.0f},
      {L"1E-2", 0.01f},
      {L"1d2", 100.0f},
      {L"2.5D+1", 25.0f},
      {L"1e", 1.0f},
      {L"1e+", 1.0f},
      {L"1.5x", 1.5f},
      {L"1,5", 1.0f},
      {L"abc", 0.0f},
      {L"", 0.0f},
      {L".", 0.0f},
      {L"-.", 0.0f},
      {L"inf", 0.0f},
      {L"nan", 0.0f},
      {L"0x1p3", 0.0f},
      {L"1e39", inf},
      {L"-1e39", -inf},
      {L"1e309", inf},
      {L"1e99999999999999999999", inf},
      {L"1e-50", 0.0f},
      {L"1e-99999999999999999999", 0.0f},
      {L"3.4028235e38", std::numeric_limits<float>::max()},
      // Half-way between the largest float and 2^128 goes to infinity; so does a text just below
      // it, which rounds to that very double first. A double below it rounds to the largest float.
      {L"3.40282356779733661637539395458142568448e38", inf},
      {L"3.40282356779733661636e38", inf},
      {L"3.402823567797336e38", std::numeric_limits<float>::max()},
      {L"0.00000000000000000000000000000000000000000000000000000001e50", 1e-6f},
      {L"100000000000000000000000000000000000000000000000000e-50", 1.0f},
  };
  for (const auto& c : cases) {
    const float got = ReadReal(c.text);
    EXPECT_EQ(std::bit_cast<uint32_t>(got), std::bit_cast<uint32_t>(c.value))
        << '"' << std::string(c.text.begin(), c.text.end()) << "\" gave " << got;
  }
}

TEST(ReadRealTest, RoundsToDoubleThenToFloat) {
  // 1 + 2^-24 is half-way between the floats 1 and 1 + 2^-23. A text a hair above it rounds to
  // exactly 1 + 2^-24 as a double, which then goes to the even float, 1; reading straight to
  // float would give 1 + 2^-23.
  EXPECT_EQ(ReadReal(L"1.000000059604644775390625"), 1.0f);
  EXPECT_EQ(ReadReal(L"1.0000000596046447753906251"), 1.0f);
  EXPECT_EQ(ReadReal(L"1.0000000596046451"), 1.0f + 0x1p-23f);
  // A negative zero keeps its sign.
  EXPECT_TRUE(std::signbit(ReadReal(L"-0")));
}

}  // namespace
}  // namespace zelvo
