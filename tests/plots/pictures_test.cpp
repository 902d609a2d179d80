// The picture screens and the kept scaled picture: each screen shows its
// own picture, and the kept picture follows every change of size.
#include "paint_support.h"
#include "pictures.h"
#include "resource_ids.h"
#include "screen_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr COLORREF kUnpainted = RGB(0, 255, 0);

SIZE ReadBitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

TEST(Pictures, TheKeptPictureFollowsEveryChangeOfSize) {
    const HMODULE module = GetModuleHandleW(nullptr);
    // A projector switched from 5:4 to 16:10 changes only the height.
    for (SIZE size : {SIZE{1280, 1024}, SIZE{1280, 800}, SIZE{1024, 800}, SIZE{1280, 800}}) {
        const HBITMAP picture = GetScaledPicture(module, IDB_TITLE, size);
        ASSERT_NE(picture, nullptr);
        const SIZE got = ReadBitmapSize(picture);
        EXPECT_EQ(got.cx, size.cx);
        EXPECT_EQ(got.cy, size.cy);
        EXPECT_EQ(GetScaledPicture(module, IDB_TITLE, size), picture) << "kept for the next paint";
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
        // The picture itself, stretched by the platform without the table.
        Canvas picture = CreateCanvas(kSize.cx, kSize.cy, kUnpainted);
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(
            view.pictures, MAKEINTRESOURCEW(shown.picture), IMAGE_BITMAP, kSize.cx, kSize.cy, 0));
        CopyBitmap(picture.dc, 0, 0, kSize, bitmap);
        DeleteObject(bitmap);
        GdiFlush();
        EXPECT_EQ(std::memcmp(screen.pixels, picture.pixels, kSize.cx * kSize.cy * 4), 0)
            << "screen " << shown.screen;
        DestroyCanvas(picture);
        DestroyCanvas(screen);
    }
}

}  // namespace
