// Animated GIF files through the platform's GIF encoder (imaging.h):
// frames are added one at a time, so that only the encoded stream grows,
// never a store of pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Starts an animation of width x height frames, each shown 100 ms, looping
// forever.
bool StartGif(int width, int height, std::wstring& failure);

// Adds a frame of top-down 24-bit BGR rows `stride` bytes apart. The
// first frame sets the palette that all frames share; each later frame is
// encoded as the rectangle that changed, its unchanged pixels see-through.
bool AddGifFrame(const BYTE* pixels, int stride, std::wstring& failure);

// The bytes encoded so far: about what the file will need on disk.
uint64_t CountGifBytes();

// The whole file: the encoded frames with their delays and the loop block.
bool FinishGif(std::vector<BYTE>& gif, std::wstring& failure);

// Releases what StartGif made; safe to call at any point.
void StopGif();
