#include "png_writer.h"

#include "output_paths.h"

#include <wincodec.h>

#include <algorithm>
#include <cwchar>

namespace {

IWICImagingFactory* g_imagingFactory = nullptr;

std::wstring DescribeFailure(const wchar_t* step, HRESULT result) {
    wchar_t text[128];
    std::swprintf(text, 128, L"%ls failed (HRESULT 0x%08lX)", step,
                  static_cast<unsigned long>(result));
    return text;
}

template <typename Interface>
void ReleaseInterface(Interface*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

// Encodes into `stream`; on failure names the step that failed.
HRESULT EncodeIntoStream(IStream* stream, const BYTE* pixels, int width, int height, int stride,
                         const wchar_t*& step) {
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    IPropertyBag2* options = nullptr;
    step = L"creating the PNG encoder";
    HRESULT result = g_imagingFactory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
    if (SUCCEEDED(result)) {
        step = L"starting the PNG encoder";
        result = encoder->Initialize(stream, WICBitmapEncoderNoCache);
    }
    if (SUCCEEDED(result)) {
        step = L"creating the PNG frame";
        result = encoder->CreateNewFrame(&frame, &options);
    }
    if (SUCCEEDED(result)) result = frame->Initialize(options);
    if (SUCCEEDED(result)) {
        step = L"setting the PNG size";
        result = frame->SetSize(width, height);
    }
    if (SUCCEEDED(result)) {
        step = L"setting the PNG pixel format";
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        result = frame->SetPixelFormat(&format);
        // The encoder may offer another format; the rows are BGR only.
        if (SUCCEEDED(result) && !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) {
            result = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
        }
    }
    if (SUCCEEDED(result)) {
        step = L"encoding the pixels";
        result = frame->WritePixels(height, stride, stride * height, const_cast<BYTE*>(pixels));
    }
    if (SUCCEEDED(result)) result = frame->Commit();
    if (SUCCEEDED(result)) {
        step = L"finishing the PNG";
        result = encoder->Commit();
    }
    ReleaseInterface(options);
    ReleaseInterface(frame);
    ReleaseInterface(encoder);
    return result;
}

bool WriteAll(HANDLE file, const std::vector<BYTE>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

bool StartPngEncoder(std::wstring& failure) {
    const HRESULT result =
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                         IID_IWICImagingFactory, reinterpret_cast<void**>(&g_imagingFactory));
    if (FAILED(result)) {
        failure = DescribeFailure(L"creating the imaging factory", result);
        return false;
    }
    return true;
}

void StopPngEncoder() {
    ReleaseInterface(g_imagingFactory);
}

bool EncodePng(const BYTE* pixels, int width, int height, int stride, std::vector<BYTE>& png,
               std::wstring& failure) {
    IStream* stream = nullptr;
    HRESULT result = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (FAILED(result)) {
        failure = DescribeFailure(L"creating a memory stream", result);
        return false;
    }
    const wchar_t* step = L"";
    result = EncodeIntoStream(stream, pixels, width, height, stride, step);
    HGLOBAL memory = nullptr;
    STATSTG status = {};
    if (SUCCEEDED(result)) {
        step = L"reading the PNG bytes";
        result = stream->Stat(&status, STATFLAG_NONAME);
    }
    if (SUCCEEDED(result)) result = GetHGlobalFromStream(stream, &memory);
    if (SUCCEEDED(result)) {
        const BYTE* bytes = static_cast<const BYTE*>(GlobalLock(memory));
        if (bytes == nullptr) {
            result = HRESULT_FROM_WIN32(GetLastError());
            if (SUCCEEDED(result)) result = E_OUTOFMEMORY;
        } else {
            png.assign(bytes, bytes + status.cbSize.QuadPart);
            GlobalUnlock(memory);
        }
    }
    ReleaseInterface(stream);
    if (FAILED(result)) {
        failure = DescribeFailure(step, result);
        return false;
    }
    return true;
}

bool WriteFileInPlace(const std::wstring& path, const std::vector<BYTE>& bytes,
                      std::wstring& failure) {
    std::wstring temporary;
    HANDLE file = CreateTemporaryFile(FindFolderOf(path), temporary);
    if (file == INVALID_HANDLE_VALUE) {
        failure = L"cannot create a temporary file beside " + path;
        return false;
    }
    bool written = WriteAll(file, bytes);
    if (!CloseHandle(file)) {
        written = false;
    }
    if (!written) {
        DeleteFileW(temporary.c_str());
        failure = L"cannot write " + temporary;
        return false;
    }
    if (!MoveFileExW(temporary.c_str(), ExtendPath(path).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(temporary.c_str());
        failure = L"cannot move the finished file onto " + path;
        return false;
    }
    return true;
}
