#include "formation_run.h"

#include "app.h"
#include "button_panels.h"
#include "language.h"

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

static void StartRun(HWND window) {
    // A run that is over plays again from its beginning.
    if (g_frame >= kLastFrame) {
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
    // The term fields end at column 1999: the last frame is 1996.
    if (g_frame < kLastFrame) {
        g_frame += kFrameAdvance;
    }
    InvalidateRect(window, nullptr, kTickErases ? TRUE : FALSE);
    // The run is over, not paused: the button offers to start it again.
    if (g_frame >= kLastFrame) {
        StopRun(window);
    }
    return 0;
}
