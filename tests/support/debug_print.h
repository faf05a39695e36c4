// GoogleTest also reports each failure through OutputDebugStringA. Under Wine on an emulated
// 32-bit machine the debug-print exception behind it brings the test process down, so Windows
// test executables take it as handled; natively this does nothing.
#pragma once

void IgnoreDebugPrintExceptions();
