// Where the controls of the screens stand, and the frame that marks the
// chosen magnification: one home for their geometry, so that the shell
// places the buttons, sliders and labels and the formation painter
// outlines a button from the same numbers. Every size is given at 96 DPI
// and scaled here, once, to the screen's DPI; at 96 DPI nothing changes.
#pragma once

#include <windows.h>

constexpr int kDefaultDpi = 96;

// A size of `pixels` at 96 DPI at `dpi`, rounded to the nearest pixel.
int ScaleToDpi(int pixels, int dpi);

constexpr int kTitleButtonCount = 5;
constexpr int kFormationButtonCount = 6;

// Where the lone Menu button of a picture or propagation screen stands.
enum MenuButtonPosition { MenuButtonLeft, MenuButtonPropagation };

// Button rectangles for a client area, in creation order: theory,
// propagation, formation, exit, authors. The column of the first three
// stands left of centre by a `columnDivisor`th of the width.
void ComputeTitlePanel(SIZE client, int dpi, int columnDivisor, RECT buttons[kTitleButtonCount]);
// Start/Pause, Reset, Menu, x1, x5, x10.
void ComputeFormationPanel(SIZE client, int dpi, RECT buttons[kFormationButtonCount]);
RECT ComputeLoneMenuButton(SIZE client, int dpi, MenuButtonPosition position);

// The formation screen's sliders, each with its label to its right.
struct SliderPanel {
    RECT viscositySlider;
    RECT viscosityLabel;
    RECT nonlinearitySlider;
    RECT nonlinearityLabel;
};
SliderPanel ComputeSliderPanel(SIZE client, int dpi);

// The frame around the button of magnification `scale` (1, 5 or 10), a
// little clear of it and cut at the bottom of the client area; false for
// any other scale. Its edges are the rectangle's, right and bottom
// included.
bool ComputeScaleFrame(SIZE client, int dpi, int scale, RECT& frame);
