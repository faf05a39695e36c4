#include "tools/artgen/catalogue.h"

#include "tools/artgen/glyphs.h"
#include "tools/artgen/icon.h"
#include "tools/artgen/tiles.h"

#include <array>
#include <utility>

namespace artgen {

std::vector<Bitmap> Bitmaps() {
  std::vector<Bitmap> bitmaps;
  int id = 102;
  // Resource order of the digits.
  for (int digit : {8, 5, 4, 9, 1, 7, 6, 3, 2, 0})
    bitmaps.push_back({id++, "digit" + std::to_string(digit) + ".bmp", Quantise(DrawDigit(digit))});
  bitmaps.push_back({id++, "colon.bmp", Quantise(DrawColon())});
  const std::array<std::pair<Walls, const char *>, 4> groups{
      {{Walls::Left, "left"}, {Walls::LeftAndTop, "left_top"}, {Walls::None, "open"}, {Walls::Top, "top"}}};
  const std::array<std::pair<Piece, const char *>, 4> pieces{{{Piece::None, "empty"},
                                                              {Piece::Exit, "exit"},
                                                              {Piece::Player, "player"},
                                                              {Piece::Monster, "monster"}}};
  for (const auto &[walls, wallsName] : groups)
    for (const auto &[piece, pieceName] : pieces)
      bitmaps.push_back({id++, std::string("tile_") + wallsName + "_" + pieceName + ".bmp",
                         Quantise(DrawTile(walls, piece))});
  return bitmaps;
}

std::vector<Image8> IconImages() {
  std::vector<Image8> images;
  for (int size : kIconSizes)
    images.push_back(Quantise(DrawIcon(size)));
  return images;
}

std::vector<File> Files() {
  std::vector<File> files;
  for (Bitmap &bitmap : Bitmaps())
    files.push_back({std::move(bitmap.file), EncodeBmp(bitmap.image)});
  files.push_back({kIconFile, EncodeIco(IconImages())});
  return files;
}

} // namespace artgen
