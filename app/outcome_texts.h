// The three outcome boxes. Their texts are Windows-1251, as MessageBoxA takes them.
#pragma once

#include "platform/platform.h"

struct OutcomeBox {
  const char *text;
  const char *caption;
  UINT style;
};

// "Вы добрались до финиша!" under "GREAT!".
constexpr OutcomeBox FINISHED_BOX{
    "\xC2\xFB \xE4\xEE\xE1\xF0\xE0\xEB\xE8\xF1\xFC \xE4\xEE \xF4\xE8\xED\xE8\xF8\xE0!", "GREAT!",
    MB_TOPMOST | MB_ICONINFORMATION | MB_OK};

// "Вас сожрали!" under "Печаль...".
constexpr OutcomeBox EATEN_BOX{"\xC2\xE0\xF1 \xF1\xEE\xE6\xF0\xE0\xEB\xE8!", "\xCF\xE5\xF7\xE0\xEB\xFC...",
                               MB_TOPMOST | MB_ICONHAND | MB_OK};

// "Монстр сожрал выход!" under "Печаль...".
constexpr OutcomeBox EXIT_EATEN_BOX{"\xCC\xEE\xED\xF1\xF2\xF0 \xF1\xEE\xE6\xF0\xE0\xEB \xE2\xFB\xF5\xEE\xE4!",
                                    "\xCF\xE5\xF7\xE0\xEB\xFC...", MB_TOPMOST | MB_ICONHAND | MB_OK};
