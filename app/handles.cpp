#include "app/handles.h"

void WaitForThreadServingSentMessages(HANDLE thread) {
  for (;;) {
    // Peeking delivers the messages sent to this thread so far; nothing posted is taken.
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    // Wakes for a sent message even if it arrived before the wait began.
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &thread, INFINITE, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
    if (woken != WAIT_OBJECT_0 + 1)
      return; // the thread has ended (or the handle is unusable: nothing to wait for)
  }
}

void StopThread(HANDLE &thread, HANDLE &stop) {
  if (stop != nullptr)
    SetEvent(stop);
  if (thread != nullptr) {
    WaitForThreadServingSentMessages(thread);
    CloseHandle(thread);
    thread = nullptr;
  }
  if (stop != nullptr) {
    CloseHandle(stop);
    stop = nullptr;
  }
}
