// The messages that tell the user the program cannot go on.
#pragma once

#include <windows.h>

// Tells the user, with one message box in the build's language, that
// memory ran out; later calls show nothing. Returns kExitFailed.
int ReportOutOfMemory(HWND owner);

// Tells the user, with a message box in the build's language, that the
// program cannot open its window. Returns kExitFailed.
int ReportStartFailure();
