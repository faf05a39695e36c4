// Paths through a maze reckoned by coordinates, apart from the game's own code: the yardstick for
// the pursuit, and the finder of its worst case.
#pragma once

#include "maze/maze.h"

#include <cstdint>
#include <utility>
#include <vector>

struct Position {
  std::int32_t row;
  std::int32_t col;
  bool operator==(const Position &) const = default;
};

// The position one step away; it may lie outside the grid.
Position Beside(Position position, std::uint32_t direction);

// Whether a step from a playable position stays in the playable area and crosses no wall.
bool Passable(const Maze &maze, Position from, std::uint32_t direction);

Position PositionOf(const Maze &maze, const Cell *cell);

// Steps from one playable position to every other, through open walls; -1 where none leads.
struct PathLengths {
  std::int32_t cols;
  std::vector<std::int32_t> steps;
  std::int32_t To(Position position) const { return steps[position.row * cols + position.col]; }
};
PathLengths StepsFrom(const Maze &maze, Position from);

// The two ends of a longest path of a perfect maze.
std::pair<Position, Position> LongestPath(const Maze &maze);
