// The clock's glyphs: ten leaning seven-segment digits and the colon between the numbers.
#pragma once

#include "tools/artgen/raster.h"

namespace artgen {

inline constexpr int kDigitWidth = 65;
inline constexpr int kColonWidth = 44;
inline constexpr int kGlyphHeight = 99;

Image DrawDigit(int digit);
Image DrawColon();

} // namespace artgen
