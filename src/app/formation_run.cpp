#include "formation_run.h"

#include "app.h"
#include "button_panels.h"
#include "language.h"
#include "run_clock.h"

#include <algorithm>

static void ShowStartPauseCaption(HWND window, const wchar_t* caption) {
    ReplaceStartPauseButton(window, caption);
    SendControlFont(g_startPauseButton);
}

void StopRun(HWND window) {
    g_killTimer(window, kAnimationTimerId);
    g_running = false;
    if (g_startPauseButton != nullptr) {
        ShowStartPauseCaption(window, kStartCaption);
    }
}

// The tick of the run that g_frame shows, on the clock of the solved V.
static int ReadRunTick() {
    return ComputeRunTick(g_frame, g_solvedViscosity);
}

static void StartRun(HWND window) {
    // A run that is over plays again from its beginning.
    if (ReadRunTick() >= ComputeLastRunTick(g_solvedViscosity)) {
        g_frame = 0;
        InvalidateRect(window, nullptr, TRUE);
    }
    ShowStartPauseCaption(window, kPauseCaption);
    g_setTimer(window, kAnimationTimerId, kAnimationPeriodMs);
    g_running = true;
}

void ResetFormation(HWND window) {
    SolveBurgers(g_nonlinearity, g_viscosity);
    g_frame = 0;
    RebuildTermFields();
    StopRun(window);
    InvalidateRect(window, nullptr, TRUE);
}

void ApplySlidersInProjectorMode(HWND window) {
    if (g_projector && g_screen == ScreenFormation &&
        (g_solvedNonlinearity != g_nonlinearity || g_solvedViscosity != g_viscosity)) {
        ResetFormation(window);
    }
}

void ToggleRun(HWND window) {
    if (g_running) {
        StopRun(window);
    } else {
        StartRun(window);
    }
}

LRESULT OnRunTick(HWND window) {
    // KillTimer leaves a tick already queued where it is: that one must not
    // move a frame that is no longer shown, nor repaint another screen. A
    // blank screen holds the run where it is.
    if (!g_running || g_screen != ScreenFormation || g_blank) {
        return 0;
    }
    // Every tick advances the wave by the same distance whatever V is: the
    // frame is the column of the next tick on the run's clock.
    const int lastTick = ComputeLastRunTick(g_solvedViscosity);
    const int tick = std::min(ReadRunTick() + 1, lastTick);
    g_frame = ComputeRunColumn(tick, g_solvedViscosity);
    // Every frame paints the whole plot: no erase needed.
    InvalidateRect(window, nullptr, FALSE);
    // The run is over, not paused: the button offers to start it again.
    if (tick >= lastTick) {
        StopRun(window);
    }
    return 0;
}
