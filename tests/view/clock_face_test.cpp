#include "view/clock_face.h"
#include "view/clock_text.h"

#include "tests/view/gdi_canvas.h"
#include "tests/view/pictures.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

SYSTEMTIME fakeTime;
void WINAPI FakeClock(LPSYSTEMTIME time) { *time = fakeTime; }

class ClockTextTest : public ::testing::Test {
protected:
  void SetUp() override { clockTimeSource = FakeClock; }
  void TearDown() override { clockTimeSource = GetLocalTime; }
};

TEST_F(ClockTextTest, TimeIsTwoDigitsEachInABlockOfExactlyItsLengthPlusOne) {
  struct Case {
    WORD hour, minute, second;
    const char *text;
  };
  for (const Case &time :
       {Case{9, 5, 3, "09:05:03"}, Case{0, 0, 0, "00:00:00"}, Case{23, 59, 59, "23:59:59"}}) {
    fakeTime = {};
    fakeTime.wYear = 2024;
    fakeTime.wHour = time.hour;
    fakeTime.wMinute = time.minute;
    fakeTime.wSecond = time.second;
    fakeTime.wMilliseconds = 999;

    const ClockText text(FormatClockText());
    EXPECT_STREQ(text.get(), time.text);
    // The test executable's operator new takes its blocks from malloc, so _msize sees the request.
    EXPECT_EQ(_msize(text.get()), std::strlen(time.text) + 1) << time.text;
  }
}

TEST(ClockTextLocalTimeTest, ReadsTheLocalClockByDefault) {
  SYSTEMTIME before;
  GetLocalTime(&before);
  const ClockText text(FormatClockText());
  SYSTEMTIME after;
  GetLocalTime(&after);

  ASSERT_EQ(std::strlen(text.get()), 8u);
  const int hour = std::atoi(text.get());
  EXPECT_TRUE(hour == before.wHour || hour == after.wHour) << text.get();
  EXPECT_EQ(text[2], ':');
  EXPECT_EQ(text[5], ':');
}

struct FaceCase {
  const char *name;
  const char *text;
  std::vector<Placed> glyphs; // every top edge at y 30
};

class ClockFaceTest : public ::testing::TestWithParam<FaceCase> {
protected:
  Canvas canvas{CLIENT_WIDTH, CLIENT_HEIGHT, UNPAINTED};
  TestWindow window{CLIENT_WIDTH, CLIENT_HEIGHT};
};

TEST_P(ClockFaceTest, GlyphsStandAtTheirPenPositionsAndNothingElseIsPainted) {
  const FaceCase &face = GetParam();
  const Image expected = FacePicture(face.glyphs);
  const DWORD gdiBefore = GdiObjects();

  ClockFace drawn{};
  DrawClockFace(GetModuleHandleA(nullptr), canvas.Dc(), drawn, window.Get(), face.text);

  EXPECT_TRUE(SameImage(canvas.Snapshot(), expected));
  // The context holds its own bitmap again, none of the glyphs.
  const HGDIOBJ selected = GetCurrentObject(drawn.memDC, OBJ_BITMAP);
  for (const HBITMAP glyph : drawn.glyphs)
    EXPECT_NE(selected, glyph);

  ReleaseClockFace(drawn);
  EXPECT_EQ(GdiObjects(), gdiBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClockFaceTest,
    ::testing::Values(FaceCase{"Time", "12:34:56", TWELVE_THIRTY_FOUR},
                      FaceCase{
                          "OtherDigits", "90:78", {{'9', 28}, {'0', 93}, {':', 158}, {'7', 202}, {'8', 267}}},
                      // A character that is neither digit nor colon leaves the pen where it is.
                      FaceCase{"Spaces", " 1 2:", {{'1', 28}, {'2', 93}, {':', 158}}},
                      FaceCase{"CyrillicLetter",
                               "0\xC0\xFF"
                               "9",
                               {{'0', 28}, {'9', 93}}},
                      FaceCase{"Empty", "", {}}),
    [](const ::testing::TestParamInfo<FaceCase> &test) { return std::string(test.param.name); });

// What a face holds after drawing, so that a test can see each handle gone after the release.
std::vector<HGDIOBJ> HandlesOf(const ClockFace &face) {
  std::vector<HGDIOBJ> handles(std::begin(face.glyphs), std::end(face.glyphs));
  handles.push_back(face.memDC);
  return handles;
}

TEST(ClockFaceReleaseTest, EveryPathLeavesElevenGlyphsAndAContextThatTheReleaseDeletes) {
  TestWindow window{CLIENT_WIDTH, CLIENT_HEIGHT};
  TestWindow destroyed{CLIENT_WIDTH, CLIENT_HEIGHT};
  destroyed.Destroy();
  struct Path {
    const char *name;
    HWND window;
    const char *text;
    bool draws;
  };
  for (const Path &path :
       {Path{"drawn", window.Get(), "12:34:56", true}, Path{"empty text", window.Get(), "", false},
        Path{"no client rectangle", destroyed.Get(), "12:34:56", false}}) {
    Canvas canvas{CLIENT_WIDTH, CLIENT_HEIGHT, UNPAINTED};
    const DWORD gdiBefore = GdiObjects();
    ClockFace face{};
    DrawClockFace(GetModuleHandleA(nullptr), canvas.Dc(), face, path.window, path.text);
    const std::vector<HGDIOBJ> handles = HandlesOf(face);
    for (const HGDIOBJ handle : handles)
      EXPECT_NE(GetObjectType(handle), 0u) << path.name;
    EXPECT_EQ(!SameImage(canvas.Snapshot(), Blank(CLIENT_WIDTH, CLIENT_HEIGHT, UNPAINTED)), path.draws)
        << path.name;

    ReleaseClockFace(face);
    for (const HGDIOBJ handle : handles)
      EXPECT_EQ(GetObjectType(handle), 0u) << path.name;
    EXPECT_EQ(HandlesOf(face), std::vector<HGDIOBJ>(CLOCK_GLYPHS + 1, nullptr)) << path.name;
    EXPECT_EQ(GdiObjects(), gdiBefore) << path.name;
  }
}

} // namespace
