// The propagation plot, painted into a readable bitmap: the white fill,
// the header, the four baselines, how the stages join into one curve per
// baseline and stop at the right edge, and the stages the timer adds.
#include "gdi_counter.h"
#include "paint_support.h"
#include "pictures.h"
#include "plots.h"
#include "resource_ids.h"
#include "wave_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLine = RGB(0, 0, 0);  // the context's default pen
constexpr COLORREF kUnpainted = RGB(0, 255, 0);
constexpr int kStages = kPropagationStages;
constexpr int kPlottedRows = 445;
constexpr int kHeaderLeftOfCentre = 300;
constexpr int kHeaderTop = 10;
constexpr int kHeaderWidth = 625;
constexpr int kHeaderHeight = 130;
// A truncated row may land one pixel off the exact value.
constexpr int kRowTolerance = 1;
// How far beyond the amplitude to look for a curve's extremes.
constexpr int kRowProbe = 8;

struct Layout {
    int width;
    int height;
    int baselines[4];
    int stageEnds[8];  // the joints between the first nine stages
};

constexpr Layout kLayouts[] = {
    {1280, 1024, {292, 438, 585, 731}, {159, 317, 476, 635, 794, 952, 1111, 1270}},
    {1920, 1080, {308, 462, 617, 771}, {238, 476, 714, 952, 1191, 1429, 1667, 1905}},
};

// The client area's state after each stage, as a hash.
std::vector<uint64_t> s_stageHashes;

uint64_t HashClientArea(const Canvas& canvas, int width) {
    uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < width; ++x) {
            hash = (hash ^ canvas.pixels[y * canvas.width + x]) * 1099511628211ull;
        }
    }
    return hash;
}

// The plot over (0, 0)-size of the canvas with its first `stages` stages.
void PaintPlot(const Canvas& canvas, SIZE size, int stages = kStages) {
    ScreenView view;
    view.pictures = GetModuleHandleW(nullptr);
    view.stages = stages;
    PaintPropagation(canvas.dc, size, IDB_PROPAGATION_HEADER, view);
    GdiFlush();
}

// Paints the drawing stage by stage, as the stage timer adds them,
// recording the client area after each; a stage changes no pixel outside
// the area that its tick repaints. A canvas wider than the client area
// shows what is drawn beyond it.
Canvas PaintAnimation(int width, int height, int canvasWidth = 0) {
    Canvas canvas = CreateCanvas(std::max(width, canvasWidth), height, kUnpainted);
    const SIZE size{width, height};
    s_stageHashes.clear();
    std::vector<uint32_t> before;
    for (int stages = 0; stages <= kStages; ++stages) {
        PaintPlot(canvas, size, stages);
        std::vector<uint32_t> now(canvas.pixels, canvas.pixels + canvas.width * canvas.height);
        if (stages > 0) {
            s_stageHashes.push_back(HashClientArea(canvas, width));
            const RECT area = ComputeStageArea(size, stages - 1, 0);
            int outside = 0;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const size_t at = static_cast<size_t>(y) * canvas.width + x;
                    outside += now[at] != before[at] && !PtInRect(&area, POINT{x, y});
                }
            }
            EXPECT_EQ(outside, 0) << "stage " << stages;
        }
        before.swap(now);
    }
    return canvas;
}

// Whether the first `width` pixels of row y (all of it for 0) have this colour.
bool RowIs(const Canvas& canvas, int y, COLORREF colour, int width = 0) {
    for (int x = 0; x < (width > 0 ? width : canvas.width); ++x) {
        if (PixelAt(canvas, x, y) != colour) return false;
    }
    return true;
}

// The rows of the topmost and lowest line pixels in [top, bottom), baseline row left out.
std::pair<int, int> FindCurveRows(const Canvas& canvas, int top, int bottom, int baseline) {
    std::pair<int, int> rows{INT_MAX, INT_MIN};
    for (int y = top; y < bottom; ++y) {
        if (y == baseline || RowIs(canvas, y, kWhite)) continue;
        rows.first = std::min(rows.first, y);
        rows.second = std::max(rows.second, y);
    }
    return rows;
}

class PropagationPlot : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareSolution();
        // As the Wave propagation command solves before showing the screen.
        SolveBurgers(0.12, 0.003);
    }
};

TEST_F(PropagationPlot, FillsWhiteAndDrawsTheWaveAroundFourBaselines) {
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.width);
        Canvas canvas = PaintAnimation(l.width, l.height);
        EXPECT_EQ(static_cast<int>(s_stageHashes.size()), kStages);
        const int amplitude = l.height / 16;  // u = 1
        for (int y = kHeaderTop + kHeaderHeight; y < l.height; ++y) {
            bool inBand = false;
            for (int baseline : l.baselines) {
                inBand = inBand || std::abs(y - baseline) <= amplitude + kRowTolerance;
            }
            if (!inBand) {
                ASSERT_TRUE(RowIs(canvas, y, kWhite)) << "row " << y;
            }
        }
        for (int baseline : l.baselines) {
            EXPECT_TRUE(RowIs(canvas, baseline, kLine)) << baseline;
            const auto rows = FindCurveRows(canvas, baseline - amplitude - kRowProbe,
                                            baseline + amplitude + kRowProbe, baseline);
            EXPECT_LE(rows.first, rows.second) << "a curve along " << baseline;
        }
        // The first stages show the initial sine, amplitude 1.
        const int first = l.baselines[0];
        const auto rows = FindCurveRows(canvas, first - amplitude - kRowProbe,
                                        first + amplitude + kRowProbe, first);
        EXPECT_NEAR(rows.first, first - amplitude, kRowTolerance);
        EXPECT_NEAR(rows.second, first + amplitude, kRowTolerance);
        DestroyCanvas(canvas);
    }
}

TEST_F(PropagationPlot, HeaderPictureSitsInItsBlockAndNothingElseAboveTheCurves) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const SIZE natural = ReadPictureSize(module, IDB_PROPAGATION_HEADER);
    HBITMAP header = LoadPicture(module, IDB_PROPAGATION_HEADER, natural);
    ASSERT_NE(header, nullptr);
    BITMAP size = {};
    GetObjectW(header, sizeof size, &size);
    EXPECT_EQ(size.bmWidth, natural.cx);
    EXPECT_EQ(size.bmHeight, natural.cy);
    for (int width : {1024, 1280, 1920}) {
        SCOPED_TRACE(width);
        const int height = 1024;
        Canvas canvas = PaintAnimation(width, height);
        // Expected: white, with as much of the picture as the block holds.
        Canvas expected = CreateCanvas(width, height, kWhite);
        HDC memory = CreateCompatibleDC(expected.dc);
        HGDIOBJ original = SelectObject(memory, header);
        BitBlt(expected.dc, width / 2 - kHeaderLeftOfCentre, kHeaderTop,
               std::min<int>(size.bmWidth, kHeaderWidth),
               std::min<int>(size.bmHeight, kHeaderHeight), memory, 0, 0, SRCCOPY);
        SelectObject(memory, original);
        DeleteDC(memory);
        const int curvesTop = (2 * height) / 7 - height / 16 - kRowTolerance;
        for (int y = 0; y < curvesTop; ++y) {
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(PixelAt(canvas, x, y), PixelAt(expected, x, y)) << x << "," << y;
            }
        }
        // The block is not blank: the picture really is there.
        bool pictured = false;
        for (int y = kHeaderTop; y < kHeaderTop + size.bmHeight; ++y) {
            pictured = pictured || !RowIs(canvas, y, kWhite);
        }
        EXPECT_TRUE(pictured);
        DestroyCanvas(expected);
        DestroyCanvas(canvas);
    }
    DeleteObject(header);
}

TEST_F(PropagationPlot, StagesJoinIntoOneCurvePerBaselineAndStopAtTheRightEdge) {
    // Every stage a flat line, alternately half a unit above and below its
    // baseline, so that the joints stand out; any other column reads 0.9.
    constexpr double kStageLevel = 0.5;
    constexpr double kOtherLevel = 0.9;
    const int series[4][3] = {{0, 50, 400}, {450, 50, 850}, {850, 100, 1850}, {1850, 10, 2000}};
    for (int row = 1; row <= kPlottedRows; ++row) {
        for (int column = 0; column < kEvolutionSteps; ++column) {
            g_field[row][column] = kOtherLevel;
        }
        for (const auto& s : series) {
            for (int column = s[0], stage = 0; column <= s[2] && column < kEvolutionSteps;
                 column += s[1], ++stage) {
                g_field[row][column] = stage % 2 == 0 ? kStageLevel : -kStageLevel;
            }
        }
    }
    // Room right of the client area, where a curve that failed to stop would go.
    constexpr int kOverhang = 200;
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.width);
        Canvas canvas = PaintAnimation(l.width, l.height, l.width + kOverhang);

        // Stages past the right edge draw nothing visible.
        ASSERT_EQ(static_cast<int>(s_stageHashes.size()), kStages);
        for (int pause = 2; pause <= kStages; ++pause) {
            const bool beyondEdge = pause == 28 || pause == 29 || pause >= 39;
            EXPECT_EQ(s_stageHashes[pause - 1] == s_stageHashes[pause - 2], beyondEdge)
                << "stage " << pause;
        }

        for (int baseline : l.baselines) {
            SCOPED_TRACE(baseline);
            const int up = static_cast<int>(baseline - l.height * kStageLevel * 0.0625);
            const int down = static_cast<int>(baseline + l.height * kStageLevel * 0.0625);
            const int strayUp = static_cast<int>(baseline - l.height * kOtherLevel * 0.0625);
            const int strayDown = static_cast<int>(baseline + l.height * kOtherLevel * 0.0625);
            EXPECT_TRUE(RowIs(canvas, strayUp, kWhite, l.width));
            EXPECT_TRUE(RowIs(canvas, strayDown, kWhite, l.width));
            // Joints: the first move off the baseline, then one per stage end.
            std::vector<int> joints;
            for (int x = 0; x < l.width; ++x) {
                if (PixelAt(canvas, x, (baseline + up) / 2) == kLine) joints.push_back(x);
                ASSERT_TRUE(PixelAt(canvas, x, up) == kLine || PixelAt(canvas, x, down) == kLine)
                    << "gap at " << x;
            }
            std::vector<int> expected{0};
            expected.insert(expected.end(), std::begin(l.stageEnds), std::end(l.stageEnds));
            EXPECT_EQ(joints, expected);
            for (int stage = 0; stage < 9; ++stage) {
                const int from = stage == 0 ? 0 : l.stageEnds[stage - 1];
                const int to = stage == 8 ? l.width - 1 : l.stageEnds[stage];
                const int x = stage == 8 ? to : (from + to) / 2;
                const bool above = stage % 2 == 0;
                EXPECT_EQ(PixelAt(canvas, x, above ? up : down), kLine) << "stage " << stage;
                EXPECT_EQ(PixelAt(canvas, x, above ? down : up), kWhite) << "stage " << stage;
            }
            // The ninth stage stops one column past the client area; the
            // later stages of baselines 3 and 4 each add their one point there.
            int rightmost = -1;
            for (int x = 0; x < canvas.width; ++x) {
                for (int y = up; y <= down; ++y) {
                    if (y != baseline && PixelAt(canvas, x, y) == kLine) rightmost = x;
                }
            }
            EXPECT_EQ(rightmost, baseline >= l.baselines[2] ? l.width : l.width - 1);
        }
        DestroyCanvas(canvas);
    }
}

TEST_F(PropagationPlot, PaintsLeaveNoGdiObjectsAndKeepThePen) {
    // The header picture and its memory context.
    constexpr long kObjectsPerPaint = 2;
    constexpr int kPaints = 3;
    InstallGdiCounter();
    Canvas canvas = CreateCanvas(1280, 1024, kUnpainted);
    HPEN own = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HGDIOBJ original = SelectObject(canvas.dc, own);
    const long outstanding = GdiObjectsOutstanding();
    const long created = GdiObjectsCreated();
    const long failed = GdiFailedDeletions();
    for (int paint = 0; paint < kPaints; ++paint) {
        PaintPlot(canvas, SIZE{1280, 1024});
        EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), own);
    }
    EXPECT_EQ(GdiObjectsCreated() - created, kPaints * kObjectsPerPaint);
    EXPECT_EQ(GdiObjectsOutstanding(), outstanding);
    EXPECT_EQ(GdiFailedDeletions(), failed);
    EXPECT_EQ(failed, 0);
    SelectObject(canvas.dc, original);
    DeleteObject(own);
    DestroyCanvas(canvas);
}

}  // namespace
