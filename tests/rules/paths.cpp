#include "tests/rules/paths.h"

#include "maze/grid.h"

#include <algorithm>
#include <deque>

Position Beside(Position position, std::uint32_t direction) {
  switch (direction) {
  case DIR_LEFT:
    return {position.row, position.col - 1};
  case DIR_RIGHT:
    return {position.row, position.col + 1};
  case DIR_UP:
    return {position.row - 1, position.col};
  case DIR_DOWN:
    return {position.row + 1, position.col};
  default:
    return position;
  }
}

bool Passable(const Maze &maze, Position from, std::uint32_t direction) {
  const Position to = Beside(from, direction);
  if (direction > DIR_DOWN || to.row < 0 || to.col < 0 || to.row >= maze.rowCount - 1 ||
      to.col >= maze.colCount - 1)
    return false;
  // The wall between two cells belongs to the right or the lower one.
  const Cell *owner = CellAt(maze, std::max(from.row, to.row), std::max(from.col, to.col));
  return (from.row == to.row ? owner->leftWall : owner->topWall) == 0;
}

Position PositionOf(const Maze &maze, const Cell *cell) {
  Position position{-1, -1};
  LocateCell(maze, cell, position.row, position.col);
  return position;
}

PathLengths StepsFrom(const Maze &maze, Position from) {
  PathLengths lengths{maze.colCount - 1,
                      std::vector<std::int32_t>((maze.rowCount - 1) * (maze.colCount - 1), -1)};
  lengths.steps[from.row * lengths.cols + from.col] = 0;
  std::deque<Position> queue{from};
  while (!queue.empty()) {
    const Position here = queue.front();
    queue.pop_front();
    for (std::uint32_t direction = DIR_LEFT; direction <= DIR_DOWN; ++direction) {
      const Position there = Beside(here, direction);
      if (!Passable(maze, here, direction) || lengths.To(there) >= 0)
        continue;
      lengths.steps[there.row * lengths.cols + there.col] = lengths.To(here) + 1;
      queue.push_back(there);
    }
  }
  return lengths;
}

namespace {

Position Farthest(const Maze &maze, Position from) {
  const PathLengths lengths = StepsFrom(maze, from);
  Position farthest = from;
  for (std::int32_t row = 0; row < maze.rowCount - 1; ++row)
    for (std::int32_t col = 0; col < lengths.cols; ++col)
      if (lengths.To({row, col}) > lengths.To(farthest))
        farthest = {row, col};
  return farthest;
}

} // namespace

std::pair<Position, Position> LongestPath(const Maze &maze) {
  // In a tree the cell farthest from any cell is one end of a longest path.
  const Position one = Farthest(maze, {0, 0});
  return {one, Farthest(maze, one)};
}
