#include "run_caption_painting.h"

#include "plot_pens.h"
#include "run_caption.h"
#include "run_clock.h"
#include "wave_model.h"

#include <algorithm>
#include <string>

namespace {

// A 19th of the height: digits of Arial, 0.72 of it, stand 3.7 % of the
// height tall, legible from the back of a hall.
int ComputeTextHeight(SIZE size) {
    return size.cy / 19;
}

int ComputeMargin(SIZE size) {
    return size.cy / 128;
}

// A line of text and a little room below it.
int ComputeLineHeight(SIZE size) {
    return ComputeTextHeight(size) * 6 / 5;
}

HFONT CreateCaptionFont(int height) {
    return CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, L"Arial");
}

// One line from the top of `area`, at the left or centred. On a narrow
// screen (4:3, a 5:4 projector) the text may not fit at its height: it is
// made just small enough. Widths do not shrink in proportion to the
// height (hinting, whole pixels), so each try measures again.
void DrawCaptionText(HDC dc, const RECT& area, int height, const std::wstring& text,
                     bool centred) {
    HFONT font = CreateCaptionFont(height);
    if (font == nullptr) return;
    const HGDIOBJ ownFont = SelectObject(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int room = area.right - area.left;
    while (extent.cx > room && height > 1) {
        height = std::min(height - 1, static_cast<int>(height * room / extent.cx));
        SelectObject(dc, ownFont);
        DeleteObject(font);
        font = CreateCaptionFont(std::max(height, 1));
        if (font == nullptr) return;
        SelectObject(dc, font);
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    }
    const int left = centred ? area.left + std::max(0, room - static_cast<int>(extent.cx)) / 2
                             : area.left;
    const int ownMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF ownColour = SetTextColor(dc, kRunCaptionColour);
    TextOutW(dc, left, area.top, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, ownColour);
    SetBkMode(dc, ownMode);
    SelectObject(dc, ownFont);
    DeleteObject(font);
}

// The run as an outlined bar, filled as far as `progress` (0 to 1).
void DrawProgress(HDC dc, const RECT& bar, double progress, int lineWidth) {
    const HGDIOBJ ownPen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ ownBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    SwitchPen(dc, ownPen, CreatePlotPen(PS_SOLID, 1, lineWidth, kRunCaptionColour));
    Rectangle(dc, bar.left, bar.top, bar.right, bar.bottom);
    RestorePen(dc, ownPen);
    SelectObject(dc, ownBrush);
    const int span = bar.right - bar.left;
    const RECT done{bar.left, bar.top, bar.left + static_cast<int>(span * progress), bar.bottom};
    HBRUSH fill = CreateSolidBrush(kRunCaptionColour);
    if (fill != nullptr) {
        FillRect(dc, &done, fill);
        DeleteObject(fill);
    }
}

}  // namespace

RECT ComputeRunCaptionArea(SIZE size) {
    const int w = size.cx;
    const int margin = ComputeMargin(size);
    // Text and the bar below it, ending clear of the first axis' tip at h / 10;
    // from 0.54 of the width on, right of the longer (Russian) title of
    // the background, to a margin before the right edge.
    const int bottom = margin + ComputeLineHeight(size) + size.cy / 80;
    return RECT{w * 27 / 50, margin, w - w / 64, bottom};
}

RECT ComputeMagnificationArea(SIZE size) {
    const int w = size.cx;
    const int bottom = (6 * size.cy) / 7 - ComputeMargin(size);
    // From the axis' left end a sixth of the width, well short of the
    // vertical axis and of the front.
    const int left = w / 2 - w / 14;
    return RECT{left, bottom - ComputeLineHeight(size), left + w / 6, bottom};
}

RECT ComputePropagationCaptionArea(SIZE size) {
    // The lowest baseline is at 5/7 of the height and its stages reach a
    // 16th of the height below it; the caption sits on the bottom margin.
    const int margin = ComputeMargin(size);
    const int bottom = size.cy - margin;
    return RECT{size.cx / 20, bottom - ComputeLineHeight(size), size.cx - size.cx / 20, bottom};
}

void DrawRunCaption(HDC dc, SIZE size, const ScreenView& view) {
    const RECT area = ComputeRunCaptionArea(size);
    DrawCaptionText(
        dc, area, ComputeTextHeight(size),
        FormatRunCaption(view.language, g_solvedNonlinearity, g_solvedViscosity, view.frame),
        false);
    const int barHeight = size.cy / 80;
    const RECT bar{area.left, area.bottom - barHeight, area.right, area.bottom};
    DrawProgress(dc, bar, ComputeRunProgress(view.frame, g_solvedViscosity),
                 std::max(view.lineWidth, 1));
    const std::wstring magnification = FormatMagnification(view.scale);
    if (!view.scaleFrame && !magnification.empty()) {
        DrawCaptionText(dc, ComputeMagnificationArea(size), ComputeTextHeight(size), magnification,
                        false);
    }
}

void DrawPropagationCaption(HDC dc, SIZE size, const ScreenView& view) {
    DrawCaptionText(dc, ComputePropagationCaptionArea(size), ComputeTextHeight(size),
                    FormatPropagationCaption(view.language), true);
}
