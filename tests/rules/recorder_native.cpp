#include "tests/rules/recorder.h"

HWND RecordingWindow(int n) { return standin::FakeWindow(n); }

std::vector<Outcome> RecordedOutcomes() {
  std::vector<Outcome> outcomes;
  for (const standin::SentMessage &sent : standin::SentMessages())
    outcomes.push_back({sent.window, sent.message, sent.wParam, sent.lParam});
  return outcomes;
}

void ClearRecordedOutcomes() { standin::ClearSentMessages(); }

// The stand-in's send returns at once: nobody waits to be delivered.
void DeliverSentMessages() {}
