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

void HaltRun(HWND window) {
    KillTimer(window, ANIMATION_TIMER_ID);
    g_running = false;
}

void StopRun(HWND window) {
    ShowStartPauseCaption(window, kStartCaption);
    HaltRun(window);
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
    SetTimer(window, ANIMATION_TIMER_ID, kAnimationPeriodMs, nullptr);
    g_running = true;
}

void ToggleRun(HWND window) {
    if (g_running) {
        StopRun(window);
    } else {
        StartRun(window);
    }
}

LRESULT OnRunTick(HWND window, WPARAM timer) {
    // KillTimer leaves a tick already queued where it is: that one must not
    // move a frame that is no longer shown, nor repaint another screen. A
    // blank screen holds the run where it is.
    if (timer != ANIMATION_TIMER_ID || !g_running || g_screen != ScreenFormation || g_blank) {
        return 0;
    }
    // Every tick advances the wave by the same distance whatever V is: the
    // frame is the column of the next tick on the run's clock.
    const int lastTick = ComputeLastRunTick(g_solvedViscosity);
    const int tick = std::min(ReadRunTick() + 1, lastTick);
    g_frame = ComputeRunColumn(tick, g_solvedViscosity);
    InvalidateRect(window, nullptr, kTickErases ? TRUE : FALSE);
    // The run is over, not paused: the button offers to start it again.
    if (tick >= lastTick) {
        StopRun(window);
    }
    return 0;
}
