// File formats the artwork is written in: the resource bitmaps, the icon and the contact sheet.
#pragma once

#include "tools/artgen/raster.h"

#include <cstdint>
#include <vector>

namespace artgen {

using Bytes = std::vector<std::uint8_t>;

// A .bmp file: 40-byte BITMAPINFOHEADER, 24 bits a pixel, BI_RGB, bottom-up, no colour table,
// 2834 pixels per metre. Alpha is ignored.
Bytes EncodeBmp(const Image8 &image);

// An .ico file of 32-bit images with alpha, each stored as an uncompressed bitmap with its AND mask.
Bytes EncodeIco(const std::vector<Image8> &images);

// A PNG of the image's colour (no alpha), with stored (uncompressed) deflate blocks.
Bytes EncodePng(const Image8 &image);

} // namespace artgen
