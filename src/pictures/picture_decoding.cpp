#include "picture_decoding.h"

#include <cstring>

namespace {

template <typename Interface>
void Release(Interface*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

// The bytes of a picture's PNG file; false when there is none.
bool FindPictureBytes(HMODULE module, int id, int density, BYTE*& bytes, DWORD& count) {
    const wchar_t type[] = {L'P', L'N', L'G', static_cast<wchar_t>(L'0' + density), L'\0'};
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) return false;
    bytes = static_cast<BYTE*>(LockResource(LoadResource(module, found)));
    count = SizeofResource(module, found);
    return bytes != nullptr && count != 0;
}

// A big-endian number of the PNG header.
LONG ReadBigEndian(const BYTE* bytes) {
    return static_cast<LONG>((static_cast<DWORD>(bytes[0]) << 24) | (bytes[1] << 16) |
                             (bytes[2] << 8) | bytes[3]);
}

// The frame's palette as 0x00RRGGBB, all 256 entries.
HRESULT ReadPalette(OpenedPicture& picture) {
    IWICPalette* palette = nullptr;
    WICColor colours[256] = {};
    UINT count = 0;
    HRESULT result = picture.factory->CreatePalette(&palette);
    if (SUCCEEDED(result)) result = picture.frame->CopyPalette(palette);
    if (SUCCEEDED(result)) result = palette->GetColors(256, colours, &count);
    Release(palette);
    if (SUCCEEDED(result)) {
        picture.palette.assign(256, 0);
        for (UINT i = 0; i < count; ++i) picture.palette[i] = colours[i] & 0xFFFFFFu;
    }
    return result;
}

}  // namespace

SIZE ReadStoredSize(HMODULE module, int id, int density) {
    // The signature (8 bytes), the IHDR chunk's length and name (8), its
    // width and height (4 each).
    constexpr BYTE kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    BYTE* bytes = nullptr;
    DWORD count = 0;
    if (!FindPictureBytes(module, id, density, bytes, count) || count < 24 ||
        memcmp(bytes, kSignature, sizeof kSignature) != 0 || memcmp(bytes + 12, "IHDR", 4) != 0) {
        return SIZE{};
    }
    return SIZE{ReadBigEndian(bytes + 16), ReadBigEndian(bytes + 20)};
}

bool OpenPicture(HMODULE module, int id, int density, OpenedPicture& picture) {
    picture = OpenedPicture{};
    BYTE* bytes = nullptr;
    DWORD count = 0;
    if (!FindPictureBytes(module, id, density, bytes, count)) return false;

    // The first factory interface, which Windows 7 has too.
    HRESULT result = CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(&picture.factory));
    if (SUCCEEDED(result)) result = picture.factory->CreateStream(&picture.stream);
    // The stream only reads the resource, which stays mapped with the module.
    if (SUCCEEDED(result)) result = picture.stream->InitializeFromMemory(bytes, count);
    if (SUCCEEDED(result)) {
        result = picture.factory->CreateDecoderFromStream(
            picture.stream, nullptr, WICDecodeMetadataCacheOnDemand, &picture.decoder);
    }
    if (SUCCEEDED(result)) result = picture.decoder->GetFrame(0, &picture.frame);
    WICPixelFormatGUID format = {};
    if (SUCCEEDED(result)) result = picture.frame->GetPixelFormat(&format);
    if (SUCCEEDED(result) && IsEqualGUID(format, GUID_WICPixelFormat8bppIndexed)) {
        result = ReadPalette(picture);
    }
    if (SUCCEEDED(result)) result = picture.factory->CreateFormatConverter(&picture.converter);
    if (SUCCEEDED(result)) {
        result = picture.converter->Initialize(picture.frame, GUID_WICPixelFormat32bppBGR,
                                               WICBitmapDitherTypeNone, nullptr, 0.0,
                                               WICBitmapPaletteTypeCustom);
    }
    UINT width = 0;
    UINT height = 0;
    if (SUCCEEDED(result)) result = picture.converter->GetSize(&width, &height);
    if (SUCCEEDED(result) && (width == 0 || height == 0 || width > 0x7FFF || height > 0x7FFF)) {
        result = WINCODEC_ERR_IMAGESIZEOUTOFRANGE;
    }
    if (FAILED(result)) {
        ClosePicture(picture);
        return false;
    }
    picture.size = SIZE{static_cast<LONG>(width), static_cast<LONG>(height)};
    return true;
}

bool ReadPictureRows(const void* picture, int first, int count, uint32_t* rows) {
    const auto* opened = static_cast<const OpenedPicture*>(picture);
    const WICRect band{0, first, opened->size.cx, count};
    const UINT width = static_cast<UINT>(opened->size.cx);
    if (opened->palette.empty()) {
        return SUCCEEDED(opened->converter->CopyPixels(&band, width * 4, width * 4 * count,
                                                       reinterpret_cast<BYTE*>(rows)));
    }
    opened->indices.resize(static_cast<size_t>(width) * count);
    if (FAILED(opened->frame->CopyPixels(&band, width, width * count, opened->indices.data()))) {
        return false;
    }
    const uint32_t* palette = opened->palette.data();
    for (BYTE index : opened->indices) *rows++ = palette[index];
    return true;
}

void ClosePicture(OpenedPicture& picture) {
    Release(picture.converter);
    Release(picture.frame);
    Release(picture.decoder);
    Release(picture.stream);
    Release(picture.factory);
}
