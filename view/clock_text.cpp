#include "view/clock_text.h"

ClockTimeSource clockTimeSource = GetLocalTime;

char *FormatClockText() {
  char buffer[260] = {};
  SYSTEMTIME time = {};
  clockTimeSource(&time);
  wsprintfA(buffer, "%02i:%02i:%02i", time.wHour, time.wMinute, time.wSecond);

  char *text = new char[lstrlenA(buffer) + 1];
  lstrcpyA(text, buffer);
  return text;
}
