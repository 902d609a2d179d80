// The run of the formation animation: its timer, the caption of its
// Start/Pause button and the frame it shows. The screen commands call it;
// it calls nothing of theirs.
#pragma once

#include <windows.h>

// Start/Pause: starts a stopped run ("Pause", the timer on; a run that is
// over plays again from frame 0) or stops a running one.
void ToggleRun(HWND window);

// The run stops: the timer off, g_running false, and "Start" on its
// button when the screen has one.
void StopRun(HWND window);

// The animation's timer: shows the next frame while a run goes on on the
// formation screen; a tick queued before the timer was killed changes
// nothing; under a blank screen the run holds. The tick that shows the
// last frame stops the run.
LRESULT OnRunTick(HWND window);
