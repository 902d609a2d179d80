// The formation plot, painted into a readable bitmap over its
// background: where axes, frame and curves fall on the client sizes of
// lecture-hall projectors, their exact colours, what the magnification
// changes, and that a paint leaves the context and the GDI as it found them.
#include "formation_background.h"
#include "gdi_counter.h"
#include "paint_support.h"
#include "pictures.h"
#include "plots.h"
#include "resource_ids.h"
#include "wave_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <ostream>
#include <string>

namespace {

constexpr COLORREF kPlotBlack = RGB(4, 0, 0);
constexpr COLORREF kPlotRed = RGB(255, 0, 0);
constexpr COLORREF kPlotBlue = RGB(0, 0, 255);
constexpr COLORREF kUnpainted = RGB(0, 255, 0);
// A 2-pixel line covers its points' pixels and the pixels just left of
// and above them.
constexpr int kPenLead = 1;
// How far the rounded end of a slanted 2-pixel line may reach.
constexpr int kPenReach = 1;
// Half the span of a vertical axis' arrowhead, and a pixel more.
constexpr int kArrowReach = 11;
// Room left above the x10 frame when looking at the diffusion curve alone.
constexpr int kFrameClearance = 60;
// Share of the level line's length that its dashes and gaps cover at least.
constexpr double kMinimumDashShare = 0.5;
constexpr double kMinimumGapShare = 0.1;

// Pixel places of one client size; every horizontal value is a column,
// every vertical one a row.
struct Layout {
    int width;
    int height;
    int axisLeft;
    int axisTip;
    int profileAxis;
    int speedAxis;
    int diffusionAxis;
    int levelLine;
    int verticalAxis;
    int profileTip;
    int profileFoot;
    int speedTip;
    int speedFoot;
    int diffusionTip;
    int diffusionFoot;
    int firstPoint;          // row 0 of every curve
    int diffusionLastPoint;  // row 449
    int mainLastPoint;       // row 479 of the profile and speed curves
    int speedTailEnd;        // tail row 29
    int profileTailEnd;      // tail row 9
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << layout.width << "x" << layout.height;
}

constexpr Layout kLayouts[] = {
    {1024, 768, 439, 984, 185, 476, 658, 422, 714, 76, 295, 329, 514, 548, 749, 460, 974, 1008,
     427, 450},
    {1366, 768, 586, 1326, 185, 476, 658, 422, 953, 76, 295, 329, 514, 548, 749, 616, 1301, 1347,
     571, 602},
    {1280, 1024, 549, 1240, 248, 636, 877, 563, 894, 102, 394, 438, 687, 731, 999, 577, 1219,
     1262, 536, 564},
    {1920, 1080, 823, 1880, 262, 671, 925, 594, 1341, 108, 416, 462, 725, 771, 1053, 867, 1830,
     1894, 804, 847},
};

// What the plot shows: the frame and magnification the tests set.
ScreenView s_view;

void PaintPlot(const Canvas& canvas) {
    PaintFormation(canvas.dc, SIZE{canvas.width, canvas.height}, IDB_FORMATION_BACKGROUND,
                   s_view);
}

// One paint of the plot, and beside it the background picture alone.
struct Frame {
    Canvas plot;
    Canvas picture;
};

Frame PaintFrame(int width, int height) {
    Frame frame;
    frame.plot = CreateCanvas(width, height, kUnpainted);
    PaintPlot(frame.plot);
    frame.picture = CreateCanvas(width, height, kUnpainted);
    const SIZE size{width, height};
    DrawFormationBackground(frame.picture.dc, size, ComputeFormationMarks(size, kDefaultDpi),
                            s_view.pictures, IDB_FORMATION_BACKGROUND);
    return frame;
}

void ReleaseFrame(Frame& frame) {
    DestroyCanvas(frame.plot);
    DestroyCanvas(frame.picture);
}

// A pixel of this colour that the plot, not the picture, put there.
bool IsPlot(const Frame& frame, int x, int y, COLORREF colour) {
    return PixelAt(frame.plot, x, y) == colour && PixelAt(frame.picture, x, y) != colour;
}

bool IsUntouched(const Frame& frame, int x, int y) {
    return PixelAt(frame.plot, x, y) == PixelAt(frame.picture, x, y);
}

struct Extent {
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN;
    int bottom = INT_MIN;
    long count = 0;
};

// The box around the plot's pixels of one colour in [left, right) x
// [top, bottom), leaving out one row and one band of columns, where an
// axis of the same colour runs.
Extent FindExtent(const Frame& frame, COLORREF colour, RECT region, int skippedRow = -1,
                  int skippedColumn = -100, int skippedReach = 0) {
    Extent extent;
    for (int y = region.top; y < region.bottom; ++y) {
        if (y == skippedRow) continue;
        for (int x = region.left; x < region.right; ++x) {
            if (std::abs(x - skippedColumn) <= skippedReach) continue;
            if (!IsPlot(frame, x, y, colour)) continue;
            extent.left = std::min(extent.left, x);
            extent.right = std::max(extent.right, x);
            extent.top = std::min(extent.top, y);
            extent.bottom = std::max(extent.bottom, y);
            ++extent.count;
        }
    }
    return extent;
}

class FormationPlot : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareSolution();
        RebuildTermFields();
        s_view = ScreenView{};
        s_view.pictures = GetModuleHandleW(nullptr);
        s_view.scale = 10;
    }
};

class FormationLayout : public FormationPlot, public ::testing::WithParamInterface<Layout> {};

TEST_P(FormationLayout, AxesAndLevelLineLieWhereTheLayoutPutsThem) {
    const Layout& l = GetParam();
    Frame frame = PaintFrame(l.width, l.height);

    for (int axis : {l.profileAxis, l.diffusionAxis, l.speedAxis}) {
        SCOPED_TRACE(axis);
        EXPECT_TRUE(IsUntouched(frame, l.axisLeft - 1, axis));
        EXPECT_TRUE(IsUntouched(frame, l.axisTip + 1, axis));
        EXPECT_TRUE(IsPlot(frame, l.axisTip, axis, kPlotBlack));
        EXPECT_TRUE(IsPlot(frame, l.axisTip - 5, axis - 5, kPlotBlack));
        EXPECT_TRUE(IsPlot(frame, l.axisTip - 5, axis + 5, kPlotBlack));
        // The curves start at the first point; left of it the axis is bare.
        for (int x = l.axisLeft; x < l.firstPoint - 2 * kPenLead; ++x) {
            ASSERT_TRUE(IsPlot(frame, x, axis, kPlotBlack)) << x;
        }
    }
    // No curve crosses the speed panel's axis at frame 0.
    for (int x = l.axisLeft; x <= l.axisTip; ++x) {
        ASSERT_TRUE(IsPlot(frame, x, l.speedAxis, kPlotBlack)) << x;
    }

    const int panels[3][2] = {{l.profileTip, l.profileFoot},
                              {l.speedTip, l.speedFoot},
                              {l.diffusionTip, l.diffusionFoot}};
    for (const auto& panel : panels) {
        const int tip = panel[0];
        const int foot = panel[1];
        SCOPED_TRACE(tip);
        EXPECT_TRUE(IsUntouched(frame, l.verticalAxis, tip - 1));
        EXPECT_TRUE(IsUntouched(frame, l.verticalAxis, foot));
        EXPECT_TRUE(IsPlot(frame, l.verticalAxis, tip, kPlotBlack));
        EXPECT_TRUE(IsPlot(frame, l.verticalAxis, foot - 1, kPlotBlack));
        EXPECT_TRUE(IsPlot(frame, l.verticalAxis - 5, tip + 5, kPlotBlack));
        EXPECT_TRUE(IsPlot(frame, l.verticalAxis + 5, tip + 5, kPlotBlack));
        for (int y = tip; y < foot; ++y) {
            // Black, or a curve drawn over the axis.
            const COLORREF pixel = PixelAt(frame.plot, l.verticalAxis, y);
            ASSERT_TRUE(pixel == kPlotBlack || pixel == kPlotRed || pixel == kPlotBlue) << y;
        }
    }

    EXPECT_TRUE(IsUntouched(frame, l.axisLeft - 1, l.levelLine));
    EXPECT_TRUE(IsPlot(frame, l.axisLeft, l.levelLine, kPlotRed));
    int dashes = 0;
    int gaps = 0;
    for (int x = l.axisLeft; x < l.axisTip; ++x) {
        const COLORREF pixel = PixelAt(frame.plot, x, l.levelLine);
        if (pixel == kPlotRed) {
            ++dashes;
        } else if (IsUntouched(frame, x, l.levelLine)) {
            ++gaps;
        } else {
            EXPECT_EQ(x, l.verticalAxis) << "only the vertical axis crosses the level line";
        }
    }
    const int length = l.axisTip - l.axisLeft;
    EXPECT_GE(dashes, kMinimumDashShare * length);
    EXPECT_GE(gaps, kMinimumGapShare * length);
    for (int x = l.axisTip; x < l.width; ++x) {
        EXPECT_FALSE(IsPlot(frame, x, l.levelLine, kPlotRed)) << x;
    }
    ReleaseFrame(frame);
}

TEST_P(FormationLayout, CurvesStartAndEndAtTheirRows) {
    const Layout& l = GetParam();
    Frame frame = PaintFrame(l.width, l.height);

    // At x10 the frame lies low enough to leave the diffusion panel alone.
    const Extent diffusion = FindExtent(
        frame, kPlotBlue, RECT{0, l.diffusionTip, l.width, l.height - kFrameClearance});
    EXPECT_EQ(diffusion.left, l.firstPoint - kPenLead);
    EXPECT_EQ(diffusion.right, l.diffusionLastPoint);

    const Extent speed = FindExtent(frame, kPlotRed, RECT{0, l.speedTip, l.width, l.speedFoot});
    EXPECT_EQ(speed.left, l.speedTailEnd - kPenLead);
    EXPECT_EQ(speed.right, l.mainLastPoint);
    // The main curve rises from its first point; the tail falls to its left.
    const Extent speedAbove =
        FindExtent(frame, kPlotRed, RECT{0, l.speedTip, l.width, l.levelLine - kPenLead});
    EXPECT_EQ(speedAbove.left, l.firstPoint);

    const Extent profile =
        FindExtent(frame, kPlotBlack, RECT{0, l.profileTip, l.width, l.profileFoot},
                   l.profileAxis, l.verticalAxis, kArrowReach);
    EXPECT_EQ(profile.left, l.profileTailEnd - kPenLead);
    EXPECT_EQ(profile.right, l.mainLastPoint);
    const Extent profileAbove =
        FindExtent(frame, kPlotBlack, RECT{0, l.profileTip, l.width, l.profileAxis - kPenLead},
                   -1, l.verticalAxis, kArrowReach);
    EXPECT_EQ(profileAbove.left, l.firstPoint);
    ReleaseFrame(frame);
}

INSTANTIATE_TEST_SUITE_P(ProjectorSizes, FormationLayout, ::testing::ValuesIn(kLayouts),
                         [](const ::testing::TestParamInfo<Layout>& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

TEST_F(FormationPlot, FrameZeroShowsOnePeriodOfTheInitialSine) {
    // Both sizes share the height, so every row is the same.
    for (const Layout& l : {kLayouts[0], kLayouts[1]}) {
        SCOPED_TRACE(l.width);
        Frame frame = PaintFrame(l.width, l.height);
        const Extent profile =
            FindExtent(frame, kPlotBlack, RECT{0, l.profileTip, l.width, l.profileFoot},
                       l.profileAxis, l.verticalAxis, kArrowReach);
        EXPECT_EQ(profile.top, 89 - kPenLead);
        EXPECT_EQ(profile.bottom, 280);
        const Extent speed =
            FindExtent(frame, kPlotRed, RECT{0, l.speedTip, l.width, l.speedFoot});
        EXPECT_EQ(speed.top, 393 - kPenLead);
        EXPECT_EQ(speed.bottom, 450);

        // Left of the first point only the mirrored tails run, downward.
        const int tailsRight = l.firstPoint - kPenLead;
        const Extent profileTail = FindExtent(
            frame, kPlotBlack, RECT{0, l.profileAxis + 1, tailsRight, l.profileFoot});
        EXPECT_EQ(profileTail.bottom, 198);
        EXPECT_EQ(FindExtent(frame, kPlotBlack,
                             RECT{0, l.profileTip, tailsRight, l.profileAxis - kPenLead})
                      .count,
                  0);
        const Extent speedTail =
            FindExtent(frame, kPlotRed, RECT{0, l.levelLine + 1, tailsRight, l.speedFoot});
        EXPECT_EQ(speedTail.bottom, 433);
        EXPECT_EQ(FindExtent(frame, kPlotRed,
                             RECT{0, l.speedTip, tailsRight, l.levelLine - kPenLead})
                      .count,
                  0);
        // Row 479 of the profile, past the axes' arrow tips.
        const Extent profileEnd =
            FindExtent(frame, kPlotBlack, RECT{l.mainLastPoint, 0, l.width, l.height});
        EXPECT_EQ(profileEnd.top, 140 - kPenLead);
        EXPECT_LE(profileEnd.bottom, 140 + kPenReach);
        ReleaseFrame(frame);
    }
}

TEST_F(FormationPlot, BlueFrameMarksTheChosenMagnification) {
    struct Mark {
        int scale;
        int top;     // from the bottom of the client area
        int bottom;  // likewise
    };
    constexpr Mark kMarks[] = {{1, 205, 145}, {5, 130, 70}, {10, 55, 0}};
    constexpr int kFrameLeft = 265;
    constexpr int kFrameRight = 525;
    for (const Layout& l : {kLayouts[0], kLayouts[2]}) {
        // Left of the curves' first point the frame is the only blue.
        const RECT left{0, 0, l.firstPoint - 2 * kPenLead, l.height};
        for (const Mark& mark : kMarks) {
            SCOPED_TRACE(mark.scale);
            s_view.scale = mark.scale;
            Frame frame = PaintFrame(l.width, l.height);
            const Extent box = FindExtent(frame, kPlotBlue, left);
            EXPECT_EQ(box.left, kFrameLeft - kPenLead);
            EXPECT_EQ(box.top, l.height - mark.top - kPenLead);
            EXPECT_EQ(box.bottom, std::min(l.height - mark.bottom, l.height - 1));
            const int middle = l.height - (mark.top + mark.bottom) / 2;
            const Extent row = FindExtent(frame, kPlotBlue, RECT{0, middle, l.width, middle + 1});
            EXPECT_EQ(row.right, kFrameRight);
            EXPECT_EQ(row.count, 4) << "only the two side edges cross the middle row";
            // x10's bottom edge lies on the client area's border: half of
            // it falls outside.
            const int centre = (kFrameLeft + kFrameRight) / 2;
            const Extent bottomEdge = FindExtent(
                frame, kPlotBlue, RECT{centre, box.bottom - 3, centre + 1, box.bottom + 1});
            EXPECT_EQ(bottomEdge.count, mark.bottom == 0 ? 1 : 2);
            ReleaseFrame(frame);
        }
        s_view.scale = 3;
        Frame frame = PaintFrame(l.width, l.height);
        EXPECT_EQ(FindExtent(frame, kPlotBlue, left).count, 0) << "no frame for another scale";
        ReleaseFrame(frame);
        s_view.scale = 10;
        s_view.scaleFrame = false;
        frame = PaintFrame(l.width, l.height);
        EXPECT_EQ(FindExtent(frame, kPlotBlue, left).count, 0) << "no frame when none is asked";
        ReleaseFrame(frame);
        s_view.scaleFrame = true;
    }
}

TEST_F(FormationPlot, DiffusionCurveStartsOnItsAxisAndScalesByH45) {
    // Wide enough that the curve starts right of the blue frame.
    const Layout& l = kLayouts[2];
    constexpr double kFirstRowsValue = 3.0;
    constexpr double kOtherRowsValue = 1.0;
    for (int frameIndex : {0, 204, 1000, 1996}) {
        // Rows 0 and 1 far off the axis, the rest at 1.
        for (int row = 0; row < 450; ++row) {
            g_diffusionTerm[row][frameIndex] = row < 2 ? kFirstRowsValue : kOtherRowsValue;
        }
        s_view.frame = frameIndex;
        for (int scale : {1, 5, 10}) {
            SCOPED_TRACE(testing::Message() << "frame " << frameIndex << " x" << scale);
            s_view.scale = scale;
            Frame frame = PaintFrame(l.width, l.height);
            // Only the stroke from row 0 to row 1 reaches these two columns.
            const Extent start = FindExtent(
                frame, kPlotBlue, RECT{l.firstPoint - kPenLead, 0, l.firstPoint + 1, l.height});
            EXPECT_EQ(start.top, l.diffusionAxis - kPenLead);
            EXPECT_EQ(start.bottom, l.diffusionAxis);
            // A value of 1 stands H * scale / 45 above the axis.
            const int level = static_cast<int>(l.diffusionAxis - l.height * scale / 45.0);
            const Extent rest = FindExtent(
                frame, kPlotBlue, RECT{l.firstPoint + 10, 0, l.diffusionLastPoint - 10, l.height});
            EXPECT_EQ(rest.top, level - kPenLead);
            EXPECT_EQ(rest.bottom, level);
            ReleaseFrame(frame);
        }
    }
}

TEST_F(FormationPlot, MagnificationChangesOnlyTheDiffusionCurveAndTheFrame) {
    const Layout& l = kLayouts[1];
    // Frame 204 holds the largest diffusion values: at x10 they reach
    // into the speed panel.
    for (int frameIndex : {204, 1200}) {
        SCOPED_TRACE(frameIndex);
        s_view.frame = frameIndex;
        s_view.scale = 1;
        Frame one = PaintFrame(l.width, l.height);
        s_view.scale = 10;
        Frame ten = PaintFrame(l.width, l.height);
        long differing = 0;
        for (int y = 0; y < l.height; ++y) {
            for (int x = 0; x < l.width; ++x) {
                const COLORREF a = PixelAt(one.plot, x, y);
                const COLORREF b = PixelAt(ten.plot, x, y);
                if (a == b) continue;
                ++differing;
                ASSERT_TRUE(a == kPlotBlue || b == kPlotBlue) << x << "," << y;
            }
        }
        EXPECT_GT(differing, 0);
        ReleaseFrame(one);
        ReleaseFrame(ten);
    }
}

TEST_F(FormationPlot, RepaintOfOneFrameIsIdentical) {
    const Layout& l = kLayouts[1];
    s_view.frame = 600;
    s_view.scale = 5;
    Frame first = PaintFrame(l.width, l.height);
    Canvas second = CreateCanvas(l.width, l.height, kUnpainted);
    PaintPlot(second);
    GdiFlush();
    EXPECT_EQ(std::memcmp(first.plot.pixels, second.pixels, l.width * l.height * 4), 0);
    DestroyCanvas(second);
    ReleaseFrame(first);
}

TEST_F(FormationPlot, APictureThatCannotBeLoadedPaintsNothing) {
    constexpr int kMissingPicture = 999;
    Canvas canvas = CreateCanvas(64, 48, kUnpainted);
    PaintPicture(canvas.dc, SIZE{64, 48}, s_view.pictures, kMissingPicture);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) ASSERT_EQ(PixelAt(canvas, x, y), kUnpainted) << x << "," << y;
    }
    DestroyCanvas(canvas);
}

TEST_F(FormationPlot, PaintsLeaveNoGdiObjectsAndGiveBackThePen) {
    // Six pens and a memory context; the scaled picture is kept for the
    // next frame, so only the first paint of a size loads it.
    constexpr long kObjectsPerPaint = 7;
    constexpr int kPaints = 3;
    InstallGdiCounter();
    Canvas canvas = CreateCanvas(1024, 768, kUnpainted);
    HPEN own = CreatePen(PS_SOLID, 3, RGB(0, 128, 0));
    HGDIOBJ original = SelectObject(canvas.dc, own);
    PaintPlot(canvas);
    const long outstanding = GdiObjectsOutstanding();
    const long created = GdiObjectsCreated();
    const long failed = GdiFailedDeletions();
    for (int paint = 0; paint < kPaints; ++paint) {
        s_view.scale = paint == 0 ? 1 : 10;
        PaintPlot(canvas);
        EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), own);
    }
    EXPECT_EQ(GdiObjectsCreated() - created, kPaints * kObjectsPerPaint);
    // Pens that cannot be made: the first, some, or all six.
    for (int refused : {1, 3, 6}) {
        FailPenCreations(refused);
        PaintPlot(canvas);
        EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), own) << refused;
    }
    EXPECT_EQ(GdiObjectsOutstanding(), outstanding);
    EXPECT_EQ(GdiFailedDeletions(), failed);
    EXPECT_EQ(failed, 0);
    SelectObject(canvas.dc, original);
    DeleteObject(own);
    DestroyCanvas(canvas);
}

}  // namespace
