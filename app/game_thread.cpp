#include "app/game_thread.h"

#include "app/handles.h"
#include "app/outcome_texts.h"
#include "maze/build.h"
#include "maze/moves.h"
#include "view/maze_view.h"

#include <algorithm>
#include <new>

GameParams gameParams;
std::atomic<bool> programClosing{false};
MonsterParams monsterParams;
BYTE monsterStarted;
HANDLE monsterTickerHandle;

namespace {

constexpr char MAZE_CLASS[] = "MAZE";

// The maze window's outer size: the tiles of the playable cells, plus room for frame and caption.
constexpr LONG MazeWindowWidth(std::int32_t cols) { return cols * TILE_SIZE + 9; }
constexpr LONG MazeWindowHeight(std::int32_t rows) { return rows * TILE_SIZE + 35; }

// The round's end has begun (an outcome is being announced, or the window is going): later
// outcome messages, such as one from a monster step already under way, are not announced.
bool roundEnding;

void StartMonsterTicker() {
  monsterStarted = 1;
  monsterParams.stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (monsterParams.stop != nullptr)
    monsterTickerHandle = CreateThread(nullptr, 0, MonsterTickerThread, &monsterParams, 0, nullptr);
}

// Tells the current round's ticker to take no further step and end.
void SignalMonsterTicker() {
  if (monsterParams.stop != nullptr)
    SetEvent(monsterParams.stop);
}

// Waits until the current round's ticker has ended, and releases it.
void EndMonsterTicker() { StopThread(monsterTickerHandle, monsterParams.stop); }

void OnKeyDown(HWND window, WPARAM key) {
  if (monsterStarted == 0)
    StartMonsterTicker();
  try {
    switch (key) {
    case VK_LEFT:
      MovePlayer(DIR_LEFT);
      break;
    case VK_RIGHT:
      MovePlayer(DIR_RIGHT);
      break;
    case VK_UP:
      MovePlayer(DIR_UP);
      break;
    case VK_DOWN:
      MovePlayer(DIR_DOWN);
      break;
    default:
      break;
    }
  } catch (const std::bad_alloc &) {
    // No memory for the step: it is refused like a step into a wall.
  }
  // When the step ended the round the window is gone by now, and these do nothing.
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

void AnnounceOutcome(HWND window, const OutcomeBox &box) {
  if (roundEnding)
    return;
  roundEnding = true;
  // The monster takes no further step: the maze already refuses every step once it has an
  // outcome, and the signal lets the ticker end. It cannot be waited for here, since it may be
  // the one waiting for this very message.
  SignalMonsterTicker();
  MessageBoxA(window, box.text, box.caption, box.style);
  DestroyWindow(window);
}

} // namespace

LRESULT CALLBACK MazeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_CREATE: {
    auto *maze = static_cast<Maze *>(reinterpret_cast<const CREATESTRUCTA *>(lParam)->lpCreateParams);
    paintedMaze = maze;
    playerMaze = maze;
    monsterParams.maze = maze;
    outcomeWindow = window;
    monsterParams.window = window;
    roundEnding = false;
    return 1;
  }
  case WM_PAINT: {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    PaintMaze(dc, window);
    EndPaint(window, &paint);
    return 1;
  }
  case WM_KEYDOWN:
    OnKeyDown(window, wParam);
    return 1;
  case WM_DESTROY:
    // The ticker is only told here: this may run inside the outcome it is still sending, and it
    // can end only once that send returns. The game thread waits for it when its loop is over.
    roundEnding = true;
    monsterStarted = 0;
    SignalMonsterTicker();
    PostQuitMessage(0);
    return 0;
  case WM_GETMINMAXINFO: {
    // The window keeps its size on a desktop smaller than the maze.
    auto *limits = reinterpret_cast<MINMAXINFO *>(lParam);
    limits->ptMaxTrackSize.x = std::max<LONG>(limits->ptMaxTrackSize.x, MazeWindowWidth(gameParams.cols));
    limits->ptMaxTrackSize.y = std::max<LONG>(limits->ptMaxTrackSize.y, MazeWindowHeight(gameParams.rows));
    return 0;
  }
  case WM_MAZE_FINISHED:
    AnnounceOutcome(window, FINISHED_BOX);
    return 1;
  case WM_MAZE_EATEN:
    AnnounceOutcome(window, EATEN_BOX);
    return 1;
  case WM_MAZE_EXIT_EATEN:
    AnnounceOutcome(window, EXIT_EATEN_BOX);
    return 1;
  default:
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND CreateMazeWindow(HWND owner, std::int32_t height, std::int32_t width, Maze *maze) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const HICON icon = LoadIconA(nullptr, IDI_ASTERISK);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_VREDRAW | CS_HREDRAW;
  windowClass.lpfnWndProc = MazeWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hIconSm = icon;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = MAZE_CLASS;
  if (RegisterClassExA(&windowClass) == 0)
    return nullptr; // a maze window of an earlier round is still open

  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  // Integer division truncates toward zero, so a window larger than the desktop sits at half the
  // excess, rounded toward zero.
  const std::int32_t x = desktop.left + (desktop.right - width - desktop.left) / 2;
  const std::int32_t y = desktop.top + (desktop.bottom - height - desktop.top) / 2;
  return CreateWindowExA(0, MAZE_CLASS, "MAZE", WS_CAPTION | WS_SYSMENU, x, y, width, height, owner, nullptr,
                         instance, maze);
}

DWORD WINAPI GameThread(LPVOID parameter) {
  auto *params = static_cast<GameParams *>(parameter);
  Maze maze;
  try {
    BuildMaze(maze, params->rows, params->cols);
  } catch (const std::bad_alloc &) {
    return 0; // construction released what it had made; no window, and the dialog goes on
  }

  const std::int32_t rows = params->rows;
  const std::int32_t cols = params->cols;
  const HWND window = CreateMazeWindow(params->owner, MazeWindowHeight(rows), MazeWindowWidth(cols), &maze);
  if (window != nullptr) {
    if (programClosing) {
      DestroyWindow(window); // the dialog closed while this round was being built
    } else {
      ShowWindow(window, SW_SHOW);
      UpdateWindow(window);
    }
    MSG message;
    while (GetMessageA(&message, window, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    DestroyWindow(window);
    EndMonsterTicker(); // it has ended before the maze it steps on is torn down
  }
  UnregisterClassA(MAZE_CLASS, GetModuleHandleA(nullptr));
  DestroyMaze(maze);
  return 0;
}
