// The committed artwork is exactly what the generator draws today.
#include "tools/artgen/catalogue.h"

#include "tests/res/bitmap_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

const std::string kArtDir = std::string(CLOCKMAZE_RES_DIR) + "/art";

TEST(Artwork, RegeneratesByteForByte) {
  std::set<std::string> drawn;
  for (const artgen::File &file : artgen::Files()) {
    drawn.insert(file.name);
    EXPECT_TRUE(ReadFileBytes(kArtDir + "/" + file.name) == file.bytes)
        << file.name << " differs from what the generator draws; redraw with the `art` target";
  }
  for (const auto &entry : std::filesystem::directory_iterator(kArtDir))
    EXPECT_TRUE(drawn.contains(entry.path().filename().string())) << "stray file " << entry.path();
}

} // namespace
