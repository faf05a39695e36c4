// The program's main window: the modal clock dialog with its play and close commands.
#pragma once

#include "platform/platform.h"

#include <vector>

// The clock ticker: its thread, and the signal that stops it.
extern HANDLE clockTickerHandle;
extern HANDLE clockTickerStop;

// Every game thread started and not yet seen to end, the one started last at the back. Closing
// the dialog ends them all: a play command given while a maze window is open starts a thread of
// its own, so the open round is not always the last one started.
extern std::vector<HANDLE> gameThreadHandles;

// The dialog procedure of the clock dialog.
INT_PTR CALLBACK ClockDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// parameter: the address of the dialog's window handle. Every 1000 ms, until clockTickerStop is
// set, has the dialog paint its face at once.
DWORD WINAPI ClockTickerThread(LPVOID parameter);
