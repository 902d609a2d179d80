// PNG files through the platform's own encoder (Windows Imaging
// Component), written so that a file is either complete or absent.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Creates the imaging factory; COM must be initialised on this thread.
// On failure `failure` says why.
bool StartPngEncoder(std::wstring& failure);
void StopPngEncoder();

// Encodes top-down 24-bit BGR rows (`stride` bytes apart) as PNG bytes.
bool EncodePng(const BYTE* pixels, int width, int height, int stride, std::vector<BYTE>& png,
               std::wstring& failure);

// Writes `bytes` to a temporary file in the folder of `path`, then moves
// it onto `path`; on any failure the temporary file is removed and
// `path` is left as it was.
bool WriteFileInPlace(const std::wstring& path, const std::vector<BYTE>& bytes,
                      std::wstring& failure);

