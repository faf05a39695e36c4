// Which outcome message went to which window. Natively the stand-in records every send; on
// Windows the windows are real message-only windows that note what they receive. The same tests
// run against both.
#pragma once

#include "platform/platform.h"

#include <ostream>
#include <vector>

struct Outcome {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Outcome &) const = default;
};

inline std::ostream &operator<<(std::ostream &out, const Outcome &outcome) {
  return out << "message " << outcome.message << " to window " << outcome.window << " (" << outcome.wParam
             << ", " << outcome.lParam << ")";
}

// A window whose outcome messages are recorded; the same n gives the same window. On Windows it
// belongs to the thread that first asks for it, which must deliver what other threads send it.
HWND RecordingWindow(int n);

std::vector<Outcome> RecordedOutcomes();
void ClearRecordedOutcomes();

// Handles the messages that other threads have sent to this thread's windows and wait on.
void DeliverSentMessages();
