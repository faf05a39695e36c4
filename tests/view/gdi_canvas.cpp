#include "tests/view/gdi_canvas.h"

#include <psapi.h>

#include <algorithm>

namespace {

constexpr std::uint32_t RGB_MASK = 0x00FFFFFF;

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

} // namespace

Image Blank(int width, int height, std::uint32_t colour) {
  return {width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}

void Paste(Image &image, const Image &part, int x, int y) {
  for (int row = 0; row < part.height; ++row)
    std::copy_n(part.pixels.begin() + static_cast<std::ptrdiff_t>(row) * part.width, part.width,
                image.pixels.begin() + static_cast<std::ptrdiff_t>(y + row) * image.width + x);
}

::testing::AssertionResult SameImage(const Image &actual, const Image &expected) {
  if (actual.width != expected.width || actual.height != expected.height)
    return ::testing::AssertionFailure() << "size " << actual.width << " x " << actual.height << ", expected "
                                         << expected.width << " x " << expected.height;
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      if (actual.At(x, y) != expected.At(x, y))
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                             << actual.At(x, y) << ", expected " << expected.At(x, y);
    }
  }
  return ::testing::AssertionSuccess();
}

Image ReadBitmap(HBITMAP bitmap) {
  BITMAP header = {};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof header, &header) == 0)
    return {};
  Image image = Blank(header.bmWidth, header.bmHeight, 0);
  BITMAPINFO info = TopDown32(image.width, image.height);
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, image.height, image.pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (std::uint32_t &pixel : image.pixels)
    pixel &= RGB_MASK;
  return image;
}

Image ReadBitmapResource(int resourceId) {
  const HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
  Image image = ReadBitmap(bitmap);
  if (bitmap != nullptr)
    DeleteObject(bitmap);
  return image;
}

Canvas::Canvas(int width, int height, std::uint32_t fill)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info = TopDown32(width, height);
  void *bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t *>(bits);
  original_ = SelectObject(dc_, bitmap_);
  Fill(fill);
}

void Canvas::Fill(std::uint32_t colour) {
  GdiFlush();
  if (bits_ != nullptr)
    std::fill_n(bits_, static_cast<std::size_t>(width_) * height_, colour);
}

Canvas::~Canvas() {
  SelectObject(dc_, original_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

Image Canvas::Snapshot() const {
  GdiFlush();
  Image image = Blank(width_, height_, 0);
  if (bits_ != nullptr)
    std::transform(bits_, bits_ + image.pixels.size(), image.pixels.begin(),
                   [](std::uint32_t pixel) { return pixel & RGB_MASK; });
  return image;
}

TestWindow::TestWindow(int width, int height) {
  RECT frame = {0, 0, width, height};
  AdjustWindowRectEx(&frame, WS_POPUP, FALSE, 0);
  window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TestWindow::~TestWindow() { Destroy(); }

void TestWindow::Destroy() {
  if (IsWindow(window_))
    DestroyWindow(window_);
}

DWORD GdiObjects() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0)
    return counted;
  // Wine's GetGuiResources answers 0 always. Its handle table has room for 65536 objects: fill
  // what is left of it with regions, and whatever could not be made is held.
  constexpr DWORD WINE_HANDLE_TABLE = 65536;
  std::vector<HRGN> regions;
  regions.reserve(WINE_HANDLE_TABLE);
  for (HRGN region; (region = CreateRectRgn(0, 0, 1, 1)) != nullptr;)
    regions.push_back(region);
  for (const HRGN region : regions)
    DeleteObject(region);
  return WINE_HANDLE_TABLE - static_cast<DWORD>(regions.size());
}

SIZE_T CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}
