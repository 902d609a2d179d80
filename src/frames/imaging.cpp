#include "imaging.h"

#include <cwchar>

IWICImagingFactory* g_imagingFactory = nullptr;

bool StartImaging(std::wstring& failure) {
    const HRESULT result =
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                         IID_PPV_ARGS(&g_imagingFactory));
    if (FAILED(result)) {
        failure = DescribeFailure(L"creating the imaging factory", result);
        return false;
    }
    return true;
}

void StopImaging() {
    ReleaseInterface(g_imagingFactory);
}

std::wstring DescribeFailure(const wchar_t* step, HRESULT result) {
    wchar_t text[128];
    std::swprintf(text, 128, L"%ls failed (HRESULT 0x%08lX)", step,
                  static_cast<unsigned long>(result));
    return text;
}

IStream* CreateMemoryStream(std::wstring& failure) {
    IStream* stream = nullptr;
    const HRESULT result = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (FAILED(result)) {
        failure = DescribeFailure(L"creating a memory stream", result);
        return nullptr;
    }
    return stream;
}

HRESULT CopyStreamBytes(IStream* stream, std::vector<BYTE>& bytes) {
    STATSTG status = {};
    HGLOBAL memory = nullptr;
    HRESULT result = stream->Stat(&status, STATFLAG_NONAME);
    if (SUCCEEDED(result)) result = GetHGlobalFromStream(stream, &memory);
    if (FAILED(result)) return result;
    const BYTE* locked = static_cast<const BYTE*>(GlobalLock(memory));
    if (locked == nullptr) {
        result = HRESULT_FROM_WIN32(GetLastError());
        return SUCCEEDED(result) ? E_OUTOFMEMORY : result;
    }
    bytes.assign(locked, locked + status.cbSize.QuadPart);
    GlobalUnlock(memory);
    return S_OK;
}

HRESULT SetExactPixelFormat(IWICBitmapFrameEncode* frame, const WICPixelFormatGUID& wanted) {
    WICPixelFormatGUID format = wanted;
    const HRESULT result = frame->SetPixelFormat(&format);
    if (SUCCEEDED(result) && !IsEqualGUID(format, wanted)) {
        return WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    }
    return result;
}
