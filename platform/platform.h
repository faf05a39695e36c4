// The few platform types and calls the maze model needs: bitmap and module handles, the tick count,
// loading and releasing bitmaps, and the synchronous send of an outcome message.
// On Windows they are the real API; elsewhere they come from a stand-in that tests can steer.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include "platform/standin.h"
#endif
