// Long runs of paints, back to back as the program makes them: nothing a paint makes may stay.
// The full runs are 100,000 clock paints and 20,000 maze paints; --clock-paints=N and
// --maze-paints=N shorten them (emulated Wine needs minutes for the full length).
#include "maze/build.h"
#include "tests/support/allocation.h"
#include "tests/support/debug_print.h"
#include "tests/view/gdi_canvas.h"
#include "tests/view/paint_once.h"
#include "tests/view/pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

int clockPaints = 100'000;
int mazePaints = 20'000;
// Heap and handle tables may round their growth up to whole pages; a leak of even one small
// block or one bitmap per paint is far beyond this.
constexpr SIZE_T COMMIT_SLACK = 512 * 1024;

SYSTEMTIME fakeTime;
void WINAPI FakeClock(LPSYSTEMTIME time) { *time = fakeTime; }

// Paints once to settle what the first paint sets up for good, then `count` times more; the
// last paint goes onto a fresh canvas, to be checked by the caller.
void Endure(const char *name, int count, Canvas &canvas, const std::function<void()> &paint) {
  paint();
  const DWORD gdiBefore = GdiObjects();
  const std::int64_t blocksBefore = LiveAllocations();
  const SIZE_T committedBefore = CommittedBytes();
  const auto start = std::chrono::steady_clock::now();

  for (int done = 0; done < count - 1; ++done)
    paint();
  canvas.Fill(UNPAINTED);
  paint();

  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const SIZE_T committedAfter = CommittedBytes();
  std::printf("%d %s paints in %.1f s (%.0f us each); GDI objects %lu -> %lu; committed %lu -> %lu KiB\n",
              count, name, seconds, 1e6 * seconds / count, gdiBefore, GdiObjects(),
              static_cast<unsigned long>(committedBefore / 1024),
              static_cast<unsigned long>(committedAfter / 1024));
  EXPECT_EQ(GdiObjects(), gdiBefore);
  EXPECT_EQ(LiveAllocations(), blocksBefore);
  EXPECT_LE(committedAfter, committedBefore + COMMIT_SLACK);
}

TEST(ViewEnduranceTest, ClockPaintsKeepNothingAndTheLastIsRight) {
  fakeTime = {};
  fakeTime.wHour = 12;
  fakeTime.wMinute = 34;
  fakeTime.wSecond = 56;
  clockTimeSource = FakeClock;
  Canvas canvas{CLIENT_WIDTH, CLIENT_HEIGHT, UNPAINTED};
  TestWindow window{CLIENT_WIDTH, CLIENT_HEIGHT};

  Endure("clock", clockPaints, canvas, [&] { PaintClockOnce(canvas.Dc(), window.Get()); });

  EXPECT_TRUE(SameImage(canvas.Snapshot(), FacePicture(TWELVE_THIRTY_FOUR)));
  clockTimeSource = GetLocalTime;
}

TEST(ViewEnduranceTest, MazePaintsKeepNothingAndTheLastIsRight) {
  Maze maze{};
  BuildMaze(maze, 20, 30);
  paintedMaze = &maze;
  Canvas canvas{MAZE_PICTURE_WIDTH, MAZE_PICTURE_HEIGHT, UNPAINTED};
  TestWindow window{MAZE_PICTURE_WIDTH, MAZE_PICTURE_HEIGHT};

  Endure("maze", mazePaints, canvas, [&] { PaintMaze(canvas.Dc(), window.Get()); });

  EXPECT_TRUE(SameImage(canvas.Snapshot(), MazePicture(maze)));
  paintedMaze = nullptr;
  DestroyMaze(maze);
}

// A count from an argument of the form --name=N, if this is one.
void ReadCount(const char *argument, const char *name, int &count) {
  const std::size_t length = std::strlen(name);
  if (std::strncmp(argument, name, length) == 0 && argument[length] == '=')
    count = std::max(1, std::atoi(argument + length + 1));
}

} // namespace

int main(int argc, char **argv) {
  IgnoreDebugPrintExceptions();
  ::testing::InitGoogleTest(&argc, argv);
  for (int index = 1; index < argc; ++index) {
    ReadCount(argv[index], "--clock-paints", clockPaints);
    ReadCount(argv[index], "--maze-paints", mazePaints);
  }
  return RUN_ALL_TESTS();
}
