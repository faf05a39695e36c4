// Construction of one round's maze from the tick count, and its teardown.
#pragma once

#include "maze/maze.h"

// Seeds the generator with the tick count, carves a rows x cols maze (rows, cols >= 1 and
// rows x cols >= 3), loads the 16 tiles and places player, monster and exit in three distinct
// random cells. A bitmap that fails to load leaves its slot empty. When an allocation fails,
// everything made so far is released and the failure passes to the caller; the record then holds
// nothing to tear down.
Maze &BuildMaze(Maze &maze, std::int32_t rows, std::int32_t cols);

// Puts the code into a random empty playable cell and yields that cell.
Cell *PlaceOccupant(Maze &maze, std::int32_t occupant);

// Releases every cell, row array, tile and list node; the record may not be used afterwards.
void DestroyMaze(Maze &maze) noexcept;
