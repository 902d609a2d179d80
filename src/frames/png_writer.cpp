#include "png_writer.h"

#include "imaging.h"

namespace {

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
        result = SetExactPixelFormat(frame, GUID_WICPixelFormat24bppBGR);
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

}  // namespace

bool EncodePng(const BYTE* pixels, int width, int height, int stride, std::vector<BYTE>& png,
               std::wstring& failure) {
    IStream* stream = CreateMemoryStream(failure);
    if (stream == nullptr) return false;
    const wchar_t* step = L"";
    HRESULT result = EncodeIntoStream(stream, pixels, width, height, stride, step);
    if (SUCCEEDED(result)) {
        step = L"reading the PNG bytes";
        result = CopyStreamBytes(stream, png);
    }
    ReleaseInterface(stream);
    if (FAILED(result)) {
        failure = DescribeFailure(step, result);
        return false;
    }
    return true;
}
