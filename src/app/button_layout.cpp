#include "button_panels.h"
#include "language.h"

constexpr int kSmallWidth = 250;
constexpr int kLargeWidth = 400;
constexpr int kButtonHeight = 50;
// The lone Menu button of the propagation screen stands right of where the
// formation panel's first column would be, whatever the window size.
constexpr int kPropagationMenuX = 270;

static RECT PlaceButton(int x, int y, int width) {
    return RECT{x, y, x + width, y + kButtonHeight};
}

void ComputeTitlePanel(const RECT& client, RECT buttons[kTitleButtonCount]) {
    const LONG r = client.right;
    const LONG b = client.bottom;
    // The 250 is the small buttons' width: the column sits left of centre.
    const int columnX = (r - r / kTitleColumnDivisor - kSmallWidth) / 2;
    buttons[0] = PlaceButton(columnX, (b - 150) / 2 + b / 10, kLargeWidth);
    buttons[1] = PlaceButton(columnX, (b - 50) / 2 + b / 10, kLargeWidth);
    buttons[2] = PlaceButton(columnX, (b + 50) / 2 + b / 10, kLargeWidth);
    buttons[3] = PlaceButton(r - 260, b - 50, kSmallWidth);
    buttons[4] = PlaceButton(client.left + 10, b - 50, kSmallWidth);
}

void ComputeFormationPanel(const RECT& client, RECT buttons[kFormationButtonCount]) {
    const LONG l = client.left;
    const LONG b = client.bottom;
    buttons[0] = PlaceButton(l + 10, b - 200, kSmallWidth);
    buttons[1] = PlaceButton(l + 10, b - 125, kSmallWidth);
    buttons[2] = PlaceButton(l + 10, b - 50, kSmallWidth);
    buttons[3] = PlaceButton(l + 270, b - 200, kSmallWidth);
    buttons[4] = PlaceButton(l + 270, b - 125, kSmallWidth);
    buttons[5] = PlaceButton(l + 270, b - 50, kSmallWidth);
}

RECT ComputeLoneMenuButton(const RECT& client, MenuButtonPosition position) {
    const int x = position == MenuButtonLeft ? client.left + 10 : kPropagationMenuX;
    return PlaceButton(x, client.bottom - 50, kSmallWidth);
}
