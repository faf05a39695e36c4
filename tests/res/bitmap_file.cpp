#include "tests/res/bitmap_file.h"

#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>

std::vector<std::uint8_t> ReadFileBytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint16_t Le16(const std::vector<std::uint8_t> &bytes, std::size_t offset) {
  if (offset + 2 > bytes.size())
    throw std::runtime_error("read past the end");
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t Le32(const std::vector<std::uint8_t> &bytes, std::size_t offset) {
  return Le16(bytes, offset) | static_cast<std::uint32_t>(Le16(bytes, offset + 2)) << 16;
}

BitmapFile ReadBitmapFile(const std::string &path) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  BitmapFile file{};
  file.type = Le16(bytes, 0);
  file.fileSize = Le32(bytes, 2);
  file.dataOffset = Le32(bytes, 10);
  file.headerSize = Le32(bytes, 14);
  file.width = static_cast<std::int32_t>(Le32(bytes, 18));
  file.height = static_cast<std::int32_t>(Le32(bytes, 22));
  file.planes = Le16(bytes, 26);
  file.bitCount = Le16(bytes, 28);
  file.compression = Le32(bytes, 30);
  file.imageSize = Le32(bytes, 34);
  file.xPixelsPerMetre = static_cast<std::int32_t>(Le32(bytes, 38));
  file.yPixelsPerMetre = static_cast<std::int32_t>(Le32(bytes, 42));
  file.coloursUsed = Le32(bytes, 46);
  file.coloursImportant = Le32(bytes, 50);
  if (file.bitCount != 24 || file.width <= 0 || file.height == 0 || file.width > 4096 || file.height > 4096 ||
      file.height < -4096)
    throw std::runtime_error(path + ": not a 24-bit bitmap of a sane size");
  const int rows = file.height < 0 ? -file.height : file.height;
  const std::size_t stride = (std::size_t(file.width) * 3 + 3) & ~std::size_t(3);
  if (file.dataOffset + stride * rows > bytes.size())
    throw std::runtime_error(path + ": pixels missing");
  for (int y = 0; y < rows; ++y) {
    const int stored = file.height > 0 ? rows - 1 - y : y;
    const std::size_t row = file.dataOffset + stride * stored;
    for (int x = 0; x < file.width; ++x) {
      const std::size_t at = row + std::size_t(x) * 3;
      file.pixels.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
    }
  }
  return file;
}

std::vector<IconImage> ReadIconFile(const std::string &path) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  if (Le16(bytes, 0) != 0 || Le16(bytes, 2) != 1)
    throw std::runtime_error(path + ": not an icon file");
  std::vector<IconImage> images;
  for (std::size_t i = 0, count = Le16(bytes, 4); i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    const std::uint32_t size = Le32(bytes, entry + 8);
    const std::uint32_t offset = Le32(bytes, entry + 12);
    if (offset + std::size_t(size) > bytes.size())
      throw std::runtime_error(path + ": image past the end");
    images.push_back({bytes.at(entry) == 0 ? 256 : bytes[entry],
                      bytes.at(entry + 1) == 0 ? 256 : bytes[entry + 1],
                      Le16(bytes, entry + 6),
                      {bytes.begin() + offset, bytes.begin() + offset + size}});
  }
  return images;
}

std::map<int, std::string> BitmapFilesById(const std::string &resourceDir) {
  std::map<std::string, int> numbers;
  const std::regex define(R"(^#define\s+(\w+)\s+(\d+)\s*$)");
  std::ifstream header(resourceDir + "/resource.h");
  for (std::string line; std::getline(header, line);)
    if (std::smatch m; std::regex_match(line, m, define))
      numbers[m[1]] = std::stoi(m[2]);
  std::map<int, std::string> files;
  const std::regex bitmap(R"re(^(\w+)\s+BITMAP\s+"([^"]+)"\s*$)re");
  std::ifstream script(resourceDir + "/clockmaze.rc");
  for (std::string line; std::getline(script, line);) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (std::smatch m; std::regex_match(line, m, bitmap) && numbers.contains(m[1]))
      files[numbers[m[1]]] = m[2];
  }
  return files;
}
