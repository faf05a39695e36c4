// The clock's text: the local time as HH:MM:SS on a 24-hour clock.
#pragma once

#include "platform/platform.h"

#include <memory>

// Where FormatClockText reads the time: GetLocalTime, unless a test has put in a clock of its own.
using ClockTimeSource = void(WINAPI *)(LPSYSTEMTIME);
extern ClockTimeSource clockTimeSource;

// The current time as eight characters and a terminating zero, in a new block of exactly nine
// bytes made with new[]. The caller owns it and frees it with delete[], for example by holding it
// in a ClockText. A failed allocation throws std::bad_alloc.
char *FormatClockText();

// Owns a text that FormatClockText made.
using ClockText = std::unique_ptr<char[]>;
