#include "run_caption_painting.h"

#include "plot_pens.h"
#include "run_caption.h"
#include "wave_model.h"

#include <algorithm>
#include <string>

namespace {

// The dark blue of the background picture's own text.
constexpr COLORREF kCaptionColour = RGB(26, 42, 74);

// At least a 25th of the height, legible from the back of a hall.
int ComputeTextHeight(SIZE size) {
    return size.cy / 25;
}

int ComputeMargin(SIZE size) {
    return size.cy / 128;
}

HFONT CreateCaptionFont(int height) {
    return CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, L"Arial");
}

// Frame 0 to the last frame as an outlined bar, filled as far as `frame`.
void DrawProgress(HDC dc, const RECT& bar, int frame, int lineWidth) {
    const HGDIOBJ ownPen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ ownBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    SwitchPen(dc, ownPen, CreatePlotPen(PS_SOLID, 1, lineWidth, kCaptionColour));
    Rectangle(dc, bar.left, bar.top, bar.right, bar.bottom);
    RestorePen(dc, ownPen);
    SelectObject(dc, ownBrush);
    const int span = bar.right - bar.left;
    const RECT done{bar.left, bar.top, bar.left + static_cast<int>(
                                                    static_cast<long long>(span) * frame / kLastFrame),
                    bar.bottom};
    HBRUSH fill = CreateSolidBrush(kCaptionColour);
    if (fill != nullptr) {
        FillRect(dc, &done, fill);
        DeleteObject(fill);
    }
}

}  // namespace

RECT ComputeRunCaptionArea(SIZE size) {
    const int w = size.cx;
    const int margin = ComputeMargin(size);
    // Text, a gap and the bar, ending clear of the first axis' tip at h / 10;
    // from 0.54 of the width on, right of the longer (Russian) title of
    // the background.
    const int bottom = margin + ComputeTextHeight(size) * 6 / 5 + margin + size.cy / 80;
    return RECT{w * 27 / 50, margin, w - 40, bottom};
}

void DrawRunCaption(HDC dc, SIZE size, const ScreenView& view) {
    const RECT area = ComputeRunCaptionArea(size);
    const std::wstring text =
        FormatRunCaption(view.language, g_solvedNonlinearity, g_solvedViscosity, view.frame);
    HFONT font = CreateCaptionFont(ComputeTextHeight(size));
    if (font != nullptr) {
        const HGDIOBJ ownFont = SelectObject(dc, font);
        // Narrower than 4:3 (a 5:4 projector) the text may not fit at its
        // height: it is made just small enough.
        SIZE extent = {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const int room = area.right - area.left;
        if (extent.cx > room) {
            SelectObject(dc, ownFont);
            DeleteObject(font);
            font = CreateCaptionFont(ComputeTextHeight(size) * room / extent.cx);
            SelectObject(dc, font != nullptr ? font : ownFont);
        }
        const int ownMode = SetBkMode(dc, TRANSPARENT);
        const COLORREF ownColour = SetTextColor(dc, kCaptionColour);
        TextOutW(dc, area.left, area.top, text.c_str(), static_cast<int>(text.size()));
        SetTextColor(dc, ownColour);
        SetBkMode(dc, ownMode);
        SelectObject(dc, ownFont);
        if (font != nullptr) DeleteObject(font);
    }
    const int barHeight = size.cy / 80;
    const RECT bar{area.left, area.bottom - barHeight, area.right, area.bottom};
    DrawProgress(dc, bar, std::clamp(view.frame, 0, kLastFrame), std::max(view.lineWidth, 1));
}
