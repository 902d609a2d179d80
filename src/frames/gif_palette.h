// The colour table of a GIF: the colours of a frame reduced to at most
// 256, and pixels turned into indices of it. Plain C++, no platform calls.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

struct GifPalette {
    // 0xRRGGBB, one per entry.
    std::vector<uint32_t> colours;
    // Every colour met so far and the entry nearest to it.
    std::unordered_map<uint32_t, uint8_t> entryOf;
};

// Builds the palette, of `capacity` entries at most (2 to 256), from a
// frame of top-down 24-bit BGR rows `stride` bytes apart. The colours in
// `exact` come first, with entries of their own. When the frame's other
// colours fit, each has its own entry too; otherwise they share the rest
// by median cut: the box with the most pixels times the widest spread is
// cut at the pixel-weighted median of that channel, until the entries are
// used up, each entry the weighted mean of its box. A flat fill holds
// most of the pixels of any box it is in, so the cuts soon leave it alone
// in one, with its exact colour. No dithering: every pixel takes its
// nearest entry.
void BuildGifPalette(const uint8_t* pixels, int width, int height, int stride,
                     const std::vector<uint32_t>& exact, int capacity, GifPalette& palette);

// The entry of each pixel of the frame, row after row, `width` a row.
// A colour not met before takes the nearest entry (squared RGB distance).
void IndexGifPixels(const uint8_t* pixels, int width, int height, int stride,
                    GifPalette& palette, std::vector<uint8_t>& entries);
