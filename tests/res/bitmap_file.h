// Reads the stored resource files back: a .bmp with its header fields, an .ico's directory and
// images, and the identifiers that resource.h and the resource script give each bitmap.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct Rgb {
  std::uint8_t r, g, b;
  bool operator==(const Rgb &) const = default;
};

struct BitmapFile {
  std::uint16_t type;
  std::uint32_t fileSize;
  std::uint32_t dataOffset;
  std::uint32_t headerSize;
  std::int32_t width;
  std::int32_t height;
  std::uint16_t planes;
  std::uint16_t bitCount;
  std::uint32_t compression;
  std::uint32_t imageSize;
  std::int32_t xPixelsPerMetre;
  std::int32_t yPixelsPerMetre;
  std::uint32_t coloursUsed;
  std::uint32_t coloursImportant;
  std::vector<Rgb> pixels; // top row first, whichever way the file stores them

  Rgb at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

struct IconImage {
  int width, height; // from the directory entry, 0 read as 256
  std::uint16_t bitCount;
  std::vector<std::uint8_t> data; // the stored image: info header, pixels, mask
};

std::vector<std::uint8_t> ReadFileBytes(const std::string &path);
std::uint32_t Le32(const std::vector<std::uint8_t> &bytes, std::size_t offset);
std::uint16_t Le16(const std::vector<std::uint8_t> &bytes, std::size_t offset);

// Throws std::runtime_error when the file is not a 24-bit .bmp it can read.
BitmapFile ReadBitmapFile(const std::string &path);
std::vector<IconImage> ReadIconFile(const std::string &path);

// Bitmap resource number to the file the resource script names for it, relative to res/.
std::map<int, std::string> BitmapFilesById(const std::string &resourceDir);
