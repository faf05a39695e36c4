#include "tests/support/debug_print.h"

#ifdef _WIN32
#include <windows.h>

namespace {

LONG CALLBACK IgnoreDebugPrint(EXCEPTION_POINTERS *exception) {
  return exception->ExceptionRecord->ExceptionCode == DBG_PRINTEXCEPTION_C ? EXCEPTION_CONTINUE_EXECUTION
                                                                           : EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

void IgnoreDebugPrintExceptions() { AddVectoredExceptionHandler(1, IgnoreDebugPrint); }
#else
void IgnoreDebugPrintExceptions() {}
#endif
