// The button commands and the animation timer of the formation screen.
#pragma once

#include <windows.h>

// Span over which the diffusion term lays out the profile's samples.
constexpr double kDiffusionSpan = 6.283185307;
// Wave propagation always shows the same medium, whatever the sliders say.
constexpr double kPropagationNonlinearity = 0.12;
constexpr double kPropagationViscosity = 0.003;

LRESULT OnCommand(HWND window, WPARAM wParam);
LRESULT OnAnimationTick(HWND window);

void StartAnimationTimer(HWND window);
void StopAnimationTimer(HWND window);
// Replaces both term fields with new ones built from the current solution.
void RebuildTermFields();
