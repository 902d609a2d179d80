// The GIF's blocks and palette, in-process: what a platform encoder may
// write besides the image data is replaced, and near or rare colours cost
// the curves nothing.
#include "gif_blocks.h"
#include "gif_colours.h"
#include "gif_palette.h"
#include "plot_pens.h"
#include "run_caption_painting.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes joined;
    for (const Bytes& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

TEST(GifBlocks, TimingAndLoopReplaceTheEncodersOwn) {
    // A 1 x 1 screen with a table of two colours; 2 x 1 images, the second
    // with a table of its own.
    const Bytes screen = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 1, 2, 3, 4, 5, 6};
    const Bytes loopHead = {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',
                            3, 1};
    const Bytes comment = {0x21, 0xFE, 2, 'h', 'i', 0};
    const Bytes first = {0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0};
    const Bytes second = {0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0x80, 9, 9, 9, 8, 8, 8, 2, 1, 0x44, 0};
    const Bytes encoded = Join({screen, loopHead, {5, 0, 0}, comment,
                                {0x21, 0xF9, 4, 0, 0, 0, 0, 0}, first, second, {0x3B}});
    GifAnimation animation;
    animation.width = 300;
    animation.height = 2;
    animation.images = {{0, 0, -1}, {258, 1, 3}};
    Bytes animated;
    ASSERT_TRUE(AnimateGif(encoded.data(), encoded.size(), animation, animated));
    Bytes resized = screen;
    resized[6] = 44;  // 300 = 1 * 256 + 44
    resized[7] = 1;
    resized[8] = 2;
    Bytes moved = second;
    moved[1] = 2;  // 258
    moved[2] = 1;
    moved[3] = 1;
    EXPECT_EQ(animated, Join({resized, loopHead, {0, 0, 0}, comment,
                              {0x21, 0xF9, 4, 0x04, 10, 0, 0, 0}, first,
                              {0x21, 0xF9, 4, 0x05, 10, 0, 3, 0}, moved, {0x3B}}));
    // A cut stream, or another number of images, is not rewritten.
    EXPECT_FALSE(AnimateGif(encoded.data(), encoded.size() - 3, animation, animated));
    animation.images.pop_back();
    EXPECT_FALSE(AnimateGif(encoded.data(), encoded.size(), animation, animated));
}

TEST(GifPalette, PlotColoursStayExactAmongManyNearColours) {
    // White, a pixel of each colour the painters draw the curves and the
    // caption with, 2000 rare colours near white and 999 near the viscous
    // curve's blue: too many near colours for an entry each.
    constexpr int kSide = 100;
    std::vector<uint32_t> exact;
    for (COLORREF pen : {kPlotBlack, kPlotRed, kPlotBlue, kPropagationBlack, kRunCaptionColour}) {
        exact.push_back(GetRValue(pen) << 16 | GetGValue(pen) << 8 | GetBValue(pen));
    }
    Bytes pixels(kSide * kSide * 3, 0xFF);
    const auto put = [&pixels](int pixel, uint32_t colour) {
        for (int c = 0; c < 3; ++c) pixels[pixel * 3 + c] = colour >> (8 * c) & 0xFF;
    };
    for (int i = 0; i < 2000; ++i) {
        put(4000 + i, (255 - i % 200) | (255 - i / 10) << 8 | (255 - i % 7) << 16);
    }
    for (int i = 1; i < 1000; ++i) {
        put(6000 + i, (255 - i / 100 * 3) | (i / 10 % 10 * 3) << 8 | (i % 10 * 3) << 16);
    }
    for (size_t i = 0; i < exact.size(); ++i) put(static_cast<int>(i), exact[i]);
    GifPalette palette;
    BuildGifPalette(pixels.data(), kSide, kSide, kSide * 3, ListExactGifColours(), 255, palette);
    EXPECT_LE(palette.colours.size(), 255u);
    Bytes entries;
    IndexGifPixels(pixels.data(), kSide, kSide, kSide * 3, palette, entries);
    for (size_t i = 0; i < exact.size(); ++i) EXPECT_EQ(palette.colours[entries[i]], exact[i]);
    EXPECT_EQ(palette.colours[entries.back()], 0xFFFFFFu);
    int distant = 0;
    for (int i = 0; i < kSide * kSide * 3; ++i) {
        const int entry = palette.colours[entries[i / 3]] >> (8 * (i % 3)) & 0xFF;
        distant += std::abs(entry - pixels[i]) > 32;
    }
    EXPECT_EQ(distant, 0);
}

}  // namespace
