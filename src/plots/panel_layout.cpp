#include "panel_layout.h"

#include <algorithm>

namespace {

constexpr int kSmallWidth = 250;
constexpr int kLargeWidth = 400;
constexpr int kButtonHeight = 50;
constexpr int kMargin = 10;
// The formation panel's second column, and the lone Menu button of the
// propagation screen, which stands there whatever the window size.
constexpr int kSecondColumnX = 270;
// Bottom edges of the formation panel's rows, up from the bottom.
constexpr int kRowOffsets[3] = {200, 125, 50};
// The sliders' tops, up from the bottom; the labels stand beside them.
constexpr int kViscosityTop = 400;
constexpr int kNonlinearityTop = 325;
constexpr int kLabelX = 280;
constexpr int kLabelWidth = 100;
// Eight characters of the 15-pixel-wide font ("V=0.0015") and some room.
constexpr int kViscosityLabelWidth = 130;
// How far the magnification's frame stands clear of its button.
constexpr int kFrameClearance = 5;

RECT PlaceControl(int x, int y, int width, int height) {
    return RECT{x, y, x + width, y + height};
}

}  // namespace

int ScaleToDpi(int pixels, int dpi) {
    return MulDiv(pixels, dpi, kDefaultDpi);
}

void ComputeTitlePanel(SIZE client, int dpi, int columnDivisor, RECT buttons[kTitleButtonCount]) {
    const int r = client.cx;
    const int b = client.cy;
    const int small = ScaleToDpi(kSmallWidth, dpi);
    const int large = ScaleToDpi(kLargeWidth, dpi);
    const int height = ScaleToDpi(kButtonHeight, dpi);
    const int margin = ScaleToDpi(kMargin, dpi);
    // Centred on the small buttons' width: the column sits left of centre.
    const int columnX = (r - r / columnDivisor - small) / 2;
    // Three buttons stacked around the middle, a tenth of the height lower.
    for (int k = 0; k < 3; ++k) {
        buttons[k] = PlaceControl(columnX, (b - 3 * height) / 2 + k * height + b / 10, large, height);
    }
    buttons[3] = PlaceControl(r - margin - small, b - height, small, height);
    buttons[4] = PlaceControl(margin, b - height, small, height);
}

void ComputeFormationPanel(SIZE client, int dpi, RECT buttons[kFormationButtonCount]) {
    const int columns[2] = {ScaleToDpi(kMargin, dpi), ScaleToDpi(kSecondColumnX, dpi)};
    const int width = ScaleToDpi(kSmallWidth, dpi);
    const int height = ScaleToDpi(kButtonHeight, dpi);
    for (int k = 0; k < kFormationButtonCount; ++k) {
        const int top = client.cy - ScaleToDpi(kRowOffsets[k % 3], dpi);
        buttons[k] = PlaceControl(columns[k / 3], top, width, height);
    }
}

RECT ComputeLoneMenuButton(SIZE client, int dpi, MenuButtonPosition position) {
    const int x = position == MenuButtonLeft ? kMargin : kSecondColumnX;
    const int height = ScaleToDpi(kButtonHeight, dpi);
    return PlaceControl(ScaleToDpi(x, dpi), client.cy - height, ScaleToDpi(kSmallWidth, dpi),
                        height);
}

SliderPanel ComputeSliderPanel(SIZE client, int dpi) {
    const int x = ScaleToDpi(kMargin, dpi);
    const int labelX = ScaleToDpi(kLabelX, dpi);
    const int width = ScaleToDpi(kSmallWidth, dpi);
    const int height = ScaleToDpi(kButtonHeight, dpi);
    const int viscosityTop = client.cy - ScaleToDpi(kViscosityTop, dpi);
    const int nonlinearityTop = client.cy - ScaleToDpi(kNonlinearityTop, dpi);
    return SliderPanel{PlaceControl(x, viscosityTop, width, height),
                       PlaceControl(labelX, viscosityTop, ScaleToDpi(kViscosityLabelWidth, dpi),
                                    height),
                       PlaceControl(x, nonlinearityTop, width, height),
                       PlaceControl(labelX, nonlinearityTop, ScaleToDpi(kLabelWidth, dpi), height)};
}

bool ComputeScaleFrame(SIZE client, int dpi, int scale, RECT& frame) {
    int button;
    switch (scale) {
    case 1: button = 3; break;
    case 5: button = 4; break;
    case 10: button = 5; break;
    default: return false;
    }
    RECT buttons[kFormationButtonCount];
    ComputeFormationPanel(client, dpi, buttons);
    const int clearance = ScaleToDpi(kFrameClearance, dpi);
    const RECT& around = buttons[button];
    // x10's frame has its bottom edge on the border of the area.
    frame = RECT{around.left - clearance, around.top - clearance, around.right + clearance,
                 std::min<LONG>(around.bottom + clearance, client.cy)};
    return true;
}
