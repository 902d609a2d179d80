// The projector mode's line over the formation plot: the run's b and V,
// the time of the frame, and how far the run has gone.
#pragma once

#include <windows.h>

#include "screen_view.h"

// Where the caption stands on a formation plot of `size`: over the plots,
// right of the background's title and above the first plot's axis.
RECT ComputeRunCaptionArea(SIZE size);

// Draws the caption of the run that the model holds, at frame view.frame,
// in view.language; the context gets back its font, colours and pen.
void DrawRunCaption(HDC dc, SIZE size, const ScreenView& view);
