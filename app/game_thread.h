// One round: the game thread, its maze window and the window's procedure.
#pragma once

#include "app/monster_ticker.h"
#include "maze/maze.h"

#include <atomic>

// The play command's parameter block, shared by every game thread and read field by field.
struct GameParams {
  std::int32_t rows;
  std::int32_t cols;
  HWND owner;
};

extern GameParams gameParams;

// Set by the dialog once it is closing: a round that gets its window after that closes it at once.
extern std::atomic<bool> programClosing;

// The current round's monster ticker: its start parameter, whether it has been started, its thread.
extern MonsterParams monsterParams;
extern BYTE monsterStarted;
extern HANDLE monsterTickerHandle;

// parameter: the address of gameParams. Builds the maze, opens its window and runs the window's
// messages until it is destroyed, then tears everything down. A round started while a maze
// window is open gets no window and ends at once.
DWORD WINAPI GameThread(LPVOID parameter);

// Registers the class "MAZE" and creates the hidden maze window, centred on the desktop; none
// when the class is registered already.
HWND CreateMazeWindow(HWND owner, std::int32_t height, std::int32_t width, Maze *maze);

LRESULT CALLBACK MazeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
