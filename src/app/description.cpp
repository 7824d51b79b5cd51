#include "app/description.h"

#include <cmath>
#include <vector>

namespace zelvo {

namespace {

// The decimal digits of mantissa * 2^exponent, an integer of up to 1024 bits.
std::string BigIntegerDigits(uint64_t mantissa, int exponent) {
  constexpr uint32_t kBase = 1'000'000'000;
  std::vector<uint32_t> limbs;  // base 10^9, least significant first
  for (; mantissa != 0; mantissa /= kBase) limbs.push_back(static_cast<uint32_t>(mantissa % kBase));
  for (int i = 0; i < exponent; ++i) {
    uint32_t carry = 0;
    for (uint32_t& limb : limbs) {
      const uint64_t doubled = uint64_t{limb} * 2 + carry;
      limb = static_cast<uint32_t>(doubled % kBase);
      carry = static_cast<uint32_t>(doubled / kBase);
    }
    if (carry != 0) limbs.push_back(carry);
  }
  std::string digits = std::to_string(limbs.back());
  for (size_t i = limbs.size() - 1; i-- > 0;) {
    const std::string limb = std::to_string(limbs[i]);
    digits.append(9 - limb.size(), '0').append(limb);
  }
  return digits;
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace

std::string FormatFixed2(double value) {
  if (std::isnan(value)) return "nan";
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isinf(value)) return sign + "inf";

  // |value| = mantissa * 2^exponent exactly, with mantissa < 2^53.
  int binaryExponent;
  const double fraction = std::frexp(std::fabs(value), &binaryExponent);
  const uint64_t mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
  const int exponent = binaryExponent - 53;
  if (mantissa == 0) return sign + "0.00";
  if (exponent >= 0) return sign + BigIntegerDigits(mantissa, exponent) + ".00";

  // Hundredths: mantissa * 100 / 2^shift, the half rounded up. mantissa * 100 < 2^60, so from a
  // shift of 62 on the value is below a half hundredth and rounds to 0.
  const int shift = -exponent;
  uint64_t hundredths = 0;
  if (shift < 62) {
    const uint64_t scaled = mantissa * 100;
    hundredths = scaled >> shift;
    const uint64_t remainder = scaled - (hundredths << shift);
    if (2 * remainder >= (uint64_t{1} << shift)) ++hundredths;
  }
  const uint64_t cents = hundredths % 100;
  return sign + std::to_string(hundredths / 100) + (cents < 10 ? ".0" : ".") +
         std::to_string(cents);
}

std::wstring FormatDescription(int32_t seed, float roughness, float waterLevel) {
  std::string text = "Seed=" + std::to_string(seed) + " Roughness=" + FormatFixed2(roughness);
  if (waterLevel != 0.0f) text += " Waterlevel=" + FormatFixed2(waterLevel);
  return Widen(text);
}

std::wstring ColourMapFileName(const std::wstring& description) {
  return description + L" Render.png";
}

std::wstring HeightmapFileName(const std::wstring& description) {
  return description + L" Heightmap.png";
}

}  // namespace zelvo
