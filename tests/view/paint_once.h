// One whole paint of each kind, as the program's window procedures make them.
#pragma once

#include "view/clock_face.h"
#include "view/clock_text.h"
#include "view/maze_view.h"

// The clock dialog's paint between BeginPaint and EndPaint: format, draw, release, free.
inline void PaintClockOnce(HDC paintDC, HWND window) {
  const ClockText text(FormatClockText());
  ClockFace face{};
  const ClockFaceRelease release(face);
  DrawClockFace(GetModuleHandleA(nullptr), paintDC, face, window, text.get());
}
