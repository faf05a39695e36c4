// The clock face: a clock text drawn as a row of seven-segment glyph images.
#pragma once

#include "platform/platform.h"

// Glyph indices 0 to 9 are the digits, 10 the colon.
constexpr int CLOCK_GLYPHS = 11;
constexpr int COLON_GLYPH = 10;

// Where the first glyph goes, from the client area's top-left corner.
constexpr int CLOCK_FACE_LEFT = 28;
constexpr int CLOCK_FACE_TOP = 30;

// The drawing state of one paint. DrawClockFace fills it; ReleaseClockFace releases it.
struct ClockFace {
  HBITMAP glyphs[CLOCK_GLYPHS]{};
  HDC memDC{};
  POINT pen{};
};

// Loads the 11 glyphs from instance, makes face.memDC compatible with paintDC and draws text
// from (28, 30) of window's client area: a digit as its 65 x 99 glyph, a colon as its 44 x 99
// glyph, anything else as nothing, without moving the pen. Draws nothing when the client
// rectangle cannot be had. On return glyphs and memDC are set on every path, memDC holds its own
// bitmap again, and the caller releases the face.
void DrawClockFace(HINSTANCE instance, HDC paintDC, ClockFace &face, HWND window, const char *text);

// Deletes memDC first, then the 11 glyphs in index order, each once; leaves the face empty, so a
// second release does nothing.
void ReleaseClockFace(ClockFace &face) noexcept;

// Releases a face at the end of the paint handling's scope.
class ClockFaceRelease {
public:
  explicit ClockFaceRelease(ClockFace &face) : face_(face) {}
  ~ClockFaceRelease() { ReleaseClockFace(face_); }
  ClockFaceRelease(const ClockFaceRelease &) = delete;
  ClockFaceRelease &operator=(const ClockFaceRelease &) = delete;

private:
  ClockFace &face_;
};
