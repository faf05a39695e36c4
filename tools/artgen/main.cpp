// Draws the program's artwork.
//   artgen write DIR      writes the 27 bitmaps and the icon into DIR (normally res/art)
//   artgen sheet FILE     renders a contact sheet of everything as a PNG
#include "tools/artgen/catalogue.h"
#include "tools/artgen/encode.h"
#include "tools/artgen/sheet.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool Save(const std::string &path, const artgen::Bytes &bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

} // namespace

int main(int argc, char **argv) {
  const std::string command = argc == 3 ? argv[1] : "";
  if (command == "write") {
    for (const artgen::File &file : artgen::Files())
      if (!Save(std::string(argv[2]) + "/" + file.name, file.bytes))
        return 1;
    return 0;
  }
  if (command == "sheet")
    return Save(argv[2], artgen::EncodePng(artgen::ContactSheet())) ? 0 : 1;
  std::fprintf(stderr, "usage: artgen write DIR | artgen sheet FILE.png\n");
  return 2;
}
