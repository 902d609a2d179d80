// Scaling a picture's pixels with filtering. The platform's scaler does
// not filter everywhere (Wine's takes the nearest pixel), and a picture
// reduced from a larger stored size needs the average of what each pixel
// covers, not a sample of it. Plain C++: no windows.h.
#pragma once

#include <cstdint>

// Scales `source`, sourceWidth x sourceHeight pixels of 0x00RRGGBB in rows
// top-down without padding, to `target`, targetWidth x targetHeight pixels
// of the same form. Reducing, each target pixel is the average of the
// source area it covers; enlarging, the linear interpolation of the two
// nearest source pixels on each axis, the edges held. The fourth byte of
// every target pixel is 0. Sizes are positive; nothing else is checked.
// Throws std::bad_alloc when its working rows cannot be allocated.
void ScalePixels(const uint32_t* source, int sourceWidth, int sourceHeight, uint32_t* target,
                 int targetWidth, int targetHeight);

// Reads `count` rows of the source from row `first` into `rows`, in the
// form above; false when they cannot be read.
using SourceRowReader = bool (*)(const void* source, int first, int count, uint32_t* rows);

// ScalePixels from a source read a few rows at a time, in order, so that
// a large picture never needs to be in memory whole: a fresh page costs
// more than the arithmetic on it. False when a read fails.
bool ScaleRows(SourceRowReader read, const void* source, int sourceWidth, int sourceHeight,
               uint32_t* target, int targetWidth, int targetHeight);
