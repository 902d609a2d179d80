// The colours a GIF of the program keeps exact, whatever else its frames
// hold: the plots' curves, and the caption's text and bar, which the first
// frame, the palette's source, shows only in part.
#pragma once

#include <cstdint>
#include <vector>

// 0xRRGGBB, the palette's order of a colour.
std::vector<uint32_t> ListExactGifColours();
