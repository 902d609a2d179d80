#include "plots.h"

#include "formation_background.h"
#include "plot_pens.h"
#include "run_caption_painting.h"
#include "wave_model.h"

#include <cmath>

namespace {

// pi to ten decimals, not kPi: the first abscissa of every curve.
constexpr double kFirstAbscissa = -3.1415926535;
constexpr double kHorizontalFactor = 0.25;
constexpr double kWaveFactor = 0.125;
constexpr double kDiffusionDivisor = 45.0;
constexpr int kDiffusionPoints = 450;
constexpr int kMainCurvePoints = 480;
constexpr int kSpeedTailPoints = 30;
constexpr int kProfileTailPoints = 10;
constexpr int kCoordinateLimit = 1 << 27;

// The size painted on, and which column at which magnification.
struct Panel {
    int width;
    int height;
    int frame;
    int scale;
};

void DrawStroke(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

int PixelColumn(const Panel& p, double abscissa) {
    const int w = p.width;
    return TruncateCoordinate(w + (w * abscissa) * kHorizontalFactor + w / 24 - w / 200 + w / 5);
}

int ProfileY(const Panel& p, double v) {
    const int h = p.height;
    return TruncateCoordinate((h / 7 - (h * v) * kWaveFactor) + h / 10);
}

int MirroredProfileY(const Panel& p, double v) {
    const int h = p.height;
    return TruncateCoordinate(((h * v) * kWaveFactor + h / 7) + h / 10);
}

int SpeedY(const Panel& p, double v) {
    const int h = p.height;
    return TruncateCoordinate((h / 2 - (h * v) * kWaveFactor) + h / 20);
}

int MirroredSpeedY(const Panel& p, double v) {
    const int h = p.height;
    return TruncateCoordinate(((h * v) * kWaveFactor + h / 2) + h / 20);
}

int DiffusionY(const Panel& p, double v) {
    const int h = p.height;
    return TruncateCoordinate((6 * h) / 7 - ((h * v) * p.scale) / kDiffusionDivisor);
}

// One curve through g_plotPoints: `count` rows of column p.frame of
// `field`, each row `step` further along the abscissa.
void DrawCurve(HDC dc, const Panel& p, Grid field, int count, double step,
               int (*rowY)(const Panel&, double), int pinnedPoints) {
    if (field == nullptr) {
        return;
    }
    double abscissa = kFirstAbscissa;
    for (int row = 0; row < count; ++row) {
        g_plotPoints[row].x = PixelColumn(p, abscissa);
        g_plotPoints[row].y = rowY(p, field[row][p.frame]);
        abscissa += step;
    }
    // The diffusion curve starts on its axis whatever its first rows hold.
    for (int row = 0; row < pinnedPoints; ++row) {
        g_plotPoints[row].y = (6 * p.height) / 7;
    }
    Polyline(dc, g_plotPoints, count);
}

void DrawHorizontalAxis(HDC dc, const FormationMarks& marks, int y) {
    const int tip = marks.axisTip;
    DrawStroke(dc, marks.axisLeft, y, tip, y);
    DrawStroke(dc, tip, y, tip - 10, y - 10);
    DrawStroke(dc, tip, y, tip - 10, y + 10);
}

void DrawVerticalAxis(HDC dc, int x, int tip, int foot) {
    DrawStroke(dc, x, tip, x, foot);
    DrawStroke(dc, x, tip, x + 10, tip + 10);
    DrawStroke(dc, x, tip, x - 10, tip + 10);
}

// Around the magnification button of `scale`, 5 pixels clear of it; x10's
// frame has its bottom edge on the border of the area.
void DrawScaleFrame(HDC dc, int scale, int height) {
    int top;
    int bottom;
    switch (scale) {
    case 1: top = height - 205; bottom = height - 145; break;
    case 5: top = height - 130; bottom = height - 70; break;
    case 10: top = height - 55; bottom = height; break;
    default: return;
    }
    const int frameLeft = 265;
    const int frameRight = 525;
    DrawStroke(dc, frameLeft, top, frameLeft, bottom);
    DrawStroke(dc, frameLeft, bottom, frameRight, bottom);
    DrawStroke(dc, frameRight, bottom, frameRight, top);
    DrawStroke(dc, frameRight, top, frameLeft, top);
}

}  // namespace

FormationMarks ComputeFormationMarks(SIZE size) {
    const int w = size.cx;
    const int h = size.cy;
    FormationMarks marks;
    marks.axisLeft = w / 2 - w / 14;
    marks.axisTip = w - 40;
    marks.verticalAxis = (2 * w) / 3 - w / 100 + w / 24;
    marks.profileAxis = h / 10 + h / 7;
    marks.speedAxis = (4 * h) / 7 + h / 20;
    marks.diffusionAxis = (6 * h) / 7;
    marks.levelLine = h / 2 + h / 20;
    marks.profileTip = h / 10;
    marks.speedTip = (3 * h) / 7;
    marks.diffusionTip = (5 * h) / 7;
    return marks;
}

int TruncateCoordinate(double value) {
    if (!(value > -kCoordinateLimit)) {
        return std::isnan(value) ? 0 : -kCoordinateLimit;
    }
    if (value > kCoordinateLimit) {
        return kCoordinateLimit;
    }
    return static_cast<int>(value);
}

void PaintFormation(HDC dc, SIZE size, int background, const ScreenView& view) {
    const Panel p{size.cx, size.cy, view.frame, view.scale};
    const int h = p.height;
    const FormationMarks marks = ComputeFormationMarks(size);
    DrawFormationBackground(dc, size, marks, ComputeFormationMarks(kFormationDesignSize),
                            view.pictures, background);

    // The widths the plot has always used, or the projector mode's.
    const int line = view.lineWidth;
    const int curve = view.curveWidth;
    const HGDIOBJ own = GetCurrentObject(dc, OBJ_PEN);
    SwitchPen(dc, own, CreatePlotPen(PS_SOLID, 1, line, kPlotBlack));
    DrawHorizontalAxis(dc, marks, marks.profileAxis);
    DrawHorizontalAxis(dc, marks, marks.diffusionAxis);
    DrawHorizontalAxis(dc, marks, marks.speedAxis);

    SwitchPen(dc, own, CreatePlotPen(PS_DASH, 1, line, kPlotRed));
    DrawStroke(dc, marks.axisLeft, marks.levelLine, marks.axisTip, marks.levelLine);

    SwitchPen(dc, own, CreatePlotPen(PS_SOLID, 1, line, kPlotBlack));
    const int axisX = marks.verticalAxis;
    DrawVerticalAxis(dc, axisX, marks.profileTip, (2 * h) / 7 + h / 10);
    DrawVerticalAxis(dc, axisX, marks.speedTip, (4 * h) / 7 + h / 10);
    DrawVerticalAxis(dc, axisX, marks.diffusionTip, h - h / 40);

    SwitchPen(dc, own, CreatePlotPen(PS_SOLID, 2, line, kPlotBlue));
    if (view.scaleFrame) {
        DrawScaleFrame(dc, p.scale, h);
    }
    // The frame and the curve share a pen unless the projector mode's widths differ.
    if (curve != line) {
        SwitchPen(dc, own, CreatePlotPen(PS_SOLID, 2, curve, kPlotBlue));
    }
    DrawCurve(dc, p, g_diffusionTerm, kDiffusionPoints, g_plotStep, DiffusionY, 2);

    SwitchPen(dc, own, CreatePlotPen(PS_SOLID, 2, curve, kPlotRed));
    DrawCurve(dc, p, g_nonlinearTerm, kMainCurvePoints, g_plotStep, SpeedY, 0);
    // The odd continuation left of row 0, where the profile has its zero.
    DrawCurve(dc, p, g_nonlinearTerm, kSpeedTailPoints, -g_plotStep, MirroredSpeedY, 0);

    SwitchPen(dc, own, CreatePlotPen(PS_SOLID, 2, curve, kPlotBlack));
    DrawCurve(dc, p, g_field, kMainCurvePoints, g_plotStep, ProfileY, 0);
    DrawCurve(dc, p, g_field, kProfileTailPoints, -g_plotStep, MirroredProfileY, 0);

    RestorePen(dc, own);
    if (view.runCaption) {
        DrawRunCaption(dc, size, view);
    }
}
