// kestrum-frames: paints screens of Kestrum into PNG files or animated
// GIFs for slides, handouts and videos. Exit code 0 when every file was
// written, 2 when an argument is refused (before anything is written), 1
// when painting or writing fails.
#include "frame_arguments.h"
#include "frame_painting.h"
#include "gif_writer.h"
#include "imaging.h"
#include "output_paths.h"
#include "png_writer.h"

#include <windows.h>

#include <shellapi.h>

#include <new>
#include <string>
#include <vector>

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitFailed = 1;
constexpr int kExitRefused = 2;
constexpr const wchar_t* kProgramName = L"kestrum-frames: ";

// A console gets wide text; a pipe or file gets UTF-8.
void PrintLine(DWORD stream, const std::wstring& text) {
    const std::wstring line = text + L"\n";
    HANDLE output = GetStdHandle(stream);
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(output, &mode)) {
        WriteConsoleW(output, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
        return;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), &bytes[0], size,
                        nullptr, nullptr);
    WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

int ExitRefused(const ArgumentError& error) {
    PrintLine(STD_ERROR_HANDLE, kProgramName + FormatArgumentError(error));
    return kExitRefused;
}

int Fail(const std::wstring& failure) {
    PrintLine(STD_ERROR_HANDLE, kProgramName + failure);
    return kExitFailed;
}

std::vector<std::wstring> ReadCommandLine() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(words[i]);
    }
    LocalFree(words);
    return arguments;
}

std::wstring DescribeWritten(const std::wstring& path, const FrameRequest& request,
                             const std::wstring& what, size_t bytes) {
    return L"wrote " + path + L" (" + std::to_wstring(request.width) + L"x" +
           std::to_wstring(request.height) + what + L", " + std::to_wstring(bytes) + L" bytes)";
}

std::wstring DescribeSeconds(ULONGLONG started) {
    return std::to_wstring((GetTickCount64() - started + 500) / 1000) + L" s";
}

// One PNG file per frame.
bool WritePngFiles(const FrameRequest& request, const std::vector<std::wstring>& paths,
                   const FrameSurface& surface, std::wstring& failure) {
    const std::vector<int> frames = ListRequestedFrames(request);
    const ULONGLONG started = GetTickCount64();
    std::vector<BYTE> png;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (!PaintFrame(request, frames[i], surface, failure) ||
            !EncodePng(surface.pixels, surface.width, surface.height, surface.stride, png,
                       failure) ||
            !WriteFileInPlace(paths[i], png, failure)) {
            return false;
        }
        PrintLine(STD_OUTPUT_HANDLE, DescribeWritten(paths[i], request, L"", png.size()));
    }
    if (frames.size() > 1) {
        PrintLine(STD_OUTPUT_HANDLE,
                  std::to_wstring(frames.size()) + L" files in " + DescribeSeconds(started));
    }
    return true;
}

// Every frame into one animated GIF, painted and encoded one at a time.
// A disk too full for the frames so far stops the run at once, not after
// the last frame.
bool WriteGifFile(const FrameRequest& request, const std::wstring& path,
                  const FrameSurface& surface, std::wstring& failure) {
    const std::vector<int> frames = ListRequestedFrames(request);
    const ULONGLONG started = GetTickCount64();
    bool written = StartGif(surface.width, surface.height, failure);
    for (size_t i = 0; written && i < frames.size(); ++i) {
        written = PaintFrame(request, frames[i], surface, failure) &&
                  AddGifFrame(surface.pixels, surface.stride, failure) &&
                  HasRoomFor(path, CountGifBytes(), failure);
    }
    std::vector<BYTE> gif;
    written = written && FinishGif(gif, failure);
    StopGif();
    if (!written || !WriteFileInPlace(path, gif, failure)) return false;
    PrintLine(STD_OUTPUT_HANDLE,
              DescribeWritten(path, request, L", " + std::to_wstring(frames.size()) +
                                  (frames.size() == 1 ? L" frame" : L" frames"),
                              gif.size()) +
                  L" in " + DescribeSeconds(started));
    return true;
}

int ExportFrames(const FrameRequest& request, const std::vector<std::wstring>& paths) {
    std::wstring failure;
    FrameSurface surface;
    if (!StartImaging(failure)) return Fail(failure);
    if (!CreateFrameSurface(request.width, request.height, surface, failure)) {
        StopImaging();
        return Fail(failure);
    }
    PrepareModel(request);
    const bool written = request.gif ? WriteGifFile(request, paths[0], surface, failure)
                                     : WritePngFiles(request, paths, surface, failure);
    DestroyFrameSurface(surface);
    StopImaging();
    return written ? kExitWritten : Fail(failure);
}

int ExportFromCommandLine() {
    const std::vector<std::wstring> arguments = ReadCommandLine();
    if (arguments.empty()) {
        PrintLine(STD_ERROR_HANDLE, DescribeUsage());
        return kExitRefused;
    }
    FrameRequest request;
    ArgumentError error;
    if (!ParseFrameArguments(arguments, request, error)) {
        return ExitRefused(error);
    }
    if (request.help) {
        PrintLine(STD_OUTPUT_HANDLE, DescribeUsage());
        return kExitWritten;
    }
    // Everything that can be refused is checked before the first file.
    std::wstring failure;
    if (!LoadLanguagePictures(request.language, failure)) {
        return Fail(failure);
    }
    std::vector<std::wstring> paths;
    if (!ResolveOutputPaths(request, paths, error)) {
        UnloadLanguagePictures();
        return ExitRefused(error);
    }
    int result = kExitFailed;
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(com)) {
        result = Fail(DescribeFailure(L"starting COM for the image encoder", com));
    } else {
        result = ExportFrames(request, paths);
        CoUninitialize();
    }
    UnloadLanguagePictures();
    if (result != kExitWritten) RemoveCreatedFolderIfEmpty();
    return result;
}

}  // namespace

int main() {
    try {
        return ExportFromCommandLine();
    } catch (const std::bad_alloc&) {
        // Unwinding has freed what the run held: the message can be built.
        RemoveCreatedFolderIfEmpty();
        return Fail(L"out of memory; a smaller --size needs less");
    }
}
