// What the inspector tells about a process: its kernel handles, GDI and USER objects, threads and
// memory, the figures a long run watches for leaks.
#pragma once

#include "tests/e2e/probe/json.h"

#include "platform/platform.h"

void DescribeProcess(JsonLine &line, DWORD processId);

// Starts and joins count threads that do nothing, in this process, and tells its memory before
// and after: what a thread's life costs here, beside any program's own use.
void MeasureThreadCost(JsonLine &line, int count);
