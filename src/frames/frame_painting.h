// Painting a screen of the program off-screen: the program's own painters
// drawing into a picture in memory the size of the wanted file. No window.
#pragma once

#include <windows.h>

#include <string>

#include "frame_arguments.h"

// Loads, as data only, the program of the language beside this one, as
// built (kestrum-<language>.exe) or as released (named in
// cmake/program-names.txt); the painters then use its pictures, loaded as
// DIB sections.
bool LoadLanguagePictures(const std::wstring& language, std::wstring& failure);
void UnloadLanguagePictures();

// Computes what the requested screen shows: for formation the solution
// for the request's b and V and both term fields, for propagation the
// solution for the fixed medium of that screen; pictures need nothing.
void PrepareModel(const FrameRequest& request);

// A top-down 24-bit DIB section selected into a memory context: the rows
// the PNG encoder reads.
struct FrameSurface {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ original;
    BYTE* pixels;
    int width;
    int height;
    int stride;
};
bool CreateFrameSurface(int width, int height, FrameSurface& surface, std::wstring& failure);
void DestroyFrameSurface(FrameSurface& surface);

// Paints `frame` of the requested screen onto the surface, without pauses.
// Fails, saying which, when the screen's picture cannot be loaded at the
// surface's size.
bool PaintFrame(const FrameRequest& request, int frame, const FrameSurface& surface,
                std::wstring& failure);
