#include "plot_pens.h"

#include <algorithm>
#include <cmath>

void SetProjectorWidths(ScreenView& view, int height) {
    view.curveWidth = std::max(3, static_cast<int>(std::lround(height / 256.0)));
    view.lineWidth = std::max(2, static_cast<int>(std::lround(view.curveWidth / 2.0)));
}

HPEN CreatePlotPen(int style, int width, int projectorWidth, COLORREF colour) {
    // CreatePen draws a dashed pen wider than 1 solid.
    if (projectorWidth == 0 && (style == PS_SOLID || width <= 1)) {
        return CreatePen(style, width, colour);
    }
    // Round joins keep a thick polyline smooth; dashes keep flat ends, or
    // the round caps would close their gaps.
    const DWORD ends = style == PS_DASH ? PS_ENDCAP_FLAT : PS_ENDCAP_ROUND;
    LOGBRUSH brush = {BS_SOLID, colour, 0};
    return ExtCreatePen(PS_GEOMETRIC | style | ends | PS_JOIN_ROUND,
                        projectorWidth != 0 ? projectorWidth : width, &brush, 0, nullptr);
}

void SwitchPen(HDC dc, HGDIOBJ own, HPEN pen) {
    HGDIOBJ displaced = SelectObject(dc, pen != nullptr ? pen : own);
    if (displaced != nullptr && displaced != own) {
        DeleteObject(displaced);
    }
}

void RestorePen(HDC dc, HGDIOBJ own) {
    HGDIOBJ displaced = SelectObject(dc, own);
    if (displaced != nullptr && displaced != own) {
        DeleteObject(displaced);
    }
}
