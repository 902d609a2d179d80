// Reading a picture resource with the platform's imaging component.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// The stored size of picture `id` of `module` and, when `pixels` is given,
// its pixels as 0x00RRGGBB in rows top-down. False when the resource is
// missing or cannot be decoded (COM not initialised, a damaged file, out
// of memory); `pixels` may then hold anything.
bool DecodePicture(HMODULE module, int id, SIZE& size, std::vector<uint32_t>* pixels);
