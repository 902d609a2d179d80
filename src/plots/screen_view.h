// What a painter draws besides the model's fields: which frame, how
// magnified, with which pictures, pens and caption, and how many of the
// propagation stages.
#pragma once

#include <windows.h>

#include "panel_layout.h"
#include "propagation_stages.h"

// The view a painter is given.
struct ScreenView {
    HMODULE pictures = nullptr;  // the module that holds the build's pictures
    int frame = 0;               // formation: the column shown, 0 to 1996
    int scale = 1;               // formation: magnification of the viscous term
    int dpi = kDefaultDpi;       // the screen's: scales the plots' fixed sizes
    bool scaleFrame = true;      // formation: outline the magnification's button
    int stages = kPropagationStages;  // propagation: how many stages are drawn so far
    // Projector mode (SetProjectorWidths): pen widths of the curves and of
    // the other lines; 0 draws with the widths the plots have always used.
    int curveWidth = 0;
    int lineWidth = 0;
    // The run's caption, in `language` (run_caption_painting.h): formation's
    // b, V, time and progress over the plot, propagation's b, V and stages
    // below it.
    bool runCaption = false;
    const wchar_t* language = L"en";
};
