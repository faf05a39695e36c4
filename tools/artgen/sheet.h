// A contact sheet of all the artwork for judging it by eye: the glyphs and tiles enlarged and at
// actual size, the clock face and a patch of maze as the program lays them out, and every icon size.
#pragma once

#include "tools/artgen/raster.h"

namespace artgen {

Image8 ContactSheet();

} // namespace artgen
