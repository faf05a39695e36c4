// What the inspector tells about a process: its kernel handles, GDI and USER objects, threads and
// memory, the figures a long run watches for leaks.
#pragma once

#include "tests/e2e/inspector/json.h"

#include "platform/platform.h"

void DescribeProcess(JsonLine &line, DWORD processId);
