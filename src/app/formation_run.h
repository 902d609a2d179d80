// The run of the formation animation: its timer, the caption of its
// Start/Pause button and the frame it shows. The screen commands call it;
// it calls nothing of theirs.
#pragma once

#include <windows.h>

// Start/Pause: starts a stopped run ("Pause", the timer on; a run that is
// over plays again from frame 0) or stops a running one.
void ToggleRun(HWND window);

// Reset: the run computed again from the sliders' values, both term
// fields with it, stopped at frame 0.
void ResetFormation(HWND window);

// In the projector mode the plot never shows other values than the
// labels: over Wave formation, a run computed for values other than the
// sliders' is computed again at once, as Reset would.
void ApplySlidersInProjectorMode(HWND window);

// The run stops: the timer off, g_running false, and "Start" on its
// button when the screen has one.
void StopRun(HWND window);

// The animation's timer: shows the frame of the next tick of the run's
// clock (run_clock.h) while a run goes on on the formation screen; a tick
// queued before the timer was killed changes nothing; under a blank screen
// the run holds. The run's last tick stops the run.
LRESULT OnRunTick(HWND window);
