// The pictures: where a picture fits, how its pixels are scaled, and that
// a picture screen shows its own picture in its own shape, its bands
// continuing its edges, with the kept picture following every size.
#include "paint_support.h"
#include "picture_scaling.h"
#include "pictures.h"
#include "resource_ids.h"
#include "screen_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace {

constexpr COLORREF kUnpainted = RGB(0, 255, 0);
// A fitted side may be half a pixel off the exact proportion.
constexpr double kAspectTolerance = 0.5;
// Pixels by which a circle's width and height may differ once scaled.
constexpr int kRoundnessTolerance = 2;

SIZE ReadBitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

TEST(Pictures, AFittedPictureFillsOneSideCentredWithItsAspectKept) {
    struct Case {
        SIZE picture;
        SIZE box;
    };
    for (const Case& c : {Case{{1274, 768}, {1024, 768}}, Case{{1274, 768}, {2560, 1080}},
                          Case{{3072, 2304}, {1920, 1080}}, Case{{1024, 768}, {1024, 768}},
                          Case{{465, 100}, {465, 100}}, Case{{1000, 10}, {7, 1000}}}) {
        const RECT place = FitPicture(c.picture, c.box);
        const long w = place.right - place.left;
        const long h = place.bottom - place.top;
        SCOPED_TRACE(testing::Message() << c.box.cx << "x" << c.box.cy << ": " << w << "x" << h);
        EXPECT_TRUE((w == c.box.cx && h <= c.box.cy) || (h == c.box.cy && w <= c.box.cx));
        EXPECT_GE(std::min(w, h), 1);
        EXPECT_LE(std::abs(place.left - (c.box.cx - place.right)), 1) << "centred across";
        EXPECT_LE(std::abs(place.top - (c.box.cy - place.bottom)), 1) << "centred down";
        if (std::min(w, h) > 1) {
            const double exactHeight = static_cast<double>(w) * c.picture.cy / c.picture.cx;
            const double exactWidth = static_cast<double>(h) * c.picture.cx / c.picture.cy;
            EXPECT_TRUE(std::abs(h - exactHeight) <= kAspectTolerance ||
                        std::abs(w - exactWidth) <= kAspectTolerance);
        }
    }
    EXPECT_EQ(FitPicture(SIZE{0, 5}, SIZE{10, 10}).right, 0);
    EXPECT_EQ(FitPicture(SIZE{5, 5}, SIZE{10, 0}).right, 0);
}

TEST(Pictures, ScalingAveragesWhatAPixelCoversAndKeepsFlatAreasExact) {
    // A fine black and white checkerboard reduced by two is an even grey.
    std::vector<uint32_t> board(6 * 6);
    for (int i = 0; i < 36; ++i) board[i] = ((i / 6 + i % 6) % 2) != 0 ? 0xFFFFFFu : 0u;
    std::vector<uint32_t> reduced(3 * 3);
    ScalePixels(board.data(), 6, 6, reduced.data(), 3, 3);
    for (uint32_t pixel : reduced) EXPECT_EQ(pixel, 0x808080u);
    // A flat colour stays exactly that colour, reduced or enlarged.
    const std::vector<uint32_t> flat(9 * 7, 0x1A2A4Au);
    for (SIZE size : {SIZE{4, 3}, SIZE{13, 11}, SIZE{9, 7}}) {
        std::vector<uint32_t> scaled(size.cx * size.cy);
        ScalePixels(flat.data(), 9, 7, scaled.data(), size.cx, size.cy);
        for (uint32_t pixel : scaled) ASSERT_EQ(pixel, 0x1A2A4Au) << size.cx;
    }
    // Enlarged, a step becomes a ramp between its two levels, ends held.
    const uint32_t step[2] = {0u, 0xFFu};
    uint32_t ramp[6] = {};
    ScalePixels(step, 2, 1, ramp, 6, 1);
    EXPECT_EQ(ramp[0], 0u);
    EXPECT_EQ(ramp[5], 0xFFu);
    for (int x = 1; x < 6; ++x) EXPECT_GE(ramp[x], ramp[x - 1]);
}

TEST(Pictures, TheKeptPictureFollowsEveryChangeOfSize) {
    const HMODULE module = GetModuleHandleW(nullptr);
    // A projector switched from 5:4 to 16:10 changes only the height.
    for (SIZE size : {SIZE{1280, 1024}, SIZE{1280, 800}, SIZE{1024, 800}, SIZE{1280, 800}}) {
        const HBITMAP picture = GetScaledPicture(module, IDB_TITLE, size);
        ASSERT_NE(picture, nullptr);
        const SIZE got = ReadBitmapSize(picture);
        EXPECT_TRUE(got.cx == size.cx || got.cy == size.cy) << size.cx << "x" << size.cy;
        EXPECT_EQ(GetScaledPicture(module, IDB_TITLE, size), picture) << "kept for the next paint";
    }
}

// The box around the title's top-left emblem, a ring of dark ink in the
// picture's top-left corner (a fifth of its width, a quarter of its height).
RECT FindEmblem(const Canvas& screen, const RECT& place) {
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    const int right = place.left + (place.right - place.left) / 5;
    const int bottom = place.top + (place.bottom - place.top) / 4;
    for (int y = place.top; y < bottom; ++y) {
        for (int x = place.left; x < right; ++x) {
            const COLORREF pixel = PixelAt(screen, x, y);
            if (GetRValue(pixel) > 60 || GetBValue(pixel) > 110) continue;
            box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                       std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
        }
    }
    return box;
}

// At 4:3 the title has bands above and below, at 21:9 beside it: the
// round emblems stay round, and every band pixel repeats the picture's
// nearest edge pixel.
TEST(Pictures, PictureScreensKeepTheirShapeAndContinueTheirEdges) {
    ScreenView view;
    view.pictures = GetModuleHandleW(nullptr);
    for (SIZE size : {SIZE{1024, 768}, SIZE{2560, 1080}}) {
        SCOPED_TRACE(size.cx);
        Canvas screen = CreateCanvas(size.cx, size.cy, kUnpainted);
        PaintScreen(screen.dc, size, ScreenTitle, view);
        GdiFlush();
        const RECT place =
            FitPicture(ReadBitmapSize(GetScaledPicture(view.pictures, IDB_TITLE, size)), size);
        const RECT emblem = FindEmblem(screen, place);
        ASSERT_LT(emblem.left, emblem.right);
        EXPECT_NEAR(emblem.right - emblem.left, emblem.bottom - emblem.top, kRoundnessTolerance);
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                const int edgeX = std::clamp<int>(x, place.left, place.right - 1);
                const int edgeY = std::clamp<int>(y, place.top, place.bottom - 1);
                if (edgeX == x && edgeY == y) continue;
                ASSERT_EQ(PixelAt(screen, x, y), PixelAt(screen, edgeX, edgeY)) << x << "," << y;
            }
        }
        DestroyCanvas(screen);
    }
}

TEST(Pictures, EachPictureScreenShowsItsOwnPicture) {
    constexpr SIZE kSize = {320, 240};
    struct Shown {
        int screen;
        int picture;
    };
    for (Shown shown : {Shown{ScreenTitle, IDB_TITLE}, Shown{ScreenTheory, IDB_THEORY},
                        Shown{ScreenAuthors, IDB_AUTHORS}}) {
        ScreenView view;
        view.pictures = GetModuleHandleW(nullptr);
        Canvas screen = CreateCanvas(kSize.cx, kSize.cy, kUnpainted);
        PaintScreen(screen.dc, kSize, shown.screen, view);
        // The picture itself, loaded without the table.
        HBITMAP bitmap = LoadPicture(view.pictures, shown.picture, kSize);
        ASSERT_NE(bitmap, nullptr);
        const SIZE fitted = ReadBitmapSize(bitmap);
        const RECT place = FitPicture(fitted, kSize);
        Canvas picture = CreateCanvas(kSize.cx, kSize.cy, kUnpainted);
        CopyBitmap(picture.dc, place.left, place.top, fitted, bitmap);
        DeleteObject(bitmap);
        GdiFlush();
        for (int y = place.top; y < place.bottom; ++y) {
            for (int x = place.left; x < place.right; ++x) {
                ASSERT_EQ(PixelAt(screen, x, y), PixelAt(picture, x, y))
                    << "screen " << shown.screen << " at " << x << "," << y;
            }
        }
        DestroyCanvas(picture);
        DestroyCanvas(screen);
    }
}

}  // namespace
