// Reading a picture resource with the platform's imaging component. Each
// picture is stored at kPictureDensities sizes under its id, as resource
// types PNG1 to PNG4: its size at 96 DPI first, then larger ones.
#pragma once

#include <windows.h>
#include <wincodec.h>

#include <cstdint>
#include <vector>

// A picture being read: its stored size, and its pixels converted to
// 0x00RRGGBB on demand: through its palette when it has one (the
// platform's converter takes several times longer), else by the converter.
struct OpenedPicture {
    SIZE size;
    IWICImagingFactory* factory;
    IWICStream* stream;
    IWICBitmapDecoder* decoder;
    IWICBitmapFrameDecode* frame;
    IWICFormatConverter* converter;
    std::vector<uint32_t> palette;       // empty: read through the converter
    mutable std::vector<BYTE> indices;  // the rows last read, as palette indices
};

constexpr int kPictureDensities = 4;

// The size of picture `id` stored at `density`, read from its PNG header;
// {0, 0} when there is no such picture.
SIZE ReadStoredSize(HMODULE module, int id, int density);

// Opens picture `id` of `module` stored at `density`. False when the resource is missing or
// cannot be decoded (COM not initialised, a damaged file, out of memory);
// `picture` then holds nothing to close.
bool OpenPicture(HMODULE module, int id, int density, OpenedPicture& picture);

// Reads `count` rows from row `first` into `rows`, rows top-down without
// padding. Fits SourceRowReader (picture_scaling.h), with `picture` an
// OpenedPicture.
bool ReadPictureRows(const void* picture, int first, int count, uint32_t* rows);

void ClosePicture(OpenedPicture& picture);
