// The three pieces drawn on the maze tiles, each as a sprite exactly the size of its box.
#pragma once

#include "tools/artgen/raster.h"

namespace artgen {

Image DrawDiamond(); // the exit: 26 x 19
Image DrawSmiley();  // the player: 20 x 22
Image DrawMonster(); // the monster: 20 x 20

} // namespace artgen
