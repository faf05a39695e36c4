// The rules of one step, the same for the player and the monster: the wall rule, the move, and
// the three outcomes that end a round instead of moving a piece.
#pragma once

#include "maze/maze.h"

#include <cstdint>

// Sent to the maze window with both parameters 0; an outcome never moves a piece.
constexpr UINT WM_MAZE_FINISHED = WM_USER + 10;   // the player reached the exit
constexpr UINT WM_MAZE_EATEN = WM_USER + 11;      // player and monster met
constexpr UINT WM_MAZE_EXIT_EATEN = WM_USER + 12; // the monster stepped onto the exit

// The monster ticker's own record: the round's maze, and the window that hears its outcomes.
struct MonsterContext {
  Maze *maze;
  HWND window;
};

// Set by the maze window when it is created: the maze the player moves on, and the window that
// hears the player's outcomes. Read by every MovePlayer.
extern Maze *playerMaze;
extern HWND outcomeWindow;

// The wall rule: the neighbour a step in this direction leads to, when it lies in the playable
// area and the wall between is down; none otherwise, and for any direction outside 0 to 3.
Cell *OpenNeighbour(const Cell &cell, const Neighbours &neighbours, std::uint32_t direction);

// One step of the player on playerMaze, taken whole under the maze's lock. A step into the exit
// or onto the monster moves nothing and sends its outcome to outcomeWindow once the lock is
// released. Does nothing once the round has an outcome. A failed allocation passes to the caller.
void MovePlayer(std::uint32_t direction);

// The same step for the monster of context->maze; its outcomes go to context->window.
void MoveMonster(MonsterContext *context, std::uint32_t direction);

// The monster ticker's whole step: the pursuit and the monster's move under one hold of the lock,
// so the player cannot move in between; then the outcome, if any, after the lock is released.
void MonsterStep(MonsterContext *context);
