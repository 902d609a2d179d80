// The run's caption over a plot, in view.language: on Wave formation the
// projector mode's line of the run's b, V, time and progress, on Wave
// propagation the medium's b and V and its stages. Slides add the
// magnification, which no button shows there.
#pragma once

#include <windows.h>

#include "screen_view.h"

// The dark blue of the background picture's own text.
constexpr COLORREF kRunCaptionColour = RGB(26, 42, 74);

// Where the formation caption stands: over the plots, right of the
// background's title and above the first plot's axis, to a margin before
// the right edge.
RECT ComputeRunCaptionArea(SIZE size);

// Where a slide names the magnification: above the left end of the
// viscous term's axis, where its curve runs flat.
RECT ComputeMagnificationArea(SIZE size);

// Where the propagation caption stands: across the bottom, below the
// lowest baseline's stages.
RECT ComputePropagationCaptionArea(SIZE size);

// Draws the caption of the run that the model holds, at frame view.frame;
// without the frame that marks the magnification's button
// (view.scaleFrame false), it also names a magnification other than x1.
// The context gets back its font, colours and pen.
void DrawRunCaption(HDC dc, SIZE size, const ScreenView& view);

// Draws the propagation medium's b and V and its 45 stages, centred in
// their area; the context gets back its font and colours.
void DrawPropagationCaption(HDC dc, SIZE size, const ScreenView& view);
