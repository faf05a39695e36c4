// The main of every GoogleTest executable of ours.
#include "tests/support/debug_print.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
  IgnoreDebugPrintExceptions();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
