#include "tests/e2e/probe/windows.h"

#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t *text, int length) {
  if (length <= 0)
    return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

// The text the system holds for the window: no message is sent, so a busy or hung owner cannot
// stall the inspector.
std::string TextOf(HWND window) {
  wchar_t text[1024];
  return Utf8(text, InternalGetWindowText(window, text, 1024));
}

std::string ClassOf(HWND window) {
  wchar_t name[256];
  return Utf8(name, GetClassNameW(window, name, 256));
}

void Describe(JsonLine &line, HWND window) {
  DWORD processId = 0;
  const DWORD threadId = GetWindowThreadProcessId(window, &processId);
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);

  BeginObject(line);
  Field(line, "hwnd", static_cast<long long>(reinterpret_cast<uintptr_t>(window)));
  Field(line, "pid", static_cast<long long>(processId));
  Field(line, "tid", static_cast<long long>(threadId));
  Field(line, "class", ClassOf(window));
  Field(line, "text", TextOf(window));
  Field(line, "visible", IsWindowVisible(window) != FALSE);
  Field(line, "enabled", IsWindowEnabled(window) != FALSE);
  Field(line, "id", static_cast<long long>(GetWindowLongPtrW(window, GWLP_ID)));
  Field(line, "style", static_cast<long long>(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE))));
  Field(line, "exstyle", static_cast<long long>(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE))));
  Field(line, "owner", static_cast<long long>(reinterpret_cast<uintptr_t>(GetWindow(window, GW_OWNER))));
  RectField(line, "rect", outer.left, outer.top, outer.right, outer.bottom);
  RectField(line, "client", origin.x, origin.y, origin.x + client.right, origin.y + client.bottom);
  EndObject(line);
}

BOOL CALLBACK Collect(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND> *>(found)->push_back(window);
  return TRUE;
}

void DescribeAll(JsonLine &line, std::string_view key, const std::vector<HWND> &windows) {
  BeginArray(line, key);
  for (HWND window : windows)
    Describe(line, window);
  EndArray(line);
}

} // namespace

void ListTopLevelWindows(JsonLine &line) {
  std::vector<HWND> found;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
  BeginObject(line);
  Field(line, "foreground", static_cast<long long>(reinterpret_cast<uintptr_t>(GetForegroundWindow())));
  DescribeAll(line, "windows", found);
  EndObject(line);
}

void ListChildWindows(JsonLine &line, HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&found));
  BeginObject(line);
  DescribeAll(line, "children", found);
  EndObject(line);
}

void FindCloseBox(JsonLine &line, HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  // The caption runs just above the client area; walk its middle from the right edge inward, and
  // the first run of points the window calls HTCLOSE is the box.
  const int y = origin.y - GetSystemMetrics(SM_CYCAPTION) / 2;
  int right = -1;
  for (int x = outer.right - 1; x > outer.right - 80; --x) {
    DWORD_PTR hit = HTNOWHERE;
    if (!SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit))
      break;
    if (hit == HTCLOSE && right < 0) {
      right = x;
    } else if (hit != HTCLOSE && right >= 0) {
      BeginObject(line);
      Field(line, "x", static_cast<long long>((x + 1 + right) / 2));
      Field(line, "y", static_cast<long long>(y));
      EndObject(line);
      return;
    }
  }
  BeginObject(line);
  Field(line, "error", std::string_view("no close box found"));
  EndObject(line);
}

void DescribeDesktop(JsonLine &line) {
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  BeginObject(line);
  RectField(line, "rect", desktop.left, desktop.top, desktop.right, desktop.bottom);
  EndObject(line);
}
