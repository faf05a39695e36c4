// Real GDI pixels for the view's tests: a canvas to paint into, the pixels of a bitmap, a window
// to ask for a client rectangle, and the process's GDI objects and memory.
#pragma once

#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Pixels as 0x00RRGGBB, rows top to bottom.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// An image of one colour.
Image Blank(int width, int height, std::uint32_t colour);
// Copies `part` into `image` with its top-left corner at (x, y).
void Paste(Image &image, const Image &part, int x, int y);
// Equal sizes and pixels; otherwise the first pixel that differs.
::testing::AssertionResult SameImage(const Image &actual, const Image &expected);

// The pixels of a bitmap, as GetDIBits gives them.
Image ReadBitmap(HBITMAP bitmap);
// The pixels of a bitmap resource of this program.
Image ReadBitmapResource(int resourceId);

// A 32-bit top-down DIB selected into a memory drawing context, filled with one colour: a paint
// drawing context whose pixels a test can read.
class Canvas {
public:
  Canvas(int width, int height, std::uint32_t fill);
  ~Canvas();
  Canvas(const Canvas &) = delete;
  Canvas &operator=(const Canvas &) = delete;

  HDC Dc() const { return dc_; }
  void Fill(std::uint32_t colour);
  Image Snapshot() const;

private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ original_;
  std::uint32_t *bits_ = nullptr;
};

// A hidden top-level window with a client area of the given size, destroyed with the object.
class TestWindow {
public:
  TestWindow(int width, int height);
  ~TestWindow();
  TestWindow(const TestWindow &) = delete;
  TestWindow &operator=(const TestWindow &) = delete;

  HWND Get() const { return window_; }
  // The handle stays with the object, now naming no window: GetClientRect on it fails.
  void Destroy();

private:
  HWND window_;
};

// GDI objects the process holds. Fills the handle table for a moment where the system does not
// count them (Wine).
DWORD GdiObjects();

// Private memory the process has committed.
SIZE_T CommittedBytes();
