// The platform's imaging component (WIC), shared by the PNG and the GIF
// writers: one factory for the run, and the bytes an encoder wrote into a
// memory stream.
#pragma once

#include <windows.h>

#include <wincodec.h>

#include <string>
#include <vector>

extern IWICImagingFactory* g_imagingFactory;

// Creates the imaging factory; COM must be initialised on this thread.
// On failure `failure` says why.
bool StartImaging(std::wstring& failure);
void StopImaging();

// "<step> failed (HRESULT 0x...)".
std::wstring DescribeFailure(const wchar_t* step, HRESULT result);

template <typename Interface>
void ReleaseInterface(Interface*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

// Sets the pixel format of an encoder's frame. The encoder may offer
// another one, but the rows come in this one only: that is
// WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT.
HRESULT SetExactPixelFormat(IWICBitmapFrameEncode* frame, const WICPixelFormatGUID& wanted);

// A memory stream (CreateStreamOnHGlobal) holding what an encoder wrote.
IStream* CreateMemoryStream(std::wstring& failure);

// Copies what was written into a memory stream.
HRESULT CopyStreamBytes(IStream* stream, std::vector<BYTE>& bytes);
