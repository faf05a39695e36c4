// Every image the program carries, with its resource number and the file it is stored in.
#pragma once

#include "tools/artgen/encode.h"
#include "tools/artgen/raster.h"

#include <string>
#include <vector>

namespace artgen {

struct Bitmap {
  int id;
  std::string file; // under res/art/
  Image8 image;
};

// The 27 bitmaps in resource order, 102 to 128.
std::vector<Bitmap> Bitmaps();

// The icon's images, smallest first.
std::vector<Image8> IconImages();

inline constexpr const char *kIconFile = "clockmaze.ico";

struct File {
  std::string name; // under res/art/
  Bytes bytes;
};

// All generated files: the bitmaps and the icon.
std::vector<File> Files();

} // namespace artgen
