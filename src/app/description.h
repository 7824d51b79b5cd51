// The description that names a map, "Seed=37 Roughness=0.55" and, when the water level is not
// zero, " Waterlevel=0.30": enough to make the same map again. File names start with it.
#ifndef ZELVO_APP_DESCRIPTION_H_
#define ZELVO_APP_DESCRIPTION_H_

#include <cstdint>
#include <string>

namespace zelvo {

// The value with exactly two decimals, rounded from its exact binary value with a half away from
// zero (0.125 gives "0.13"). A negative value keeps its sign ("-0.00"); infinities are "inf" and
// "-inf", NaN "nan"; a huge value is written with all its integer digits.
std::string FormatFixed2(double value);

std::wstring FormatDescription(int32_t seed, float roughness, float waterLevel);

// "<description> Render.png" and "<description> Heightmap.png".
std::wstring ColourMapFileName(const std::wstring& description);
std::wstring HeightmapFileName(const std::wstring& description);

}  // namespace zelvo

#endif  // ZELVO_APP_DESCRIPTION_H_
