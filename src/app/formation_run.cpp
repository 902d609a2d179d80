#include "formation_run.h"

#include "app.h"
#include "button_panels.h"
#include "language.h"

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

static void StartRun(HWND window) {
    // A run that is over plays again from its beginning.
    if (g_frame >= kLastFrame) {
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
    // The term fields end at column 1999: the last frame is 1996.
    if (g_frame < kLastFrame) {
        g_frame += kFrameAdvance;
    }
    // Every frame paints the whole plot: no erase needed.
    InvalidateRect(window, nullptr, FALSE);
    // The run is over, not paused: the button offers to start it again.
    if (g_frame >= kLastFrame) {
        StopRun(window);
    }
    return 0;
}
