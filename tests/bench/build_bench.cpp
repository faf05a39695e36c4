// How construction grows with the grid: the lists and grid scans make it faster than linear.
#include "maze/build.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BuildMaze(benchmark::State &state) {
  const auto rows = static_cast<std::int32_t>(state.range(0));
  const auto cols = static_cast<std::int32_t>(state.range(1));
  DWORD seed = 1;
  for (auto _ : state) {
    standin::SetTickCount(seed++);
    Maze maze;
    BuildMaze(maze, rows, cols);
    benchmark::DoNotOptimize(maze.player);
    DestroyMaze(maze);
  }
}

} // namespace

BENCHMARK(BM_BuildMaze)->Args({20, 30})->Args({40, 60})->Args({80, 120})->Unit(benchmark::kMicrosecond);
