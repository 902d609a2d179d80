// The built kestrum-frames.exe, started as a separate process: the PNG
// files it writes are decoded again with the platform's decoder and
// checked pixel by pixel; refused arguments leave nothing behind.
#include <windows.h>

#include <wincodec.h>

#include <gtest/gtest.h>

#include "program_names.h"
#include "resource_ids.h"
#include "run_caption_painting.h"
#include "run_clock.h"
#include "wave_model.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kRunTimeoutMs = 120000;
constexpr COLORREF kPlotBlack = RGB(4, 0, 0);
constexpr COLORREF kPlotRed = RGB(255, 0, 0);
constexpr COLORREF kPlotBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
// A 2-pixel pen may cover the pixel on either side of its coordinate.
constexpr int kPenSlack = 1;
// A GIF's palette moves the pictures' smoothed edges by this much at most.
constexpr int kPaletteRounding = 24;
// Curves cross the axes; most of an axis row still shows the axis.
constexpr double kAxisShare = 0.8;

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// The program's path as Wine sees the Linux file system: drive Z.
std::wstring ProgramPath() {
    std::wstring path = L"Z:" + Widen(KESTRUM_FRAMES_PROGRAM);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::vector<std::wstring> ListFiles(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::wstring& name : ListFiles(path)) RemoveTree(path + L"\\" + name);
        RemoveDirectoryW(path.c_str());
    } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    }
}

// An empty folder of the test's own, and one beside it for the logs.
struct Scratch {
    std::wstring folder;
    std::wstring logs;
};

Scratch MakeScratch() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring base = std::wstring(temp) + L"kestrum-frames-" +
                              Widen(testing::UnitTest::GetInstance()->current_test_info()->name()) +
                              L"-" + std::to_wstring(GetCurrentProcessId());
    Scratch scratch{base, base + L"-logs"};
    RemoveTree(scratch.folder);
    RemoveTree(scratch.logs);
    CreateDirectoryW(scratch.folder.c_str(), nullptr);
    CreateDirectoryW(scratch.logs.c_str(), nullptr);
    return scratch;
}

void RemoveScratch(const Scratch& scratch) {
    RemoveTree(scratch.folder);
    RemoveTree(scratch.logs);
}

struct Outcome {
    DWORD exitCode;
    std::string out;
    std::string err;
};

HANDLE CreateLog(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string ReadText(const std::wstring& path) {
    std::string text;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    CloseHandle(file);
    return text;
}

Outcome RunProgram(const std::wstring& program, const std::wstring& arguments,
                   const Scratch& scratch) {
    // New files for every run: an ended child's handles may outlive it
    // for a moment under Wine.
    static int s_runs = 0;
    const std::wstring number = std::to_wstring(++s_runs);
    const std::wstring outPath = scratch.logs + L"\\out-" + number + L".txt";
    const std::wstring errPath = scratch.logs + L"\\err-" + number + L".txt";
    HANDLE out = CreateLog(outPath);
    HANDLE err = CreateLog(errPath);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    std::wstring line = L"\"" + program + L"\" " + arguments;
    PROCESS_INFORMATION process = {};
    Outcome outcome = {~0u, "", ""};
    const BOOL started = CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(out);
    CloseHandle(err);
    EXPECT_TRUE(started) << "cannot start " << std::string(line.begin(), line.end());
    if (!started) return outcome;
    if (WaitForSingleObject(process.hProcess, kRunTimeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "kestrum-frames did not finish";
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    GetExitCodeProcess(process.hProcess, &outcome.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    outcome.out = ReadText(outPath);
    outcome.err = ReadText(errPath);
    return outcome;
}

Outcome RunFrames(const std::wstring& arguments, const Scratch& scratch) {
    return RunProgram(ProgramPath(), arguments, scratch);
}

// A copy of kestrum-frames in the logs folder with the given built
// programs beside it, each under the name given with it; returns the copy.
std::wstring CopyExporter(const Scratch& scratch,
                          const std::vector<std::pair<std::wstring, std::wstring>>& programs) {
    const std::wstring built = ProgramPath().substr(0, ProgramPath().find_last_of(L'\\') + 1);
    const std::wstring copy = scratch.logs + L"\\kestrum-frames.exe";
    EXPECT_TRUE(CopyFileW(ProgramPath().c_str(), copy.c_str(), FALSE));
    for (const auto& program : programs) {
        const std::wstring beside = scratch.logs + L"\\" + program.second;
        EXPECT_TRUE(CopyFileW((built + program.first).c_str(), beside.c_str(), FALSE));
    }
    return copy;
}

std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

// A frame decoded by the platform: BGRA pixels, top row first; for a GIF
// also its place and its delay (-1 when it has none).
struct Image {
    int width = 0;
    int height = 0;
    bool rgbWithoutAlpha = false;
    std::vector<uint32_t> pixels;
    int left = 0;
    int top = 0;
    int delay = 0;
};

template <typename Interface>
void ReleaseInterface(Interface* object) {
    if (object != nullptr) object->Release();
}

int ReadMetadataWord(IWICBitmapFrameDecode* frame, const wchar_t* name) {
    IWICMetadataQueryReader* reader = nullptr;
    PROPVARIANT value;
    PropVariantInit(&value);
    int word = -1;
    if (SUCCEEDED(frame->GetMetadataQueryReader(&reader)) &&
        SUCCEEDED(reader->GetMetadataByName(name, &value)) && value.vt == VT_UI2) {
        word = value.uiVal;
    }
    PropVariantClear(&value);
    ReleaseInterface(reader);
    return word;
}

// Every frame of the file, which must be of the given container format.
bool DecodeFrames(const std::wstring& path, const GUID& expected, std::vector<Image>& images) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    GUID container = {};
    UINT count = 0;
    HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(&factory));
    if (SUCCEEDED(result)) {
        result = factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                    WICDecodeMetadataCacheOnDemand, &decoder);
    }
    if (SUCCEEDED(result)) result = decoder->GetContainerFormat(&container);
    if (SUCCEEDED(result) && !IsEqualGUID(container, expected)) result = E_FAIL;
    if (SUCCEEDED(result)) result = decoder->GetFrameCount(&count);
    images.assign(SUCCEEDED(result) ? count : 0, Image{});
    for (UINT i = 0; SUCCEEDED(result) && i < count; ++i) {
        IWICBitmapFrameDecode* frame = nullptr;
        IWICFormatConverter* converter = nullptr;
        WICPixelFormatGUID format = {};
        UINT width = 0;
        UINT height = 0;
        result = decoder->GetFrame(i, &frame);
        if (SUCCEEDED(result)) result = frame->GetPixelFormat(&format);
        if (SUCCEEDED(result)) result = frame->GetSize(&width, &height);
        if (SUCCEEDED(result)) result = factory->CreateFormatConverter(&converter);
        if (SUCCEEDED(result)) {
            result = converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA,
                                           WICBitmapDitherTypeNone, nullptr, 0,
                                           WICBitmapPaletteTypeCustom);
        }
        Image& image = images[i];
        if (SUCCEEDED(result)) {
            image.width = static_cast<int>(width);
            image.height = static_cast<int>(height);
            image.rgbWithoutAlpha = IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) != 0;
            image.pixels.assign(static_cast<size_t>(width) * height, 0);
            result = converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                           reinterpret_cast<BYTE*>(image.pixels.data()));
            image.left = ReadMetadataWord(frame, L"/imgdesc/Left");
            image.top = ReadMetadataWord(frame, L"/imgdesc/Top");
            image.delay = ReadMetadataWord(frame, L"/grctlext/Delay");
        }
        ReleaseInterface(converter);
        ReleaseInterface(frame);
    }
    ReleaseInterface(decoder);
    ReleaseInterface(factory);
    return SUCCEEDED(result);
}

bool DecodePng(const std::wstring& path, Image& image) {
    std::vector<Image> images;
    if (!DecodeFrames(path, GUID_ContainerFormatPng, images) || images.size() != 1) return false;
    image = images[0];
    return true;
}

COLORREF PixelAt(const Image& image, int x, int y) {
    const uint32_t bgra = image.pixels[static_cast<size_t>(y) * image.width + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

int CountInRow(const Image& image, int y, int left, int right, COLORREF colour) {
    int count = 0;
    for (int x = left; x < right; ++x) count += PixelAt(image, x, y) == colour;
    return count;
}

bool HasColourNear(const Image& image, int x, int y, COLORREF colour) {
    for (int dx = -kPenSlack; dx <= kPenSlack; ++dx) {
        if (PixelAt(image, x + dx, y) == colour) return true;
    }
    return false;
}

// Top- and bottom-most rows holding `colour` in the columns left..right-1.
void FindVerticalExtent(const Image& image, int left, int right, int top, int bottom,
                        COLORREF colour, int& highest, int& lowest) {
    highest = -1;
    lowest = -1;
    for (int y = top; y < bottom; ++y) {
        if (CountInRow(image, y, left, right, colour) > 0) {
            if (highest < 0) highest = y;
            lowest = y;
        }
    }
}

Image WriteAndDecode(const std::wstring& arguments, const Scratch& scratch,
                     const std::wstring& name) {
    const std::wstring path = scratch.folder + L"\\" + name;
    const Outcome run = RunFrames(arguments + L" --out " + Quoted(path), scratch);
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(run.out.find("wrote"), std::string::npos) << run.out;
    Image image;
    EXPECT_TRUE(DecodePng(path, image)) << "cannot decode " << std::string(name.begin(), name.end());
    return image;
}

TEST(FramesProgram, FormationFrameIsThePlotAtTheRequestedSize) {
    const Scratch scratch = MakeScratch();
    constexpr int kWidth = 1000;
    constexpr int kHeight = 700;
    const Image image = WriteAndDecode(L"formation --frame 400 --size 1000x700", scratch,
                                       L"frame.png");
    ASSERT_EQ(image.width, kWidth);
    ASSERT_EQ(image.height, kHeight);
    EXPECT_TRUE(image.rgbWithoutAlpha);
    // The profile axis: from W/2 - W/14 to the arrow tip at W - 40.
    const int axisY = kHeight / 10 + kHeight / 7;
    const int left = kWidth / 2 - kWidth / 14;
    const int right = kWidth - 40;
    EXPECT_GE(CountInRow(image, axisY, left, right, kPlotBlack), kAxisShare * (right - left));
    EXPECT_EQ(CountInRow(image, axisY, right + 2, kWidth, kPlotBlack), 0);
    // Only the finished file is left, no temporary one.
    EXPECT_EQ(ListFiles(scratch.folder), std::vector<std::wstring>{L"frame.png"});
    RemoveScratch(scratch);
}

TEST(FramesProgram, FirstFrameShowsTheInitialSineAndItsSpeed) {
    const Scratch scratch = MakeScratch();
    const Image image = WriteAndDecode(L"formation --size 1366x768", scratch, L"first.png");
    ASSERT_EQ(image.width, 1366);
    ASSERT_EQ(image.height, 768);
    // The crest lies left of the vertical axes (x = 953), the trough right
    // of them: the sine at y = 89 and 280, the speed curve at 393 and 450.
    constexpr int kCrestLeft = 616;
    constexpr int kCrestRight = 940;
    constexpr int kTroughLeft = 966;
    constexpr int kTroughRight = 1300;
    int highest = 0;
    int lowest = 0;
    FindVerticalExtent(image, kCrestLeft, kCrestRight, 40, 330, kPlotBlack, highest, lowest);
    EXPECT_NEAR(highest, 89, kPenSlack);
    FindVerticalExtent(image, kTroughLeft, kTroughRight, 40, 330, kPlotBlack, highest, lowest);
    EXPECT_NEAR(lowest, 280, kPenSlack);
    FindVerticalExtent(image, kCrestLeft, kCrestRight, 360, 500, kPlotRed, highest, lowest);
    EXPECT_NEAR(highest, 393, kPenSlack);
    FindVerticalExtent(image, kTroughLeft, kTroughRight, 360, 500, kPlotRed, highest, lowest);
    EXPECT_NEAR(lowest, 450, kPenSlack);
    RemoveScratch(scratch);
}

TEST(FramesProgram, SlidesHaveNoScaleFrameAndFramesDiffer) {
    const Scratch scratch = MakeScratch();
    const Image first = WriteAndDecode(L"formation --frame 0 --scale 1 --size 1366x768", scratch,
                                       L"x1.png");
    const Image later = WriteAndDecode(L"formation --frame 1000 --scale 10 --size 1366x768",
                                       scratch, L"x10.png");
    ASSERT_EQ(first.pixels.size(), later.pixels.size());
    // No buttons on a slide, so no blue frame where the program marks x1
    // (H-205..H-145) or x10 (H-55..H) with its left edge at x = 265.
    for (const Image* image : {&first, &later}) {
        EXPECT_FALSE(HasColourNear(*image, 265, 768 - 175, kPlotBlue));
        EXPECT_FALSE(HasColourNear(*image, 265, 768 - 25, kPlotBlue));
    }
    // Frame 1000 has steepened: the profile panel is not that of frame 0.
    int differing = 0;
    for (int y = 60; y < 300; ++y) {
        for (int x = 616; x < 1347; ++x) differing += PixelAt(first, x, y) != PixelAt(later, x, y);
    }
    EXPECT_GT(differing, 100);
    RemoveScratch(scratch);
}

TEST(FramesProgram, SliderValuesReachTheModel) {
    const Scratch scratch = MakeScratch();
    // b = 0: the speed c + b u stays on the level line c (y = 422).
    const Image linear = WriteAndDecode(L"formation --b 0 --size 1366x768", scratch, L"b0.png");
    int highest = 0;
    int lowest = 0;
    FindVerticalExtent(linear, 616, 1300, 360, 500, kPlotRed, highest, lowest);
    EXPECT_NEAR(highest, 422, kPenSlack);
    EXPECT_NEAR(lowest, 422, kPenSlack);
    // A fourfold viscosity changes the viscous term of a steepened frame.
    const Image thin = WriteAndDecode(L"formation --v 0.001 --frame 1000 --scale 10", scratch,
                                      L"v1.png");
    const Image thick = WriteAndDecode(L"formation --v 0.004 --frame 1000 --scale 10", scratch,
                                       L"v4.png");
    int differing = 0;
    for (int y = (5 * 768) / 7; y < 768; ++y) {
        for (int x = 616; x < 1300; ++x) differing += PixelAt(thin, x, y) != PixelAt(thick, x, y);
    }
    EXPECT_GT(differing, 100);
    RemoveScratch(scratch);
}

TEST(FramesProgram, LanguageChoosesThePictures) {
    const Scratch scratch = MakeScratch();
    const Image english = WriteAndDecode(L"formation --language en --size 800x600", scratch,
                                         L"en.png");
    const Image russian = WriteAndDecode(L"formation --language ru --size 800x600", scratch,
                                         L"ru.png");
    ASSERT_EQ(english.pixels.size(), russian.pixels.size());
    // The heading in the upper left is the picture's own.
    int differing = 0;
    for (int y = 0; y < 600 / 10; ++y) {
        for (int x = 0; x < 400; ++x) differing += PixelAt(english, x, y) != PixelAt(russian, x, y);
    }
    EXPECT_GT(differing, 100);
    // As released, with only the released programs beside it, the
    // exporter paints the same Russian picture.
    std::vector<std::pair<std::wstring, std::wstring>> names;
    for (const ReleasedName& name : kReleasedNames) {
        names.push_back({L"kestrum-" + std::wstring(name.language) + L".exe", name.program});
    }
    const std::wstring released = CopyExporter(scratch, names);
    const std::wstring path = scratch.folder + L"\\released.png";
    const Outcome run = RunProgram(
        released, L"formation --language ru --size 800x600 --out " + Quoted(path), scratch);
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    Image releasedRussian;
    ASSERT_TRUE(DecodePng(path, releasedRussian));
    EXPECT_TRUE(releasedRussian.pixels == russian.pixels);
    RemoveScratch(scratch);
}

TEST(FramesProgram, RangeWritesOneFilePerFrameIntoANewFolder) {
    const Scratch scratch = MakeScratch();
    const std::wstring video = scratch.folder + L"\\video";
    const Outcome run = RunFrames(L"formation --frames 0:8:4 --size 320x240 --out " + Quoted(video),
                              scratch);
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    const std::vector<std::wstring> expected = {L"formation-0000.png", L"formation-0004.png",
                                                L"formation-0008.png"};
    ASSERT_EQ(ListFiles(video), expected);
    for (const std::wstring& name : expected) {
        Image image;
        ASSERT_TRUE(DecodePng(video + L"\\" + name, image));
        EXPECT_EQ(image.width, 320);
        EXPECT_EQ(image.height, 240);
        EXPECT_NE(run.out.find(std::string(name.begin(), name.end())), std::string::npos);
    }
    RemoveScratch(scratch);
}

TEST(FramesProgram, GifPlaysTheRangeAtTheProgramsPaceForever) {
    const Scratch scratch = MakeScratch();
    const std::wstring gif = scratch.folder + L"\\run.gif";
    // The caption's words and bar change after the first frame, which
    // the palette is made from.
    const std::wstring options = L"formation --size 640x360 --scale 10 --v 0.001 --caption";
    Outcome run = RunFrames(options + L" --frames 0:1000:500 --out " + Quoted(gif), scratch);
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    // On the program's clock the range's frame 1000 is column 568 at V = 0.001.
    const int lastColumn = ComputeRunColumn(1000 / kFrameAdvance, 0.001);
    const Image last =
        WriteAndDecode(options + L" --frame " + std::to_wstring(lastColumn), scratch, L"last.png");
    std::vector<Image> frames;
    ASSERT_TRUE(DecodeFrames(gif, GUID_ContainerFormatGif, frames));
    ASSERT_EQ(frames.size(), 3u);
    for (const Image& frame : frames) EXPECT_EQ(frame.delay, 10);
    // The loop block, read from the bytes: loop count 0, forever.
    EXPECT_NE(ReadText(gif).find(std::string("NETSCAPE2.0\x03\x01\x00\x00", 16)),
              std::string::npos);
    // The first frame is whole. Its opaque pixels, and those of the later
    // frames at their place, show that column: the black, red and blue
    // curves and the caption's colour exact, the rest within the
    // palette's rounding.
    ASSERT_EQ(frames[0].width, 640);
    ASSERT_EQ(frames[0].height, 360);
    Image shown = frames[0];
    for (const Image& change : frames) {
        for (int i = 0; i < change.width * change.height; ++i) {
            const int x = change.left + i % change.width;
            const int y = change.top + i / change.width;
            if (change.pixels[i] >> 24 != 0) shown.pixels[y * 640 + x] = change.pixels[i];
        }
    }
    int wrong = 0;
    for (int i = 0; i < 640 * 360; ++i) {
        const COLORREF want = PixelAt(last, i % 640, i / 640);
        const COLORREF got = PixelAt(shown, i % 640, i / 640);
        int rounding = 0;
        for (int shift : {0, 8, 16}) {
            rounding = std::max(rounding, std::abs(static_cast<int>((want >> shift) & 0xFF) -
                                                   static_cast<int>((got >> shift) & 0xFF)));
        }
        const bool exact = want == kPlotBlack || want == kPlotRed || want == kPlotBlue ||
                           want == kRunCaptionColour;
        wrong += exact ? got != want : rounding > kPaletteRounding;
    }
    EXPECT_EQ(wrong, 0);
    // Another screen is a GIF of one picture.
    const std::wstring title = scratch.folder + L"\\title.gif";
    run = RunFrames(L"title --size 320x240 --out " + Quoted(title), scratch);
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    ASSERT_TRUE(DecodeFrames(title, GUID_ContainerFormatGif, frames));
    EXPECT_EQ(frames.size(), 1u);
    EXPECT_EQ(ListFiles(scratch.folder),
              (std::vector<std::wstring>{L"last.png", L"run.gif", L"title.gif"}));
    RemoveScratch(scratch);
}

TEST(FramesProgram, CaptionAndProjectorReachTheFrames) {
    const Scratch scratch = MakeScratch();
    const std::wstring frame = L"formation --frame 1000 --scale 10 --size 1024x768";
    const Image plain = WriteAndDecode(frame, scratch, L"plain.png");
    const Image english = WriteAndDecode(frame + L" --caption", scratch, L"en.png");
    const Image russian = WriteAndDecode(frame + L" --caption --language ru", scratch, L"ru.png");
    const auto ink = [](const Image& image, const RECT& area) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            count += CountInRow(image, y, area.left, area.right, kRunCaptionColour);
        }
        return count;
    };
    // The run's line, and the magnification that no button shows on a slide.
    const RECT run = ComputeRunCaptionArea({1024, 768});
    for (const RECT& area : {run, ComputeMagnificationArea({1024, 768})}) {
        EXPECT_EQ(ink(plain, area), 0);
        EXPECT_GT(ink(english, area), 0);
    }
    EXPECT_NE(ink(english, run), ink(russian, run)) << "the same words in both languages";
    // The projector mode at 2160 rows: 8-pixel curves (round joins may add
    // one), here the viscous term running flat on its axis left of the front.
    const Image large = WriteAndDecode(L"formation --frame 1000 --projector --size 3840x2160",
                                       scratch, L"4k.png");
    int curve = 0;
    for (int y = (6 * 2160) / 7 - 20; y < (6 * 2160) / 7 + 20; ++y) {
        curve += PixelAt(large, 1920, y) == kPlotBlue;
    }
    EXPECT_GE(curve, 8);
    EXPECT_LE(curve, 8 + kPenSlack);
    RemoveScratch(scratch);
}

TEST(FramesProgram, PropagationIsTheFinishedPlot) {
    const Scratch scratch = MakeScratch();
    constexpr int kWidth = 1280;
    constexpr int kHeight = 1024;
    const Image image = WriteAndDecode(L"propagation --size 1280x1024", scratch, L"plot.png");
    ASSERT_EQ(image.width, kWidth);
    ASSERT_EQ(image.height, kHeight);
    EXPECT_EQ(PixelAt(image, 5, 5), kWhite);
    // Four baselines across the whole width; the curves on them are black too.
    for (int y : {292, 438, 585, 731}) {
        EXPECT_EQ(CountInRow(image, y, 0, kWidth, kBlack), kWidth) << "baseline " << y;
    }
    // Every baseline's curve reaches the right edge: all stages were drawn.
    for (int y : {292, 438, 585, 731}) {
        int curve = 0;
        for (int dy = -kHeight / 16; dy <= kHeight / 16; ++dy) {
            if (dy != 0) curve += CountInRow(image, y + dy, kWidth - 40, kWidth, kBlack);
        }
        EXPECT_GT(curve, 0) << "baseline " << y;
    }
    // The header picture at (W/2 - 300, 10).
    int header = 0;
    for (int y = 10; y < 110; ++y) header += (805 - 340) - CountInRow(image, y, 340, 805, kWhite);
    EXPECT_GT(header, 100);
    RemoveScratch(scratch);
}

TEST(FramesProgram, PictureScreensFillTheSize) {
    const Scratch scratch = MakeScratch();
    for (const wchar_t* screen : {L"title", L"theory", L"authors"}) {
        const Image image = WriteAndDecode(std::wstring(screen) + L" --language ru --size 640x480",
                                           scratch, std::wstring(screen) + L".png");
        ASSERT_EQ(image.width, 640);
        ASSERT_EQ(image.height, 480);
        int coloured = 0;
        for (int y = 0; y < 480; ++y) coloured += 640 - CountInRow(image, y, 0, 640, kWhite);
        EXPECT_GT(coloured, 640 * 480 / 50) << "a blank picture";
    }
    RemoveScratch(scratch);
}

TEST(FramesProgram, ReplacesAnExistingFileWhole) {
    const Scratch scratch = MakeScratch();
    const std::wstring path = scratch.folder + L"\\frame.png";
    ASSERT_EQ(RunFrames(L"formation --size 640x480 --out " + Quoted(path), scratch).exitCode, 0u);
    ASSERT_EQ(RunFrames(L"formation --size 800x600 --out " + Quoted(path), scratch).exitCode, 0u);
    Image image;
    ASSERT_TRUE(DecodePng(path, image));
    EXPECT_EQ(image.width, 800);
    EXPECT_EQ(ListFiles(scratch.folder), std::vector<std::wstring>{L"frame.png"});
    RemoveScratch(scratch);
}

TEST(FramesProgram, AFolderAsOutGetsTheDefaultName) {
    const Scratch scratch = MakeScratch();
    const Outcome run = RunFrames(L"formation --frame 400 --size 320x240 --out " +
                                  Quoted(scratch.folder),
                              scratch);
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(ListFiles(scratch.folder), std::vector<std::wstring>{L"formation-0400.png"});
    RemoveScratch(scratch);
}

TEST(FramesProgram, RefusedArgumentsExitWithTwoAndWriteNothing) {
    const Scratch scratch = MakeScratch();
    const std::wstring file = Quoted(scratch.folder + L"\\frame.png");
    const std::wstring video = scratch.folder + L"\\video";
    // A file where a range wants its folder.
    const std::wstring existing = scratch.folder + L"\\existing.png";
    CloseHandle(CreateFileW(existing.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_READONLY, nullptr));
    const struct {
        std::wstring arguments;
        const char* named;
    } kRefusals[] = {
        {L"bogus --out " + file, "bogus: unknown screen"},
        {L"formation --out " + Quoted(scratch.folder + L"\\con.png"), "--out: "},
        {L"formation --frame 401 --out " + file, "--frame: "},
        {L"formation --frame 2000 --out " + file, "--frame: "},
        {L"formation --scale 3 --out " + file, "--scale: "},
        {L"formation --size 319x240 --out " + file, "--size: "},
        {L"formation --size 7681x4320 --out " + file, "--size: "},
        {L"formation --size 1920by1080 --out " + file, "--size: "},
        {L"formation --language de --out " + file, "--language: "},
        {L"propagation --frame 4 --out " + file, "--frame: "},
        {L"formation --out " + Quoted(scratch.folder + L"\\missing\\frame.png"), "--out: "},
        {L"formation --out " + Quoted(scratch.folder + L"\\frame.bmp"), "--out: "},
        {L"formation --frames 0:8 --out " + Quoted(existing), "--out: "},
        {L"formation --frames 0:8 --out " + Quoted(scratch.folder + L"\\a.png"), "--out: "},
        {L"formation --out " + Quoted(existing), "--out: "},
        {L"formation --frames 0:2000 --out " + Quoted(video), "--frames: "},
        {L"formation --frames 0:8 --out " + Quoted(scratch.folder + L"\\missing\\video"),
         "--out: "},
    };
    for (const auto& refusal : kRefusals) {
        const std::string line(refusal.arguments.begin(), refusal.arguments.end());
        const Outcome run = RunFrames(refusal.arguments, scratch);
        EXPECT_EQ(run.exitCode, 2u) << line;
        EXPECT_EQ(run.err.rfind(std::string("kestrum-frames: ") + refusal.named, 0), 0u)
            << line << " -> " << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        EXPECT_TRUE(run.out.empty()) << line;
        EXPECT_EQ(ListFiles(scratch.folder), std::vector<std::wstring>{L"existing.png"}) << line;
    }
    RemoveScratch(scratch);
}

TEST(FramesProgram, WritesIntoAFolderLongerThanMaxPath) {
    const Scratch scratch = MakeScratch();
    std::wstring folder = scratch.folder;
    while (folder.size() < 300) {
        folder += L"\\" + std::wstring(60, L'f');
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr));
    }
    const std::wstring file = folder + L"\\frame.png";
    const Outcome run = RunFrames(L"formation --size 320x240 --out " + Quoted(file), scratch);
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(GetFileAttributesW((L"\\\\?\\" + file).c_str()), INVALID_FILE_ATTRIBUTES);
    RemoveScratch(scratch);
}

TEST(FramesProgram, HelpAndEmptyCommandLine) {
    const Scratch scratch = MakeScratch();
    const Outcome help = RunFrames(L"--help", scratch);
    EXPECT_EQ(help.exitCode, 0u);
    EXPECT_EQ(help.out.rfind("Usage: kestrum-frames", 0), 0u) << help.out;
    const Outcome empty = RunFrames(L"", scratch);
    EXPECT_EQ(empty.exitCode, 2u);
    EXPECT_EQ(empty.err.rfind("Usage: kestrum-frames", 0), 0u) << empty.err;
    RemoveScratch(scratch);
}

// The DLLs a program imports, lower case, read from its import directory.
std::vector<std::string> ListImports(const std::wstring& path) {
    std::vector<std::string> names;
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) return names;
    // An image-resource handle carries flag bits; the image starts below them.
    const BYTE* base =
        reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module) & ~ULONG_PTR{3});
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
        base + directory.VirtualAddress);
    for (; directory.VirtualAddress != 0 && entry->Name != 0; ++entry) {
        std::string name = reinterpret_cast<const char*>(base + entry->Name);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](char c) { return static_cast<char>(std::tolower(c)); });
        names.push_back(name);
    }
    FreeLibrary(module);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FramesProgram, ImportsOnlySystemLibraries) {
    const std::vector<std::string> expected = {"gdi32.dll", "kernel32.dll", "msvcrt.dll",
                                               "ole32.dll", "shell32.dll",  "user32.dll"};
    EXPECT_EQ(ListImports(ProgramPath()), expected);
}

TEST(FramesProgram, MissingProgramOrPictureFailsWithOneAndWritesNothing) {
    const Scratch scratch = MakeScratch();
    // A copy of kestrum-frames alone, without kestrum-en.exe beside it.
    const std::wstring alone = CopyExporter(scratch, {});
    Outcome run = RunProgram(alone, L"formation --out " + Quoted(scratch.folder + L"\\x.png"),
                             scratch);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("kestrum-en.exe"), std::string::npos) << run.err;
    // Beside a program whose title picture is unreadable, into a folder
    // the run would create: no file, and no folder left behind.
    CopyExporter(scratch, {{L"kestrum-en.exe", L"kestrum-en.exe"}});
    HANDLE update = BeginUpdateResourceW((scratch.logs + L"\\kestrum-en.exe").c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    char junk[] = "junk";
    ASSERT_TRUE(UpdateResourceW(update, L"PNG1", MAKEINTRESOURCEW(IDB_TITLE),
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), junk, sizeof junk));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
    run = RunProgram(alone, L"title --out " + Quoted(scratch.folder + L"\\slides/"), scratch);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("picture 105 (title)"), std::string::npos) << run.err;
    EXPECT_TRUE(ListFiles(scratch.folder).empty());
    RemoveScratch(scratch);
}

}  // namespace
