#include "frame_arguments.h"

#include "run_clock.h"
#include "slider_tables.h"

#include <cmath>
#include <cwchar>
#include <cwctype>
#include <sstream>

namespace {

constexpr const wchar_t* kFrameRule = L"frames run from 0 to 1996 in steps of 4";
// Nine digits cannot overflow an int.
constexpr size_t kMaximumDigits = 9;
// Table values are decimals such as 0.0013; a typed value matches the
// entry it parses to, up to rounding in the last bits.
constexpr double kTableTolerance = 1e-12;

bool ReadCount(const std::wstring& text, int& value) {
    if (text.empty() || text.size() > kMaximumDigits) {
        return false;
    }
    value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return false;
        }
        value = value * 10 + (c - L'0');
    }
    return true;
}

bool ReadFrame(const std::wstring& option, const std::wstring& text, int& frame,
               ArgumentError& error) {
    if (!ReadCount(text, frame)) {
        return Refuse(error, option, Quote(text) + L" is not a frame number (" + kFrameRule + L")");
    }
    if (frame > kLastFrame) {
        return Refuse(error, option, text + L" is outside 0..1996 (" + kFrameRule + L")");
    }
    if (frame % kFrameAdvance != 0) {
        return Refuse(error, option, text + L" is not a multiple of 4 (" + kFrameRule + L")");
    }
    return true;
}

std::vector<std::wstring> SplitAt(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::wstring::npos) {
            return parts;
        }
        start = end + 1;
    }
}

bool ReadSingleFrame(const std::wstring& option, const std::wstring& text, FrameRequest& request,
                     ArgumentError& error) {
    if (!ReadFrame(option, text, request.firstFrame, error)) return false;
    request.lastFrame = request.firstFrame;
    return true;
}

bool ReadFrameRange(const std::wstring& option, const std::wstring& text, FrameRequest& request,
                    ArgumentError& error) {
    request.range = true;
    if (text == L"all") {
        request.firstFrame = 0;
        request.lastFrame = kLastFrame;
        request.frameStep = kFrameAdvance;
        return true;
    }
    const std::vector<std::wstring> parts = SplitAt(text, L':');
    if (parts.size() < 2 || parts.size() > 3) {
        return Refuse(error, option,
                      Quote(text) + L" is not a range; write FIRST:LAST or FIRST:LAST:STEP, "
                                    L"such as 0:1996:4, or all");
    }
    if (!ReadFrame(option, parts[0], request.firstFrame, error) ||
        !ReadFrame(option, parts[1], request.lastFrame, error)) {
        return false;
    }
    if (request.firstFrame > request.lastFrame) {
        return Refuse(error, option, L"the first frame " + parts[0] + L" comes after the last " +
                                         parts[1]);
    }
    request.frameStep = kFrameAdvance;
    if (parts.size() == 3 &&
        (!ReadCount(parts[2], request.frameStep) || request.frameStep == 0 ||
         request.frameStep % kFrameAdvance != 0)) {
        return Refuse(error, option,
                      L"the step " + Quote(parts[2]) + L" is not a positive multiple of 4");
    }
    return true;
}

bool ReadScale(const std::wstring& option, const std::wstring& text, FrameRequest& request,
               ArgumentError& error) {
    const std::wstring digits = (!text.empty() && text[0] == L'x') ? text.substr(1) : text;
    if (digits == L"1" || digits == L"5" || digits == L"10") {
        request.scale = std::stoi(digits);
        return true;
    }
    return Refuse(error, option, Quote(text) + L" is not a magnification; choose 1, 5 or 10");
}

bool ReadSize(const std::wstring& option, const std::wstring& text, FrameRequest& request,
              ArgumentError& error) {
    const size_t cross = text.find_first_of(L"xX");
    int width = 0;
    int height = 0;
    if (cross == std::wstring::npos || !ReadCount(text.substr(0, cross), width) ||
        !ReadCount(text.substr(cross + 1), height)) {
        return Refuse(error, option,
                      Quote(text) + L" is not a size; write WIDTHxHEIGHT, such as 1920x1080");
    }
    if (width < kMinimumExportWidth || height < kMinimumExportHeight ||
        width > kMaximumExportWidth || height > kMaximumExportHeight) {
        return Refuse(error, option, text + L" is outside 320x240 to 7680x4320");
    }
    request.width = width;
    request.height = height;
    return true;
}

std::wstring JoinTable(const double* table, int count) {
    std::wostringstream text;
    for (int i = 0; i < count; ++i) {
        text << (i == 0 ? L"" : L" ") << table[i];
    }
    return text.str();
}

// Only the values a slider can set: the solver is not trusted elsewhere.
bool ReadTableValue(const std::wstring& option, const std::wstring& text, const double* table,
                    int count, double& value, ArgumentError& error) {
    const wchar_t* start = text.c_str();
    wchar_t* end = nullptr;
    const double typed = std::wcstod(start, &end);
    if (!text.empty() && end == start + text.size()) {
        for (int i = 0; i < count; ++i) {
            if (std::fabs(typed - table[i]) <= kTableTolerance) {
                value = table[i];
                return true;
            }
        }
    }
    return Refuse(error, option,
                  Quote(text) + L" is not a slider value; choose one of " + JoinTable(table, count));
}

// "a, b, c or d": the names of a table, the last after `last`.
template <typename Entry, size_t count>
std::wstring JoinNames(const Entry (&table)[count], const wchar_t* last) {
    std::wstring names;
    for (size_t i = 0; i < count; ++i) {
        names += i == 0 ? L"" : i + 1 == count ? last : L", ";
        names += table[i].name;
    }
    return names;
}

std::wstring ListScreenNames() {
    return JoinNames(kScreens, L" or ");
}

bool ReadScreen(const std::wstring& text, FrameRequest& request, ArgumentError& error) {
    if (text.empty()) return Refuse(error, L"screen", L"empty name; choose " + ListScreenNames());
    const ScreenEntry* screen = FindScreenNamed(text);
    if (screen == nullptr) {
        return Refuse(error, text, L"unknown screen; choose " + ListScreenNames());
    }
    request.screen = screen->code;
    return true;
}

bool ReadLanguage(const std::wstring& option, const std::wstring& value, FrameRequest& request,
                  ArgumentError& error) {
    if (value != L"en" && value != L"ru") {
        return Refuse(error, option, Quote(value) + L" is not a language; choose en or ru");
    }
    request.language = value;
    return true;
}

bool ReadNonlinearity(const std::wstring& option, const std::wstring& value,
                      FrameRequest& request, ArgumentError& error) {
    return ReadTableValue(option, value, kNonlinearityTable, kNonlinearityPositions,
                          request.nonlinearity, error);
}

bool ReadViscosity(const std::wstring& option, const std::wstring& value, FrameRequest& request,
                   ArgumentError& error) {
    return ReadTableValue(option, value, kViscosityTable, kViscosityPositions, request.viscosity,
                          error);
}

bool ReadOut(const std::wstring& option, const std::wstring& value, FrameRequest& request,
             ArgumentError& error) {
    if (value.empty()) return Refuse(error, option, L"names no file or folder");
    if (NamesDevice(value)) {
        return Refuse(error, option, Quote(value) + L" names a device of Windows, not a file; "
                                                    L"choose another name");
    }
    request.out = value;
    return true;
}

bool ReadProjector(const std::wstring&, const std::wstring&, FrameRequest& request,
                  ArgumentError&) {
    request.projector = true;
    return true;
}

bool ReadCaption(const std::wstring&, const std::wstring&, FrameRequest& request,
                 ArgumentError&) {
    request.caption = true;
    return true;
}

// The screens an option changes. The projector mode, as in the program,
// leaves the picture screens as they are; a caption exists for the plots
// only, and asking for one on a picture is refused rather than ignored.
enum OptionScope { AnyScreen, PlotScreens, FormationScreen };

// A switch stands alone ("--caption"); any other option takes a value:
// "--frame 400" or "--frame=400".
struct OptionRule {
    const wchar_t* name;
    OptionScope scope;
    bool isSwitch;
    bool (*read)(const std::wstring& option, const std::wstring& value, FrameRequest& request,
                 ArgumentError& error);
};

constexpr OptionRule kOptions[] = {
    {L"--frame", FormationScreen, false, ReadSingleFrame},
    {L"--frames", FormationScreen, false, ReadFrameRange},
    {L"--scale", FormationScreen, false, ReadScale},
    {L"--size", AnyScreen, false, ReadSize},
    {L"--language", AnyScreen, false, ReadLanguage},
    {L"--b", FormationScreen, false, ReadNonlinearity},
    {L"--v", FormationScreen, false, ReadViscosity},
    {L"--out", AnyScreen, false, ReadOut},
    {L"--projector", AnyScreen, true, ReadProjector},
    {L"--caption", PlotScreens, true, ReadCaption},
};

// Why `rule` cannot apply to `screen`; empty when it can.
std::wstring FindScopeConflict(const OptionRule& rule, int screen) {
    if (rule.scope == FormationScreen && screen != ScreenFormation) {
        return L"applies to the formation screen only";
    }
    if (rule.scope == PlotScreens && screen != ScreenFormation && screen != ScreenPropagation) {
        return L"applies to the formation and propagation screens only";
    }
    return L"";
}

const OptionRule* FindOption(const std::wstring& name) {
    for (const OptionRule& rule : kOptions) {
        if (name == rule.name) return &rule;
    }
    return nullptr;
}

std::wstring ListOptionNames() {
    return JoinNames(kOptions, L" and ");
}

bool Contains(const std::vector<std::wstring>& list, const std::wstring& item) {
    for (const std::wstring& entry : list) {
        if (entry == item) return true;
    }
    return false;
}

// "con", "com1": the part of a file name before its first dot, without
// the spaces the platform drops at its end.
bool IsDeviceStem(std::wstring stem) {
    while (!stem.empty() && stem.back() == L' ') stem.pop_back();
    for (wchar_t& c : stem) c = static_cast<wchar_t>(std::towupper(c));
    if (stem == L"CON" || stem == L"PRN" || stem == L"AUX" || stem == L"NUL" ||
        stem == L"CONIN$" || stem == L"CONOUT$") {
        return true;
    }
    // COM0..COM9 and LPT0..LPT9, and the superscript digits 1, 2 and 3.
    const bool port = stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 ||
                                           stem.compare(0, 3, L"LPT") == 0);
    return port && ((stem[3] >= L'0' && stem[3] <= L'9') || stem[3] == L'\u00B9' ||
                    stem[3] == L'\u00B2' || stem[3] == L'\u00B3');
}

}  // namespace

std::wstring Quote(const std::wstring& text) {
    return L"'" + text + L"'";
}

bool Refuse(ArgumentError& error, const std::wstring& argument, const std::wstring& reason) {
    error.argument = argument;
    error.reason = reason;
    return false;
}

bool NamesDevice(const std::wstring& path) {
    size_t start = 0;
    for (;;) {
        const size_t end = path.find_first_of(L"\\/", start);
        const std::wstring part = path.substr(start, end - start);
        if (IsDeviceStem(part.substr(0, part.find(L'.')))) return true;
        if (end == std::wstring::npos) return false;
        start = end + 1;
    }
}

bool ParseFrameArguments(const std::vector<std::wstring>& arguments, FrameRequest& request,
                         ArgumentError& error) {
    request = FrameRequest{};
    std::vector<std::wstring> given;
    std::wstring screenName;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (argument == L"--help" || argument == L"-h" || argument == L"/?") {
            request.help = true;
            return true;
        }
        if (argument.size() < 2 || argument[0] != L'-') {
            if (!screenName.empty()) {
                return Refuse(error, argument,
                              L"a second screen after " + screenName + L"; give one screen");
            }
            if (!ReadScreen(argument, request, error)) return false;
            screenName = argument;
            continue;
        }
        const size_t equals = argument.find(L'=');
        const std::wstring option = argument.substr(0, equals);
        const OptionRule* rule = FindOption(option);
        if (rule == nullptr) {
            return Refuse(error, option, L"unknown option; the options are " + ListOptionNames());
        }
        std::wstring value;
        if (rule->isSwitch) {
            if (equals != std::wstring::npos) return Refuse(error, option, L"takes no value");
        } else if (equals != std::wstring::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return Refuse(error, option, L"needs a value");
        }
        if (Contains(given, option)) {
            return Refuse(error, option, L"is given twice");
        }
        given.push_back(option);
        if (!rule->read(option, value, request, error)) return false;
    }
    if (screenName.empty()) {
        return Refuse(error, L"screen", L"missing; choose " + ListScreenNames());
    }
    if (Contains(given, L"--frame") && Contains(given, L"--frames")) {
        return Refuse(error, L"--frames", L"cannot be combined with --frame");
    }
    request.gif = HasExtension(request.out, L".gif");
    if (request.range && HasExtension(request.out, L".png")) {
        return Refuse(error, L"--out",
                      Quote(request.out) + L" is one PNG file, but --frames makes many; give a "
                                           L"folder for the PNG files or a .gif name for one "
                                           L"animated GIF");
    }
    for (const std::wstring& option : given) {
        const std::wstring conflict = FindScopeConflict(*FindOption(option), request.screen);
        if (!conflict.empty()) return Refuse(error, option, conflict + L", not to " + screenName);
    }
    const int lastRunFrame = ComputeLastRunTick(request.viscosity) * kFrameAdvance;
    if (request.range && request.firstFrame > lastRunFrame) {
        return Refuse(error, L"--frames",
                      L"the run at this V ends at its frame " + std::to_wstring(lastRunFrame) +
                          L", before " + std::to_wstring(request.firstFrame));
    }
    return true;
}

std::wstring FormatArgumentError(const ArgumentError& error) {
    return error.argument + L": " + error.reason;
}

std::vector<int> ListRequestedFrames(const FrameRequest& request) {
    if (request.screen != ScreenFormation) {
        return {0};
    }
    if (!request.range) {
        return {request.firstFrame};
    }
    // A range plays the run as the program does: its frames are those of
    // the default run, four a tick of the run's clock, and each shows the
    // column of its tick at the request's V, up to the run's last tick.
    std::vector<int> frames;
    const int lastTick = ComputeLastRunTick(request.viscosity);
    for (int frame = request.firstFrame; frame <= request.lastFrame; frame += request.frameStep) {
        const int tick = frame / kFrameAdvance;
        if (tick > lastTick) break;
        frames.push_back(ComputeRunColumn(tick, request.viscosity));
    }
    return frames;
}

std::wstring ComposeFrameFileName(int screen, int frame) {
    if (screen == ScreenFormation) {
        wchar_t name[32];
        std::swprintf(name, 32, L"formation-%04d.png", frame);
        return name;
    }
    const ScreenEntry* entry = FindScreen(screen);
    return std::wstring(entry != nullptr ? entry->name : L"screen") + L".png";
}

bool HasExtension(const std::wstring& path, const std::wstring& extension) {
    if (path.size() < extension.size()) return false;
    for (size_t i = 0; i < extension.size(); ++i) {
        const wchar_t c = path[path.size() - extension.size() + i];
        if (std::towlower(c) != std::towlower(extension[i])) return false;
    }
    return true;
}

std::wstring DescribeUsage() {
    return L"Usage: kestrum-frames SCREEN [options]\n"
           L"Paints a screen of Kestrum into a PNG file, or frames of it into an\n"
           L"animated GIF.\n"
           L"\n"
           L"Screens:\n"
           L"  formation     one frame of the Wave formation plot\n"
           L"  propagation   the finished Wave propagation plot\n"
           L"  title, theory, authors   the pictures of those screens\n"
           L"\n"
           L"Options:\n"
           L"  --size WxH        picture size, 320x240 to 7680x4320 (default 1366x768)\n"
           L"  --language en|ru  pictures of the English or Russian program (default en)\n"
           L"  --out PATH        .png file to write, or folder for the default name\n"
           L"                    (default: the current folder); a .gif file name\n"
           L"                    writes a GIF (one picture for a single frame)\n"
           L"  --projector       the strong lines of the program's projector mode\n"
           L"                    for this height (8-pixel curves at 3840x2160)\n"
           L"Formation and propagation:\n"
           L"  --caption         the run in words, in the --language: b, V, the time\n"
           L"                    of the frame, its progress and the magnification if\n"
           L"                    not x1; for propagation b, V and the 45 stages\n"
           L"Formation only:\n"
           L"  --frame N         computed column N, 0 to 1996, a multiple of 4\n"
           L"                    (default 0), whatever --v is\n"
           L"  --frames A:B[:S]  the run as the program plays it, on its clock: the\n"
           L"                    frames A to B of the run at the default V, every\n"
           L"                    S-th (S default 4), or all (0:1996:4), each the\n"
           L"                    column that shows the same distance at --v; a run\n"
           L"                    at a larger V ends sooner (at 0.004 after frame\n"
           L"                    1068). --out is then a folder for\n"
           L"                    formation-0000.png ... (named by column) or a .gif\n"
           L"                    file: one GIF, 10 frames a second, looping\n"
           L"  --scale 1|5|10    magnification of the viscous term (default 1)\n"
           L"  --b B, --v V      nonlinearity and viscosity, values of the sliders\n"
           L"                    (default 0.3 and 0.002)\n"
           L"\n"
           L"Exit code 0 when every file was written, 2 for a refused argument\n"
           L"(nothing is written), 1 when painting or writing failed.";
}
