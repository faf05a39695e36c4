#include "app/monster_ticker.h"

#include "maze/moves.h"

#include <new>

namespace {
constexpr DWORD STEP_INTERVAL_MS = 1000;
}

DWORD WINAPI MonsterTickerThread(LPVOID parameter) {
  const auto *params = static_cast<const MonsterParams *>(parameter);
  MonsterContext context{params->maze, params->window};
  const HANDLE stop = params->stop;

  // The wait is the pause between steps; a stop ends it at once.
  while (WaitForSingleObject(stop, STEP_INTERVAL_MS) == WAIT_TIMEOUT) {
    try {
      MonsterStep(&context);
    } catch (const std::bad_alloc &) {
      // Out of memory for the pursuit: the monster stands still this tick.
    }
    InvalidateRect(context.window, nullptr, FALSE);
    UpdateWindow(context.window);
  }
  return 0;
}
