// The run of the formation animation: its timer, the caption of its
// Start/Pause button and the frame it shows. The screen commands call it;
// it calls nothing of theirs.
#pragma once

#include <windows.h>

// Start/Pause: starts a stopped run ("Pause", the timer on; a run that is
// over plays again from frame 0) or stops a running one.
void ToggleRun(HWND window);

// The run stops: "Start" on its button, the timer off, g_running false.
void StopRun(HWND window);

// The timer off and g_running false, the buttons left alone: for a
// command that leaves or rebuilds the formation screen.
void HaltRun(HWND window);

// WM_TIMER: the animation's timer shows the frame of the next tick of the
// run's clock (run_clock.h) while a run goes on on the formation screen;
// any other tick, or one queued before the timer was killed, changes
// nothing; under a blank screen the run holds. The run's last tick stops
// the run.
LRESULT OnRunTick(HWND window, WPARAM timer);
