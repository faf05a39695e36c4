// The pursuit in its worst case: monster and player at the two ends of the maze's longest path,
// so the search expands every cell and the walk back crosses the whole maze.
#include "maze/pursuit.h"
#include "tests/rules/test_mazes.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ChaseDirectionLongestPath(benchmark::State &state) {
  TestMaze test;
  Maze &maze = test.maze;
  CarveMaze(maze, 1, static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
  const auto [monster, player] = LongestPath(maze);
  maze.monster = At(maze, monster);
  maze.player = At(maze, player);
  MonsterContext context{&maze, nullptr};
  for (auto _ : state)
    benchmark::DoNotOptimize(ChaseDirection(&context));
  state.counters["path"] = StepsFrom(maze, monster).To(player);
}

} // namespace

BENCHMARK(BM_ChaseDirectionLongestPath)
    ->Args({20, 30})
    ->Args({40, 60})
    ->Args({80, 120})
    ->Unit(benchmark::kMicrosecond);
