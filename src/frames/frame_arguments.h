// The command line of kestrum-frames: which screen to paint, at what
// size, in which language, and where the PNG or GIF files go. No platform calls,
// so every refusal can be tested in-process.
#pragma once

#include <string>
#include <vector>

#include "screen_table.h"
#include "wave_model.h"

constexpr int kMinimumExportWidth = 320;
constexpr int kMinimumExportHeight = 240;
constexpr int kMaximumExportWidth = 7680;
constexpr int kMaximumExportHeight = 4320;

struct FrameRequest {
    int screen = ScreenFormation;
    // A single frame is the range first..first; `range` tells whether the
    // frames go to a folder, one file each.
    bool range = false;
    int firstFrame = 0;
    int lastFrame = 0;
    int frameStep = kFrameAdvance;
    int scale = 1;
    int width = 1366;
    int height = 768;
    std::wstring language = L"en";
    // Formation only: the medium, one value of each slider's table.
    double nonlinearity = 0.3;
    double viscosity = 0.002;
    // As given; empty means the current folder.
    std::wstring out;
    // --out names a .gif: every frame goes into that one animated GIF.
    bool gif = false;
    // The projector mode's line widths for the export height.
    bool projector = false;
    // Formation and propagation: the run's caption, in `language`.
    bool caption = false;
    bool help = false;
};

// A refused command line: the argument at fault (an option such as
// "--frame", or the screen name) and what is wrong with it.
struct ArgumentError {
    std::wstring argument;
    std::wstring reason;
};

// 'text': how a refusal shows what was typed.
std::wstring Quote(const std::wstring& text);

// Fills `error` and returns false, for `return Refuse(...)`.
bool Refuse(ArgumentError& error, const std::wstring& argument, const std::wstring& reason);

// Whether a part of `path` is a name the platform keeps for a device (CON,
// PRN, AUX, NUL, COM1..9, LPT1..9, in any case and with any extension):
// "con.png" opens the console, not a file.
bool NamesDevice(const std::wstring& path);

// Reads the arguments after the program name. On success fills `request`
// and returns true; otherwise fills `error` and returns false.
bool ParseFrameArguments(const std::vector<std::wstring>& arguments, FrameRequest& request,
                         ArgumentError& error);

// "--frame: 401 is not a multiple of 4 ..." : the one line printed for a refusal.
std::wstring FormatArgumentError(const ArgumentError& error);

// The frames a request paints, in order (one entry for a single frame;
// one zero entry for screens without frames).
std::vector<int> ListRequestedFrames(const FrameRequest& request);

// The file name used inside an output folder: "formation-0400.png",
// "propagation.png", "title.png" ...
std::wstring ComposeFrameFileName(int screen, int frame);

// Whether `path` ends in `extension` (".png"), in any case.
bool HasExtension(const std::wstring& path, const std::wstring& extension);

// Usage text for --help and for an empty command line.
std::wstring DescribeUsage();
