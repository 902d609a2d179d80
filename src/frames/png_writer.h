// PNG files through the platform's own encoder (imaging.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Encodes top-down 24-bit BGR rows (`stride` bytes apart) as PNG bytes.
bool EncodePng(const BYTE* pixels, int width, int height, int stride, std::vector<BYTE>& png,
               std::wstring& failure);
