// Scope holders for the GDI objects of one paint: a memory drawing context, and the bitmaps
// selected into it one after another.
#pragma once

#include "platform/platform.h"

// A memory drawing context compatible with another, deleted at the end of the scope.
class MemoryDC {
public:
  explicit MemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
  ~MemoryDC() {
    if (dc_ != nullptr)
      DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC &) = delete;
  MemoryDC &operator=(const MemoryDC &) = delete;

  HDC Get() const { return dc_; }

private:
  HDC dc_;
};

// Selects bitmaps into a drawing context and, at the end of the scope, puts back the bitmap the
// context held before the first selection, so that the context can be deleted and the selected
// bitmaps released in either order.
class BitmapSelection {
public:
  explicit BitmapSelection(HDC dc) : dc_(dc) {}
  ~BitmapSelection() {
    if (original_ != nullptr)
      SelectObject(dc_, original_);
  }
  BitmapSelection(const BitmapSelection &) = delete;
  BitmapSelection &operator=(const BitmapSelection &) = delete;

  void Select(HBITMAP bitmap) {
    // A failed selection changes nothing, so the first handle that comes back is the original.
    const HGDIOBJ previous = SelectObject(dc_, bitmap);
    if (original_ == nullptr)
      original_ = previous;
  }

private:
  HDC dc_;
  HGDIOBJ original_ = nullptr;
};
