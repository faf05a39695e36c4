// Waiting for another thread from a thread that owns windows.
#pragma once

#include "platform/platform.h"

// Waits until the thread has ended, handling the messages other threads send to this one
// meanwhile: the thread may itself be waiting in a SendMessage or an UpdateWindow aimed at a
// window of ours, and would otherwise never end.
void WaitForThreadServingSentMessages(HANDLE thread);

// Signals a stop event, waits for its thread as above, and closes and clears both handles.
void StopThread(HANDLE &thread, HANDLE &stop);
