// Randomised Prim's algorithm: carves a freshly allocated grid into a perfect maze over the
// playable area, so between any two playable cells there is exactly one wall-free path.
#pragma once

#include "maze/maze.h"

void ClearLeftWall(Cell *cell);
void ClearTopWall(Cell *cell);

// Marks the cell as joined and appends it to inMaze; true for no cell. False only when its node
// cannot be made: the cell keeps its new state and is in no list.
bool AddToMaze(Cell *cell, Maze &maze) noexcept;

// The same for the frontier.
bool AddToFrontier(Cell *cell, Maze &maze) noexcept;

// One step for a cell just taken from the frontier: grows the frontier around it and opens the
// wall to one random neighbour already in the maze.
void JoinFrontierCell(const Neighbours &neighbours, Maze &maze, Cell *cell);

// Expects a new grid of (rows + 1) x (cols + 1), empty lists and a seeded generator. A node that
// cannot be joined stops generation where it is; other allocation failures pass to the caller.
void GenerateMaze(Maze &maze, std::int32_t rows, std::int32_t cols);
