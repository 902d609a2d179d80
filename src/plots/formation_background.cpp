#include "formation_background.h"

#include "panel_layout.h"
#include "pictures.h"

#include <algorithm>
#include <cmath>

namespace {

// A label of the picture, in its pixels at kFormationDesignSize, and the
// marks it follows across and down. Without a mark across, its centre
// stands at the same share of the width as in the picture, as the plot's
// abscissae do.
struct Piece {
    RECT area;
    int FormationMarks::*x;
    int FormationMarks::*y;
};

// The heading, as wide as the longest language's, and the equation: at
// the top left.
constexpr RECT kTopLeftPieces[] = {{0, 0, 532, 60}, {0, 60, 424, 320}};

// Each label with a margin of two pixels around its ink.
constexpr Piece kPieces[] = {
    {{723, 69, 745, 92}, &FormationMarks::verticalAxis, &FormationMarks::profileTip},  // u
    {{432, 192, 488, 218}, nullptr, &FormationMarks::profileAxis},  // -lambda/2
    {{560, 192, 617, 218}, nullptr, &FormationMarks::profileAxis},  // -lambda/4
    {{821, 192, 863, 218}, nullptr, &FormationMarks::profileAxis},  // lambda/4
    {{963, 194, 1004, 218}, nullptr, &FormationMarks::profileAxis},  // lambda/2
    {{990, 175, 1011, 194}, &FormationMarks::axisTip, &FormationMarks::profileAxis},  // x
    {{990, 466, 1011, 486}, &FormationMarks::axisTip, &FormationMarks::speedAxis},  // x
    {{990, 648, 1011, 668}, &FormationMarks::axisTip, &FormationMarks::diffusionAxis},  // x
    {{722, 317, 818, 344}, &FormationMarks::verticalAxis, &FormationMarks::speedTip},  // c + bu
    {{440, 396, 459, 416}, &FormationMarks::axisLeft, &FormationMarks::levelLine},  // c
    {{722, 543, 791, 566}, &FormationMarks::verticalAxis, &FormationMarks::diffusionTip},  // v u_xx
};

int Scale(int value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

// Where a piece that starts at `start` and ends at `end` in the picture
// starts on the screen: as far from its mark, scaled, as in the picture.
int PlaceStart(int start, int end, int FormationMarks::*mark, const FormationMarks& marks,
               const FormationMarks& design, int screenLength, int designLength,
               double scale) {
    if (mark == nullptr) {
        const long long centre = (static_cast<long long>(start) + end) * screenLength;
        return static_cast<int>(centre / (2 * designLength)) - Scale(end - start, scale / 2);
    }
    return marks.*mark + Scale(start - design.*mark, scale);
}

// Copies `area` of the picture, scaled, to (x, y), kept on the screen where
// a mark near an edge would push it off.
void CopyPiece(HDC dc, SIZE size, HDC picture, const RECT& area, double scale, int x, int y) {
    const int left = Scale(area.left, scale);
    const int top = Scale(area.top, scale);
    const int width = Scale(area.right, scale) - left;
    const int height = Scale(area.bottom, scale) - top;
    BitBlt(dc, std::min<int>(x, size.cx - width), std::min<int>(y, size.cy - height), width,
           height, picture, left, top, SRCCOPY);
}

}  // namespace

void DrawFormationBackground(HDC dc, SIZE size, const FormationMarks& marks, HMODULE pictures,
                             int id) {
    HBITMAP picture = GetScaledPicture(pictures, id, size);
    if (picture == nullptr) {
        return;
    }
    BITMAP info = {};
    GetObjectW(picture, sizeof info, &info);
    const double scale = static_cast<double>(info.bmWidth) / kFormationDesignSize.cx;
    HDC memory = CreateCompatibleDC(dc);
    if (memory == nullptr) {
        return;
    }
    HGDIOBJ original = SelectObject(memory, picture);
    // The stock DC brush fills in the picture's colour without a new object.
    const COLORREF previous = SetDCBrushColor(dc, GetPixel(memory, 0, 0));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(dc, previous);
    for (const RECT& area : kTopLeftPieces) {
        CopyPiece(dc, size, memory, area, scale, Scale(area.left, scale), Scale(area.top, scale));
    }
    const FormationMarks design = ComputeFormationMarks(kFormationDesignSize, kDefaultDpi);
    for (const Piece& piece : kPieces) {
        const RECT& area = piece.area;
        const int x = PlaceStart(area.left, area.right, piece.x, marks, design, size.cx,
                                 kFormationDesignSize.cx, scale);
        const int y = PlaceStart(area.top, area.bottom, piece.y, marks, design, size.cy,
                                 kFormationDesignSize.cy, scale);
        CopyPiece(dc, size, memory, area, scale, x, y);
    }
    SelectObject(memory, original);
    DeleteDC(memory);
}
