// The thread that moves the monster once a second during a chase.
#pragma once

#include "maze/maze.h"

// The ticker's start parameter, filled by the maze window.
struct MonsterParams {
  HWND window;
  Maze *maze;
  HANDLE stop; // the round's stop signal: set, the ticker takes no further step and ends
};

// parameter: the address of a MonsterParams, read once at the start. Every 1000 ms, unless
// stopped: one whole monster step (pursuit and move), then a repaint of the maze window that the
// ticker waits for. Returns once its stop signal is set.
DWORD WINAPI MonsterTickerThread(LPVOID parameter);
