#include "app.h"
#include "commands.h"
#include "language.h"

void StartAnimationTimer(HWND window) {
    SetTimer(window, ANIMATION_TIMER_ID, kAnimationPeriodMs, nullptr);
}

void StopAnimationTimer(HWND window) {
    KillTimer(window, ANIMATION_TIMER_ID);
}

LRESULT OnAnimationTick(HWND window) {
    if (g_frame >= kLastFrame - kFrameAdvance) {
        StopAnimationTimer(window);
    }
    // The term fields end at column 1999: the last frame is 1996, also when
    // the timer is started again at the end of a run.
    if (g_frame < kLastFrame) {
        g_frame += kFrameAdvance;
    }
    InvalidateRect(window, nullptr, kTickErases ? TRUE : FALSE);
    // The run is over, not paused: the button offers to start it again.
    if (g_frame == kLastFrame && g_running && g_screen == ScreenFormation) {
        StopAnimation(window);
    }
    return 0;
}
