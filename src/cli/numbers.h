// The two readers of option values. Both take the longest valid beginning of the text and
// ignore the rest, never fail, and give the same result in every locale.
#ifndef ZELVO_CLI_NUMBERS_H_
#define ZELVO_CLI_NUMBERS_H_

#include <cstdint>
#include <string_view>

namespace zelvo {

// Leading white space, an optional sign, decimal digits up to the first non-digit. No digits
// give 0; a value beyond the signed 32-bit range gives INT32_MAX or INT32_MIN by its sign.
int32_t ReadInteger(std::wstring_view text);

// Leading white space, then the longest decimal number: an optional sign, digits with an
// optional "." and fraction digits (".5" and "5." count), an optional exponent introduced by
// e, E, d or D. The decimal point is always ".". No number gives 0; "inf", "nan" and hexadecimal
// forms are not numbers. The number is rounded correctly to a double (a magnitude beyond its
// range is infinity) and the double is then rounded to the nearest float (beyond the float
// range, infinity).
float ReadReal(std::wstring_view text);

}  // namespace zelvo

#endif  // ZELVO_CLI_NUMBERS_H_
