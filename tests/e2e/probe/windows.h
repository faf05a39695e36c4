// What the inspector tells about windows: the top-level windows of every process, the controls
// of one window, and where a window's close box is.
#pragma once

#include "tests/e2e/probe/json.h"

#include "platform/platform.h"

void ListTopLevelWindows(JsonLine &line);
void ListChildWindows(JsonLine &line, HWND parent);
// The screen point at the middle of the window's close box, found by asking the window itself.
void FindCloseBox(JsonLine &line, HWND window);
void DescribeDesktop(JsonLine &line);
