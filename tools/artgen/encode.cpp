#include "tools/artgen/encode.h"

#include <array>
#include <string_view>

namespace artgen {

namespace {

constexpr std::uint32_t kPixelsPerMetre = 2834; // 72 dots per inch

void Put16(Bytes &out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes &out, std::uint32_t value) {
  Put16(out, value & 0xffff);
  Put16(out, value >> 16);
}

void Put32BigEndian(Bytes &out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutInfoHeader(Bytes &out, int width, int height, int bitCount, std::uint32_t imageSize,
                   std::uint32_t pixelsPerMetre) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1); // planes
  Put16(out, static_cast<std::uint32_t>(bitCount));
  Put32(out, 0); // BI_RGB
  Put32(out, imageSize);
  Put32(out, pixelsPerMetre);
  Put32(out, pixelsPerMetre);
  Put32(out, 0); // colours used
  Put32(out, 0); // colours important
}

std::uint32_t Crc32(const std::uint8_t *data, std::size_t size, std::uint32_t crc = 0) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k)
        c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i)
    crc = table[(crc ^ data[i]) & 0xff] ^ (crc >> 8);
  return ~crc;
}

void PutChunk(Bytes &out, std::string_view type, const Bytes &data) {
  Put32BigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  Put32BigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored blocks.
Bytes Zlib(const Bytes &raw) {
  Bytes out{0x78, 0x01};
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min<std::size_t>(65535, raw.size() - offset);
    out.push_back(offset + length == raw.size() ? 1 : 0);
    Put16(out, static_cast<std::uint32_t>(length));
    Put16(out, static_cast<std::uint32_t>(~length & 0xffff));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
               raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
    offset += length;
  } while (offset < raw.size());
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  Put32BigEndian(out, (b << 16) | a);
  return out;
}

} // namespace

Bytes EncodeBmp(const Image8 &image) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(image.height);
  Bytes out{'B', 'M'};
  Put32(out, 14 + 40 + imageSize);
  Put32(out, 0);
  Put32(out, 14 + 40);
  PutInfoHeader(out, image.width, image.height, 24, imageSize, kPixelsPerMetre);
  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    for (int x = 0; x < image.width; ++x) {
      const Rgba8 &p = image.at(x, y);
      out.insert(out.end(), {p.b, p.g, p.r});
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}

Bytes EncodeIco(const std::vector<Image8> &images) {
  std::vector<Bytes> bodies;
  for (const Image8 &image : images) {
    const std::uint32_t maskStride = ((static_cast<std::uint32_t>(image.width) + 31) / 32) * 4;
    const std::uint32_t size = static_cast<std::uint32_t>(image.width * image.height * 4) +
                               maskStride * static_cast<std::uint32_t>(image.height);
    Bytes body;
    // The height counts the colour image and the mask together.
    PutInfoHeader(body, image.width, image.height * 2, 32, size, 0);
    for (int y = image.height - 1; y >= 0; --y)
      for (int x = 0; x < image.width; ++x) {
        const Rgba8 &p = image.at(x, y);
        body.insert(body.end(), {p.b, p.g, p.r, p.a});
      }
    // The AND mask marks the fully transparent pixels, for readers that ignore alpha.
    for (int y = image.height - 1; y >= 0; --y) {
      Bytes row(maskStride, 0);
      for (int x = 0; x < image.width; ++x)
        if (image.at(x, y).a == 0)
          row[std::size_t(x) / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      body.insert(body.end(), row.begin(), row.end());
    }
    bodies.push_back(std::move(body));
  }
  Bytes out;
  Put16(out, 0);
  Put16(out, 1); // icon
  Put16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(images[i].width & 0xff)); // 256 is written as 0
    out.push_back(static_cast<std::uint8_t>(images[i].height & 0xff));
    out.push_back(0); // colour count
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, 32); // bits a pixel
    Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const Bytes &body : bodies)
    out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes EncodePng(const Image8 &image) {
  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  Bytes header;
  Put32BigEndian(header, static_cast<std::uint32_t>(image.width));
  Put32BigEndian(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, no interlace
  PutChunk(out, "IHDR", header);
  Bytes raw;
  raw.reserve(std::size_t(image.height) * (1 + std::size_t(image.width) * 3));
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0); // no filter
    for (int x = 0; x < image.width; ++x) {
      const Rgba8 &p = image.at(x, y);
      raw.insert(raw.end(), {p.r, p.g, p.b});
    }
  }
  PutChunk(out, "IDAT", Zlib(raw));
  PutChunk(out, "IEND", {});
  return out;
}

} // namespace artgen
