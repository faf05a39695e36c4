// The stored icon: six uncompressed 32-bit images of the yellow maze band.
#include "tests/res/bitmap_file.h"

#include <gtest/gtest.h>

namespace {

const std::string kIcon = std::string(CLOCKMAZE_RES_DIR) + "/art/clockmaze.ico";

struct Bgra {
  std::uint8_t b, g, r, a;
};

TEST(StoredIcon, HoldsSixSizesOfUncompressedThirtyTwoBitImages) {
  const std::vector<IconImage> images = ReadIconFile(kIcon);
  ASSERT_EQ(images.size(), 6u);
  const int sizes[] = {16, 32, 48, 64, 128, 256};
  for (std::size_t i = 0; i < images.size(); ++i) {
    SCOPED_TRACE(sizes[i]);
    const IconImage &image = images[i];
    EXPECT_EQ(image.width, sizes[i]);
    EXPECT_EQ(image.height, sizes[i]);
    EXPECT_EQ(image.bitCount, 32);
    ASSERT_GE(image.data.size(), 40u);
    EXPECT_NE(image.data[1], 'P') << "stored as PNG";
    EXPECT_EQ(Le32(image.data, 0), 40u);
    EXPECT_EQ(Le32(image.data, 4), std::uint32_t(sizes[i]));
    EXPECT_EQ(Le32(image.data, 8), std::uint32_t(sizes[i] * 2)) << "colour image and mask";
    EXPECT_EQ(Le16(image.data, 14), 32);
    EXPECT_EQ(Le32(image.data, 16), 0u) << "BI_RGB";
    const std::size_t mask = std::size_t((sizes[i] + 31) / 32 * 4) * sizes[i];
    EXPECT_EQ(image.data.size(), 40 + std::size_t(sizes[i]) * sizes[i] * 4 + mask);
  }
}

// Every size: the bands above and below are transparent, the middle three quarters an opaque
// yellow rectangle across the full width, most of it pure yellow, crossed by darker lines.
TEST(StoredIcon, EverySizeIsAYellowMazeBandBetweenTransparentBands) {
  for (const IconImage &image : ReadIconFile(kIcon)) {
    SCOPED_TRACE(image.width);
    const int size = image.width;
    const auto pixel = [&](int x, int y) {
      const std::size_t at = 40 + (std::size_t(size - 1 - y) * size + x) * 4; // bottom-up
      return Bgra{image.data[at], image.data[at + 1], image.data[at + 2], image.data[at + 3]};
    };
    int yellow = 0, dark = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const Bgra p = pixel(x, y);
        const bool band = y >= size / 8 && y < size - size / 8;
        ASSERT_EQ(p.a, band ? 255 : 0) << "at " << x << ", " << y;
        if (!band)
          continue;
        yellow += p.r == 255 && p.g == 255 && p.b == 0;
        dark += p.r < 128 && p.g < 128 && p.b == 0 && p.r == p.g;
      }
    const int band = size * (size - size / 4);
    EXPECT_GT(yellow, band / 2);
    EXPECT_GT(dark, band / 10);
  }
}

} // namespace
