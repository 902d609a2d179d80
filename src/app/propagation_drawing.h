// The drawing of Wave propagation: a timer adds one stage every 100 ms,
// and each paint draws the stages so far, so the window answers keys and
// clicks all the while.
#pragma once

#include <windows.h>

// The drawing starts over from its first stage.
void StartPropagationDrawing(HWND window);

// The stage timer off; the stages drawn so far stay.
void StopPropagationDrawing(HWND window);

// The stage timer: adds the next stage and repaints only where it draws;
// after the last stage the timer stops. A tick queued before the timer was
// killed changes nothing; under a blank screen the drawing holds.
LRESULT OnStageTick(HWND window);
