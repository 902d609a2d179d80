#include "picture_decoding.h"

#include "pictures.h"

#include <wincodec.h>

#include <new>

namespace {

template <typename Interface>
void Release(Interface*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

// The bytes of a resource of the module; false when there is none.
bool FindPictureBytes(HMODULE module, int id, BYTE*& bytes, DWORD& count) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), kPictureType);
    if (found == nullptr) return false;
    bytes = static_cast<BYTE*>(LockResource(LoadResource(module, found)));
    count = SizeofResource(module, found);
    return bytes != nullptr && count != 0;
}

}  // namespace

bool DecodePicture(HMODULE module, int id, SIZE& size, std::vector<uint32_t>* pixels) {
    BYTE* bytes = nullptr;
    DWORD count = 0;
    if (!FindPictureBytes(module, id, bytes, count)) return false;

    // The first factory interface, which Windows 7 has too.
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    HRESULT result = CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
    if (SUCCEEDED(result)) result = factory->CreateStream(&stream);
    // The stream only reads the resource, which stays mapped with the module.
    if (SUCCEEDED(result)) result = stream->InitializeFromMemory(bytes, count);
    if (SUCCEEDED(result)) {
        result = factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                  &decoder);
    }
    if (SUCCEEDED(result)) result = decoder->GetFrame(0, &frame);
    if (SUCCEEDED(result)) result = factory->CreateFormatConverter(&converter);
    if (SUCCEEDED(result)) {
        result = converter->Initialize(frame, GUID_WICPixelFormat32bppBGR,
                                       WICBitmapDitherTypeNone, nullptr, 0.0,
                                       WICBitmapPaletteTypeCustom);
    }
    UINT width = 0;
    UINT height = 0;
    if (SUCCEEDED(result)) result = converter->GetSize(&width, &height);
    if (SUCCEEDED(result) && (width == 0 || height == 0 || width > 0x7FFF || height > 0x7FFF)) {
        result = WINCODEC_ERR_IMAGESIZEOUTOFRANGE;
    }
    if (SUCCEEDED(result) && pixels != nullptr) {
        try {
            pixels->resize(static_cast<size_t>(width) * height);
            result = converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                           reinterpret_cast<BYTE*>(pixels->data()));
        } catch (const std::bad_alloc&) {
            result = E_OUTOFMEMORY;
        }
    }
    Release(converter);
    Release(frame);
    Release(decoder);
    Release(stream);
    Release(factory);
    size = SIZE{static_cast<LONG>(width), static_cast<LONG>(height)};
    return SUCCEEDED(result);
}
