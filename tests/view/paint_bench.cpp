// Time of one maze paint and one whole clock paint, on real GDI.
#include "maze/build.h"
#include "tests/view/gdi_canvas.h"
#include "tests/view/paint_once.h"
#include "tests/view/pictures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

double Seconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to, const LARGE_INTEGER &frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Measure(const char *name, int runs, const std::function<void()> &paint) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  paint();
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    paint();
    QueryPerformanceCounter(&end);
    times.push_back(1e3 * Seconds(start, end, frequency));
  }
  std::sort(times.begin(), times.end());
  double total = 0;
  for (const double time : times)
    total += time;
  std::printf("%-34s runs %5d  mean %7.3f ms  median %7.3f ms  min %7.3f ms  p95 %7.3f ms\n", name, runs,
              total / runs, times[runs / 2], times.front(), times[runs * 95 / 100]);
}

} // namespace

// Arguments: runs of each paint (default 1000).
int main(int argc, char **argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

  Maze maze{};
  BuildMaze(maze, 20, 30);
  paintedMaze = &maze;
  Canvas board{MAZE_PICTURE_WIDTH, MAZE_PICTURE_HEIGHT, UNPAINTED};
  TestWindow mazeWindow{MAZE_PICTURE_WIDTH, MAZE_PICTURE_HEIGHT};
  Measure("PaintMaze, 20 x 30 (651 tiles)", runs, [&] { PaintMaze(board.Dc(), mazeWindow.Get()); });
  paintedMaze = nullptr;
  DestroyMaze(maze);

  Canvas face{CLIENT_WIDTH, CLIENT_HEIGHT, UNPAINTED};
  TestWindow dialog{CLIENT_WIDTH, CLIENT_HEIGHT};
  Measure("clock paint (format, 11 glyphs)", runs, [&] { PaintClockOnce(face.Dc(), dialog.Get()); });
  return 0;
}
