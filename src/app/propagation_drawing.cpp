#include "propagation_drawing.h"

#include "app.h"
#include "plots.h"
#include "screens.h"
#include "window_dpi.h"

void StartPropagationDrawing(HWND window) {
    g_stages = 0;
    g_setTimer(window, kStageTimerId, kStagePeriodMs);
}

void StopPropagationDrawing(HWND window) {
    g_killTimer(window, kStageTimerId);
}

LRESULT OnStageTick(HWND window) {
    if (g_screen != ScreenPropagation || g_blank || g_stages >= kPropagationStages) {
        return 0;
    }
    const SIZE size = ReadClientSize(window);
    const RECT area = ComputeStageArea(size, g_stages, ReadScreenView(size).curveWidth);
    ++g_stages;
    InvalidateRect(window, &area, FALSE);
    if (g_stages == kPropagationStages) {
        StopPropagationDrawing(window);
    }
    return 0;
}
