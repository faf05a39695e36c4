// Mazes made for a test: drawn from a picture, carved from a seed, or walled in throughout.
#pragma once

#include "maze/build.h"
#include "tests/rules/paths.h"

#include <string_view>
#include <vector>

// Owns a maze made for a test and tears it down with the test.
struct TestMaze {
  Maze maze{};
  TestMaze() = default;
  TestMaze(const TestMaze &) = delete;
  TestMaze &operator=(const TestMaze &) = delete;
  ~TestMaze() { DestroyMaze(maze); }
};

// Lays out a maze from a picture in maze_dump's style; the last line is the bottom border:
//   +---+---+
//   | M   P |
//   +   +---+
//   | E     |
//   +---+---+
// '-' above a cell is its top wall, '|' before it its left wall (the last one on a line is the
// extra column's). M, P and E place the monster, the player and the exit.
void DrawMaze(Maze &maze, const std::vector<std::string_view> &picture);

// A perfect rows x cols maze carved from a seed, as a round gets it, with no pieces in it.
void CarveMaze(Maze &maze, std::uint32_t seed, std::int32_t rows, std::int32_t cols);

// A rows x cols grid with every wall standing and nothing in it.
void WallMaze(Maze &maze, std::int32_t rows, std::int32_t cols);

Cell *At(const Maze &maze, Position position);
