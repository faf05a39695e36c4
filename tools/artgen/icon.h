// The application icon: a yellow maze in a landscape band, the same picture at every size.
#pragma once

#include "tools/artgen/raster.h"

#include <array>

namespace artgen {

inline constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

Image DrawIcon(int size);

} // namespace artgen
