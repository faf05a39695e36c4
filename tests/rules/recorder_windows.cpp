#include "tests/rules/recorder.h"

#include <map>
#include <mutex>

namespace {

constexpr const char *CLASS_NAME = "ClockmazeOutcomeRecorder";

std::mutex recordLock;
std::vector<Outcome> recorded;
std::map<int, HWND> windows;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message < WM_USER || message >= WM_APP)
    return DefWindowProcA(window, message, wParam, lParam);
  const std::lock_guard hold(recordLock);
  recorded.push_back({window, message, wParam, lParam});
  return 0;
}

void RegisterRecordingClass() {
  static const bool registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = CLASS_NAME;
    return RegisterClassExA(&windowClass) != 0;
  }();
  (void)registered;
}

} // namespace

HWND RecordingWindow(int n) {
  {
    const std::lock_guard hold(recordLock);
    if (const auto found = windows.find(n); found != windows.end())
      return found->second;
  }
  RegisterRecordingClass();
  // Created outside the lock: creation sends the window messages of its own.
  HWND window = CreateWindowExA(0, CLASS_NAME, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  const std::lock_guard hold(recordLock);
  windows.emplace(n, window);
  return window;
}

std::vector<Outcome> RecordedOutcomes() {
  const std::lock_guard hold(recordLock);
  return recorded;
}

void ClearRecordedOutcomes() {
  const std::lock_guard hold(recordLock);
  recorded.clear();
}

void DeliverSentMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageA(&message);
}
