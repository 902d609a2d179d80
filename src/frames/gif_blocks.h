// The blocks of a GIF89a file, walked to make an encoded GIF an
// animation. The platform's GIF encoder is asked only for the image data:
// the timing and loop blocks are put in here. Asking the encoder for them
// through its metadata writers works on Windows, but Wine's writers answer
// E_NOTIMPL for the delay and the loop block, and the file would be a
// still picture there; this way the file is the same whichever wrote it.
// Plain C++, no platform calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// How one image of the animation is shown.
struct GifImageControl {
    int left = 0;  // its place on the logical screen
    int top = 0;
    int transparentEntry = -1;  // a palette entry left see-through, or -1
};

struct GifAnimation {
    int width = 0;  // the logical screen
    int height = 0;
    int delay = 10;  // hundredths of a second each image stays
    int loops = 0;   // times the animation plays again; 0 is forever
    std::vector<GifImageControl> images;
};

// Rewrites an encoded GIF as `animation` says. The logical screen gets its
// size; a NETSCAPE2.0 block with the loop count follows the global colour
// table (any other NETSCAPE2.0 block is dropped); every image gets its own
// Graphic Control Extension right before it (the delay; disposal "do not
// dispose", as each image paints over the one before; the transparent
// entry), in place of any the encoder wrote; every image is moved to its
// place. Everything else is copied as it is. Returns false when the bytes
// are not a whole GIF or hold another number of images.
bool AnimateGif(const uint8_t* encoded, size_t size, const GifAnimation& animation,
                std::vector<uint8_t>& animated);
