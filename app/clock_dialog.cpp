#include "app/clock_dialog.h"

#include "app/game_thread.h"
#include "app/handles.h"
#include "view/clock_face.h"
#include "view/clock_text.h"

#include <commctrl.h>

#include <new>

HANDLE clockTickerHandle;
HANDLE clockTickerStop;
std::vector<HANDLE> gameThreadHandles;

namespace {

constexpr DWORD TICK_INTERVAL_MS = 1000;
constexpr std::int32_t MAZE_ROWS = 20;
constexpr std::int32_t MAZE_COLS = 30;

void StartClockTicker(HWND *dialogWindow) {
  clockTickerStop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (clockTickerStop != nullptr)
    clockTickerHandle = CreateThread(nullptr, 0, ClockTickerThread, dialogWindow, 0, nullptr);
}

// Draws the face, then marks the whole client area again, so that the dialog paints once more
// whenever its thread has nothing else to do.
void PaintClock(HWND dialog) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(dialog, &paint);
  try {
    const ClockText text(FormatClockText());
    {
      ClockFace face;
      const ClockFaceRelease release(face);
      DrawClockFace(GetModuleHandleA(nullptr), dc, face, dialog, text.get());
    }
    InvalidateRect(dialog, nullptr, FALSE);
  } catch (const std::bad_alloc &) {
    InvalidateRect(dialog, nullptr, FALSE); // no memory for the text this time: try again
  }
  EndPaint(dialog, &paint);
}

void Play(HWND dialog) {
  // Threads that have ended are done with; their handles go.
  std::erase_if(gameThreadHandles, [](HANDLE thread) {
    if (WaitForSingleObject(thread, 0) != WAIT_OBJECT_0)
      return false;
    CloseHandle(thread);
    return true;
  });
  gameParams = {MAZE_ROWS, MAZE_COLS, dialog};
  if (const HANDLE thread = CreateThread(nullptr, 0, GameThread, &gameParams, 0, nullptr))
    gameThreadHandles.push_back(thread);
}

BOOL CALLBACK CloseMazeWindow(HWND window, LPARAM dialog) {
  char className[8] = {};
  if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(dialog) &&
      GetClassNameA(window, className, sizeof className) > 0 && lstrcmpA(className, "MAZE") == 0)
    PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

// Closes the open maze window, as its close box would, and waits until every round has run its
// teardown. A round that opens its window after this began closes it itself.
void EndRounds(HWND dialog) {
  programClosing = true;
  EnumWindows(CloseMazeWindow, reinterpret_cast<LPARAM>(dialog));
  for (HANDLE thread : gameThreadHandles) {
    WaitForThreadServingSentMessages(thread);
    CloseHandle(thread);
  }
  gameThreadHandles.clear();
}

} // namespace

INT_PTR CALLBACK ClockDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  static HWND dialogWindow = dialog; // the window of the first message, kept for the ticker
  (void)lParam;

  switch (message) {
  case WM_INITDIALOG: {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    StartClockTicker(&dialogWindow);
    return TRUE;
  }
  case WM_PAINT:
    PaintClock(dialog);
    return TRUE;
  case WM_COMMAND:
    if (HIWORD(wParam) == 0) {
      if (LOWORD(wParam) == IDOK)
        Play(dialog);
      else if (LOWORD(wParam) == IDCANCEL)
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    }
    return TRUE;
  case WM_CLOSE:
    StopThread(clockTickerHandle, clockTickerStop);
    EndRounds(dialog);
    EndDialog(dialog, 0);
    return TRUE;
  default:
    return FALSE;
  }
}

DWORD WINAPI ClockTickerThread(LPVOID parameter) {
  const HWND *dialogWindow = static_cast<const HWND *>(parameter);
  while (WaitForSingleObject(clockTickerStop, TICK_INTERVAL_MS) == WAIT_TIMEOUT)
    UpdateWindow(*dialogWindow);
  return 0;
}
