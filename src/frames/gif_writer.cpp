#include "gif_writer.h"

#include "gif_blocks.h"
#include "gif_colours.h"
#include "gif_palette.h"
#include "imaging.h"

#include <algorithm>
#include <cstring>

namespace {

// One entry stays free for the see-through pixels of the later frames.
constexpr int kPaletteColours = 255;
constexpr int kFrameDelay = 10;  // hundredths of a second: the program's 100 ms

IStream* g_gifStream = nullptr;
IWICBitmapEncoder* g_gifEncoder = nullptr;
IWICPalette* g_gifPalette = nullptr;
GifPalette g_palette;
GifAnimation g_animation;
// Palette entries: what the animation shows after the last frame, the
// next frame, and the rectangle of it that is encoded.
std::vector<uint8_t> g_shown;
std::vector<uint8_t> g_next;
std::vector<uint8_t> g_changed;

bool SetSharedPalette(std::wstring& failure) {
    std::vector<WICColor> colours;
    for (uint32_t colour : g_palette.colours) colours.push_back(0xFF000000u | colour);
    colours.push_back(0);  // the see-through entry
    HRESULT result = g_imagingFactory->CreatePalette(&g_gifPalette);
    if (SUCCEEDED(result)) {
        result = g_gifPalette->InitializeCustom(colours.data(), static_cast<UINT>(colours.size()));
    }
    if (SUCCEEDED(result)) result = g_gifEncoder->SetPalette(g_gifPalette);
    if (FAILED(result)) {
        failure = DescribeFailure(L"setting the GIF palette", result);
        return false;
    }
    return true;
}

// The rectangle where `g_next` differs from `g_shown`, as its entries
// with the unchanged ones see-through; a pixel at the corner when nothing
// changed, as every frame needs an image to keep its time.
void CollectChange(GifImageControl& control, int& width, int& height) {
    const int screenWidth = g_animation.width;
    const int seeThrough = static_cast<int>(g_palette.colours.size());
    int left = screenWidth;
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < g_animation.height; ++y) {
        const uint8_t* shown = &g_shown[static_cast<size_t>(y) * screenWidth];
        const uint8_t* next = &g_next[static_cast<size_t>(y) * screenWidth];
        if (std::memcmp(shown, next, screenWidth) == 0) continue;
        if (top < 0) top = y;
        bottom = y;
        int x = 0;
        while (shown[x] == next[x]) ++x;
        left = std::min(left, x);
        x = screenWidth - 1;
        while (shown[x] == next[x]) --x;
        right = std::max(right, x);
    }
    if (top < 0) {
        left = right = top = bottom = 0;
    }
    control = GifImageControl{left, top, seeThrough};
    width = right - left + 1;
    height = bottom - top + 1;
    g_changed.resize(static_cast<size_t>(width) * height);
    uint8_t* changed = g_changed.data();
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const size_t i = static_cast<size_t>(y) * screenWidth + x;
            *changed++ = g_next[i] == g_shown[i] ? static_cast<uint8_t>(seeThrough) : g_next[i];
        }
    }
}

HRESULT EncodeImage(const uint8_t* entries, int width, int height, const wchar_t*& step) {
    IWICBitmapFrameEncode* frame = nullptr;
    IPropertyBag2* options = nullptr;
    step = L"creating a GIF frame";
    HRESULT result = g_gifEncoder->CreateNewFrame(&frame, &options);
    if (SUCCEEDED(result)) result = frame->Initialize(options);
    if (SUCCEEDED(result)) result = frame->SetSize(width, height);
    if (SUCCEEDED(result)) {
        step = L"setting the GIF pixel format";
        result = SetExactPixelFormat(frame, GUID_WICPixelFormat8bppIndexed);
    }
    if (SUCCEEDED(result)) result = frame->SetPalette(g_gifPalette);
    if (SUCCEEDED(result)) {
        step = L"encoding a GIF frame";
        result = frame->WritePixels(height, width, width * height, const_cast<BYTE*>(entries));
    }
    if (SUCCEEDED(result)) result = frame->Commit();
    ReleaseInterface(options);
    ReleaseInterface(frame);
    return result;
}

}  // namespace

bool StartGif(int width, int height, std::wstring& failure) {
    StopGif();
    g_animation.width = width;
    g_animation.height = height;
    g_animation.delay = kFrameDelay;
    g_animation.loops = 0;
    g_gifStream = CreateMemoryStream(failure);
    if (g_gifStream == nullptr) return false;
    HRESULT result =
        g_imagingFactory->CreateEncoder(GUID_ContainerFormatGif, nullptr, &g_gifEncoder);
    if (SUCCEEDED(result)) result = g_gifEncoder->Initialize(g_gifStream, WICBitmapEncoderNoCache);
    if (FAILED(result)) {
        failure = DescribeFailure(L"starting the GIF encoder", result);
        return false;
    }
    return true;
}

bool AddGifFrame(const BYTE* pixels, int stride, std::wstring& failure) {
    const int width = g_animation.width;
    const int height = g_animation.height;
    const bool first = g_animation.images.empty();
    if (first) {
        BuildGifPalette(pixels, width, height, stride, ListExactGifColours(), kPaletteColours,
                        g_palette);
        if (!SetSharedPalette(failure)) return false;
    }
    IndexGifPixels(pixels, width, height, stride, g_palette, g_next);
    GifImageControl control;
    const uint8_t* entries = g_next.data();
    int imageWidth = width;
    int imageHeight = height;
    if (!first) {
        CollectChange(control, imageWidth, imageHeight);
        entries = g_changed.data();
    }
    const wchar_t* step = L"";
    const HRESULT result = EncodeImage(entries, imageWidth, imageHeight, step);
    if (FAILED(result)) {
        failure = DescribeFailure(step, result);
        return false;
    }
    g_animation.images.push_back(control);
    g_shown.swap(g_next);
    return true;
}

uint64_t CountGifBytes() {
    STATSTG status = {};
    if (g_gifStream == nullptr || FAILED(g_gifStream->Stat(&status, STATFLAG_NONAME))) return 0;
    return status.cbSize.QuadPart;
}

bool FinishGif(std::vector<BYTE>& gif, std::wstring& failure) {
    std::vector<BYTE> encoded;
    const wchar_t* step = L"finishing the GIF";
    HRESULT result = g_gifEncoder->Commit();
    if (SUCCEEDED(result)) {
        step = L"reading the GIF bytes";
        result = CopyStreamBytes(g_gifStream, encoded);
    }
    if (FAILED(result)) {
        failure = DescribeFailure(step, result);
        return false;
    }
    if (!AnimateGif(encoded.data(), encoded.size(), g_animation, gif)) {
        failure = L"the GIF encoder wrote a stream that is not a whole GIF";
        return false;
    }
    return true;
}

void StopGif() {
    ReleaseInterface(g_gifPalette);
    ReleaseInterface(g_gifEncoder);
    ReleaseInterface(g_gifStream);
    g_animation = GifAnimation{};
    g_palette = GifPalette{};
    g_shown.clear();
    g_next.clear();
    g_changed.clear();
}
