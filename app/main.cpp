#include "app/clock_dialog.h"
#include "res/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The dialog's result is the exit code: 0 when it ends normally, -1 when it cannot be created.
  return static_cast<int>(
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CLOCK), GetDesktopWindow(), ClockDialogProc, 0));
}
