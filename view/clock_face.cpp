#include "view/clock_face.h"

#include "res/resource.h"
#include "view/gdi.h"

namespace {

constexpr int GLYPH_HEIGHT = 99;
constexpr int DIGIT_WIDTH = 65;
constexpr int COLON_WIDTH = 44;

// Bitmap resource of each glyph, in index and loading order.
constexpr int GLYPH_RESOURCES[CLOCK_GLYPHS] = {
    IDB_DIGIT_0, IDB_DIGIT_1, IDB_DIGIT_2, IDB_DIGIT_3, IDB_DIGIT_4, IDB_DIGIT_5,
    IDB_DIGIT_6, IDB_DIGIT_7, IDB_DIGIT_8, IDB_DIGIT_9, IDB_COLON,
};

} // namespace

void DrawClockFace(HINSTANCE instance, HDC paintDC, ClockFace &face, HWND window, const char *text) {
  for (int glyph = 0; glyph < CLOCK_GLYPHS; ++glyph)
    face.glyphs[glyph] = LoadBitmapA(instance, MAKEINTRESOURCEA(GLYPH_RESOURCES[glyph]));
  face.memDC = CreateCompatibleDC(paintDC);

  RECT client;
  if (!GetClientRect(window, &client))
    return;
  face.pen = {client.left + CLOCK_FACE_LEFT, client.top + CLOCK_FACE_TOP};
  if (text == nullptr || text[0] == '\0')
    return;

  // The face's context gets its own bitmap back on return, before the caller deletes it.
  BitmapSelection selection(face.memDC);
  for (const char *character = text; *character != '\0'; ++character) {
    int glyph = 0;
    int width = 0;
    if (*character >= '0' && *character <= '9') {
      glyph = *character - '0';
      width = DIGIT_WIDTH;
    } else if (*character == ':') {
      glyph = COLON_GLYPH;
      width = COLON_WIDTH;
    } else {
      continue;
    }
    selection.Select(face.glyphs[glyph]);
    BitBlt(paintDC, face.pen.x, face.pen.y, width, GLYPH_HEIGHT, face.memDC, 0, 0, SRCCOPY);
    face.pen.x += width;
  }
}

void ReleaseClockFace(ClockFace &face) noexcept {
  if (face.memDC != nullptr)
    DeleteDC(face.memDC);
  face.memDC = nullptr;
  for (HBITMAP &glyph : face.glyphs) {
    if (glyph != nullptr)
      DeleteObject(glyph);
    glyph = nullptr;
  }
}
