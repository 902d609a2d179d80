// Thousands of random user actions against the real main window: clicks on
// the buttons of the current screen, stray command ids, bursts of timer
// ticks, slider moves, scroll messages from other windows, paints and new
// window sizes, with the program's invariants checked after every message.
// The run is reproducible: KESTRUM_SOAK_SEED replays a seed, and
// KESTRUM_SOAK_MESSAGES sets the length of the run.
#include "app.h"
#include "button_panels.h"
#include "gdi_counter.h"
#include "language.h"
#include "plots.h"
#include "run_clock.h"
#include "screens.h"
#include "slider_tables.h"
#include "test_windows.h"

#include <commctrl.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <deque>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr unsigned long kDefaultSeed = 20240917;
constexpr long kDefaultMessages = 20000;
constexpr int kLongestBurst = 600;
constexpr int kHighestSetPosition = 40;
constexpr int kScrollCodes = TB_ENDTRACK + 1;
constexpr SIZE kSmallestClient{640, 480};
constexpr SIZE kLargestClient{3840, 2160};
// Sizes of real projectors and screens, tried besides random ones.
constexpr SIZE kCommonClients[] = {{640, 480},   {800, 600},   {1024, 768}, {1280, 1024},
                                   {1366, 768},  {1920, 1080}, {2560, 1440}, {3840, 2160}};
// A new size at most this often: each lays the screen's controls out again.
constexpr long kMessagesBetweenResizes = 300;
// Each propagation paint pauses 4.5 s; only this many run, without the pauses.
constexpr int kRealPropagationPaints = 2;
// Memory in use may exceed that after the first Wave formation by a fixed
// allowance plus some bytes per pixel of the largest client area so far:
// the window's surface, the test's canvas, and the 32- and 24-bit copies of
// the stretched background that Wine keeps for a while after a paint. At
// 3840 x 2160 this is 222 MiB, of which runs use up to about 150; one
// leaked pair of term fields is 21 MiB.
constexpr SIZE_T kMemoryAllowance = SIZE_T{64} << 20;
constexpr SIZE_T kMemoryPerPixel = 20;
constexpr size_t kHistoryLength = 12;

enum Action { Click, UnknownCommand, TimerBurst, SliderScroll, ForeignScroll, Paint, Resize };
constexpr int kActionCount = Resize + 1;
const char* const kActionNames[kActionCount] = {
    "button clicks", "unknown commands", "timer ticks", "slider scrolls",
    "foreign scrolls", "paints", "resizes"};
// Relative frequencies. Bursts are rare but long. A formation frame at
// 3840 x 2160 costs about 0.3 s under Wine, so paints are rarer than clicks,
// and among the clicks the solving ones (Wave formation, Reset, Wave
// propagation) have a modest share.
constexpr double kActionWeights[kActionCount] = {30, 9, 2.5, 22, 7, 9, 1.5};

struct ButtonWeight {
    int id;
    double weight;
};
// Exit never comes up at random: it ends the program, so it is pressed
// once, at the end of the run.
constexpr ButtonWeight kButtonWeights[] = {
    {ID_START_PAUSE, 4}, {ID_RESET, 0.8},     {ID_MENU, 1.5},   {ID_SCALE_1, 1},
    {ID_SCALE_5, 1},     {ID_SCALE_10, 1},    {ID_THEORY, 2},   {ID_AUTHORS, 2},
    {ID_PROPAGATION, 1}, {ID_FORMATION, 3.5}, {ID_EXIT, 0}};

// What the program must be showing, kept by the test from what it sent.
struct Expected {
    int screen;
    int frame;
    int scale;
    bool running;
    double viscosity;
    double nonlinearity;
    SIZE panelClient;       // client size when the screen's controls were last laid out
    SIZE startPauseClient;  // ... and when the Start/Pause button was last made
};

struct Soak {
    HWND window = nullptr;
    unsigned long seed = kDefaultSeed;
    long messageTarget = kDefaultMessages;
    std::mt19937 random;
    Expected expected{};
    SIZE client{};
    Canvas canvas{};

    long step = 0;  // messages sent so far; the failing one is printed
    std::deque<std::string> history;
    std::string violation;

    long sent[kActionCount] = {};
    double milliseconds[kActionCount] = {};
    long clicks[ID_SCALE_10 - ID_START_PAUSE + 1] = {};
    long canvasPaints = 0;
    long windowPaints = 0;
    long realPropagationPaints = 0;
    long skippedPropagationPaints = 0;
    long queuedTicksDropped = 0;
    long ticksAtLastFrame = 0;
    long scrollsOutsideTable = 0;
    long visits[ScreenTheory + 1] = {};
    long resizeStep = 0;
    SIZE_T memoryBase = 0;
    SIZE_T largestArea = 0;  // pixels of the largest client area so far
    SIZE_T memoryPeak = 0;
};

// ---- Reading the program -------------------------------------------------

SIZE_T ReadPagefileUsage() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

SIZE ReadClientSize(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

bool IsViscosityValue(double value) {
    return std::find(std::begin(kViscosityTable), std::end(kViscosityTable), value) !=
           std::end(kViscosityTable);
}

bool IsNonlinearityValue(double value) {
    return std::find(std::begin(kNonlinearityTable), std::end(kNonlinearityTable), value) !=
           std::end(kNonlinearityTable);
}

const char* DescribeScreen(int screen) {
    switch (screen) {
    case ScreenAuthors: return "authors";
    case ScreenPropagation: return "propagation";
    case ScreenFormation: return "formation";
    case ScreenTitle: return "title";
    case ScreenTheory: return "theory";
    }
    return "unknown";
}

// ---- The controls each screen must have ----------------------------------

struct ControlSpec {
    const char* name;
    HWND* handle;
    int id;
    const wchar_t* className;
    RECT rect;            // client coordinates
    std::wstring text;    // empty: not compared (trackbars)
    bool hasProgramFont;
};

// The controls of the expected screen, the buttons where the panels' own
// geometry puts them for the client size at which each was made (the shell
// tests hold that geometry to the specified numbers).
std::vector<ControlSpec> ListExpectedControls(const Expected& e) {
    const SIZE client = e.panelClient;
    constexpr int dpi = kDefaultDpi;
    std::vector<ControlSpec> controls;
    switch (e.screen) {
    case ScreenTitle: {
        RECT title[kTitleButtonCount];
        ComputeTitlePanel(client, dpi, kTitleColumnDivisor, title);
        controls = {
            {"theory", &g_theoryButton, ID_THEORY, L"Button", title[0], kTheoryCaption, true},
            {"propagation", &g_propagationButton, ID_PROPAGATION, L"Button", title[1],
             kPropagationCaption, true},
            {"formation", &g_formationButton, ID_FORMATION, L"Button", title[2],
             kFormationCaption, true},
            {"exit", &g_exitButton, ID_EXIT, L"Button", title[3], kExitCaption, true},
            {"authors", &g_authorsButton, ID_AUTHORS, L"Button", title[4], kAuthorsCaption,
             true}};
        break;
    }
    case ScreenAuthors:
    case ScreenTheory:
    case ScreenPropagation: {
        const MenuButtonPosition position =
            e.screen == ScreenPropagation ? MenuButtonPropagation : MenuButtonLeft;
        controls = {{"menu", &g_menuButton, ID_MENU, L"Button",
                     ComputeLoneMenuButton(client, dpi, position), kMenuCaption, true}};
        break;
    }
    case ScreenFormation: {
        RECT panel[kFormationButtonCount];
        ComputeFormationPanel(client, dpi, panel);
        RECT startPause[kFormationButtonCount];
        ComputeFormationPanel(e.startPauseClient, dpi, startPause);
        const SliderPanel sliders = ComputeSliderPanel(client, dpi);
        controls = {
            {"start/pause", &g_startPauseButton, ID_START_PAUSE, L"Button", startPause[0],
             e.running ? kPauseCaption : kStartCaption, true},
            {"reset", &g_resetButton, ID_RESET, L"Button", panel[1], kResetCaption, true},
            {"menu", &g_menuButton, ID_MENU, L"Button", panel[2], kMenuCaption, true},
            {"x1", &g_scale1Button, ID_SCALE_1, L"Button", panel[3], kScale1Caption, true},
            {"x5", &g_scale5Button, ID_SCALE_5, L"Button", panel[4], kScale5Caption, true},
            {"x10", &g_scale10Button, ID_SCALE_10, L"Button", panel[5], kScale10Caption, true},
            {"V slider", &g_viscositySlider, ID_SLIDER, L"msctls_trackbar32",
             sliders.viscositySlider, L"", false},
            {"b slider", &g_nonlinearitySlider, ID_SLIDER, L"msctls_trackbar32",
             sliders.nonlinearitySlider, L"", false},
            {"V label", &g_viscosityLabel, ID_SLIDER_LABEL, L"Static", sliders.viscosityLabel,
             FormatViscosityLabel(e.viscosity), true},
            {"b label", &g_nonlinearityLabel, ID_SLIDER_LABEL, L"Static",
             sliders.nonlinearityLabel, FormatNonlinearityLabel(e.nonlinearity), true}};
        break;
    }
    }
    return controls;
}

struct HandleVariable {
    const char* name;
    HWND* handle;
};
const HandleVariable kHandleVariables[] = {
    {"g_theoryButton", &g_theoryButton},
    {"g_propagationButton", &g_propagationButton},
    {"g_formationButton", &g_formationButton},
    {"g_exitButton", &g_exitButton},
    {"g_authorsButton", &g_authorsButton},
    {"g_startPauseButton", &g_startPauseButton},
    {"g_resetButton", &g_resetButton},
    {"g_menuButton", &g_menuButton},
    {"g_scale1Button", &g_scale1Button},
    {"g_scale5Button", &g_scale5Button},
    {"g_scale10Button", &g_scale10Button},
    {"g_viscositySlider", &g_viscositySlider},
    {"g_nonlinearitySlider", &g_nonlinearitySlider},
    {"g_viscosityLabel", &g_viscosityLabel},
    {"g_nonlinearityLabel", &g_nonlinearityLabel}};

std::string DescribeRect(const RECT& rect) {
    std::ostringstream out;
    out << "(" << rect.left << ", " << rect.top << ") " << rect.right - rect.left << "x"
        << rect.bottom - rect.top;
    return out.str();
}

// Exactly the controls of the screen, each once, where and as they were made;
// the live handle variables are exactly those controls.
std::string CheckControls(const Soak& soak) {
    const std::vector<ControlSpec> wanted = ListExpectedControls(soak.expected);
    for (const HandleVariable& variable : kHandleVariables) {
        const bool expected = std::any_of(wanted.begin(), wanted.end(), [&](const ControlSpec& c) {
            return c.handle == variable.handle;
        });
        if (!expected && *variable.handle != nullptr && IsWindow(*variable.handle)) {
            return std::string(variable.name) + " is a live window on the " +
                   DescribeScreen(soak.expected.screen) + " screen";
        }
    }
    const std::vector<ChildWindow> children = ListChildren(soak.window);
    if (children.size() != wanted.size()) {
        std::ostringstream out;
        out << children.size() << " child windows instead of " << wanted.size() << ":";
        for (const ChildWindow& child : children) {
            out << " [" << child.id << " " << Narrow(child.className) << " '"
                << Narrow(child.text) << "']";
        }
        return out.str();
    }
    for (const ControlSpec& control : wanted) {
        const HWND handle = *control.handle;
        const auto found = std::find_if(children.begin(), children.end(),
                                        [&](const ChildWindow& c) { return c.handle == handle; });
        if (handle == nullptr || found == children.end()) {
            return std::string("the ") + control.name + " control is not a child of the window";
        }
        const std::string what = std::string("the ") + control.name + " control ";
        if (found->id != control.id) {
            return what + "has the id " + std::to_string(found->id);
        }
        if (_wcsicmp(found->className.c_str(), control.className) != 0) {
            return what + "has the class " + Narrow(found->className);
        }
        if (!EqualRect(&found->rect, &control.rect)) {
            return what + "stands at " + DescribeRect(found->rect) + " instead of " +
                   DescribeRect(control.rect);
        }
        if (!control.text.empty() && found->text != control.text) {
            return what + "reads '" + Narrow(found->text) + "' instead of '" +
                   Narrow(control.text) + "'";
        }
        if (control.hasProgramFont &&
            reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0)) != g_font) {
            return what + "lacks the program's font";
        }
    }
    return {};
}

// The frame of the run's last tick at the solved V, where a run ends.
bool IsLastRunFrame(int frame) {
    return ComputeRunTick(frame, g_solvedViscosity) >= ComputeLastRunTick(g_solvedViscosity);
}

std::string CheckInvariants(Soak& soak) {
    const Expected& e = soak.expected;
    std::ostringstream out;
    if (g_frame < 0 || g_frame > kLastFrame) {
        out << "g_frame is " << g_frame;
    } else if (g_screen < ScreenAuthors || g_screen > ScreenTheory) {
        out << "g_screen is " << g_screen;
    } else if (g_scale != 1 && g_scale != 5 && g_scale != 10) {
        out << "g_scale is " << g_scale;
    } else if (!IsViscosityValue(g_viscosity)) {
        out << "g_viscosity " << g_viscosity << " is not in the V table";
    } else if (!IsNonlinearityValue(g_nonlinearity)) {
        out << "g_nonlinearity " << g_nonlinearity << " is not in the b table";
    } else if (g_screen != e.screen) {
        out << "the " << DescribeScreen(g_screen) << " screen is up instead of the "
            << DescribeScreen(e.screen) << " screen";
    } else if (g_frame != e.frame) {
        out << "g_frame is " << g_frame << " instead of " << e.frame;
    } else if (g_scale != e.scale) {
        out << "g_scale is " << g_scale << " instead of " << e.scale;
    } else if (g_viscosity != e.viscosity || g_nonlinearity != e.nonlinearity) {
        out << "V, b are " << g_viscosity << ", " << g_nonlinearity << " instead of "
            << e.viscosity << ", " << e.nonlinearity;
    } else if (e.screen == ScreenFormation && g_running != e.running) {
        out << "g_running is " << g_running << " instead of " << e.running;
    } else if (GdiFailedDeletions() != 0) {
        out << GdiFailedDeletions() << " GDI deletions failed";
    }
    if (!out.str().empty()) {
        return out.str();
    }
    const std::string controls = CheckControls(soak);
    if (!controls.empty()) {
        return controls;
    }
    const SIZE_T memory = ReadPagefileUsage();
    soak.memoryPeak = std::max(soak.memoryPeak, memory);
    const SIZE_T bound = soak.memoryBase + kMemoryAllowance + kMemoryPerPixel * soak.largestArea;
    if (soak.memoryBase != 0 && memory > bound) {
        out << "memory in use is " << (memory >> 20) << " MiB, "
            << ((memory - soak.memoryBase) >> 20) << " MiB above the first Wave formation"
            << " (bound " << (bound >> 20) << " MiB)";
    }
    return out.str();
}

// ---- Sending -------------------------------------------------------------

// Handles what the message left queued. The window's paints are dropped
// (the test paints on purpose), and so are the real ticks of the animation
// timer, so that a seed replays the same run whatever the machine's speed;
// a real tick is still checked to come only while the animation runs.
void Settle(Soak& soak) {
    ValidateRect(soak.window, nullptr);
    if (g_screen == ScreenPropagation) {
        return;  // its paint would block for 4.5 s
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            soak.violation = "the program posted the quit message";
            return;
        }
        if (message.hwnd == soak.window && message.message == WM_TIMER) {
            ++soak.queuedTicksDropped;
            if (g_screen != ScreenFormation || !g_running) {
                soak.violation = std::string("the animation timer ticks on the ") +
                                 DescribeScreen(g_screen) + " screen" +
                                 (g_running ? "" : " with the animation stopped");
                return;
            }
            continue;
        }
        if (message.hwnd == soak.window && message.message == WM_PAINT) {
            ValidateRect(soak.window, nullptr);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Sends one message through `send`, settles the queue and checks the
// invariants; false with soak.violation set at the first broken one.
template <typename Send>
bool SendChecked(Soak& soak, Action action, const std::string& description, Send send) {
    ++soak.step;
    ++soak.sent[action];
    soak.history.push_back("#" + std::to_string(soak.step) + " " + description + " [on " +
                           DescribeScreen(g_screen) + "]");
    if (soak.history.size() > kHistoryLength) {
        soak.history.pop_front();
    }
    const auto start = std::chrono::steady_clock::now();
    send();
    Settle(soak);
    soak.milliseconds[action] +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!soak.violation.empty()) {
        return false;
    }
    soak.violation = CheckInvariants(soak);
    return soak.violation.empty();
}

template <typename Item>
const Item& PickWeighted(Soak& soak, const std::vector<Item>& items,
                         const std::vector<double>& weights) {
    std::discrete_distribution<size_t> pick(weights.begin(), weights.end());
    return items[pick(soak.random)];
}

int DrawUniform(Soak& soak, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(soak.random);
}

bool DrawChance(Soak& soak, double probability) {
    return std::bernoulli_distribution(probability)(soak.random);
}

double FindButtonWeight(int id) {
    for (const ButtonWeight& button : kButtonWeights) {
        if (button.id == id) return button.weight;
    }
    return 0;
}

// The buttons a user can press now: those whose handle variable holds a
// live window. Exit is left out.
std::vector<HWND> ListPressableButtons(std::vector<double>& weights) {
    std::vector<HWND> buttons;
    weights.clear();
    for (const HandleVariable& variable : kHandleVariables) {
        const HWND handle = *variable.handle;
        if (handle == nullptr || !IsWindow(handle)) continue;
        const double weight = FindButtonWeight(GetDlgCtrlID(handle));
        if (weight > 0) {
            buttons.push_back(handle);
            weights.push_back(weight);
        }
    }
    return buttons;
}

// How the command changes what the program must show.
void ExpectCommand(Soak& soak, int id) {
    Expected& e = soak.expected;
    const int before = e.screen;
    switch (id) {
    case ID_START_PAUSE:
        if (e.screen == ScreenFormation) {
            // Started again after the end of a run, it plays from frame 0.
            if (!e.running && IsLastRunFrame(e.frame)) e.frame = 0;
            e.running = !e.running;
            e.startPauseClient = soak.client;
        }
        break;
    case ID_RESET:
        e.frame = 0;
        e.running = false;
        e.startPauseClient = soak.client;
        break;
    case ID_AUTHORS: e.screen = ScreenAuthors; break;
    case ID_PROPAGATION: e.screen = ScreenPropagation; break;
    case ID_FORMATION:
        e.screen = ScreenFormation;
        e.running = false;
        e.startPauseClient = soak.client;
        break;
    case ID_MENU:
        e.screen = ScreenTitle;
        e.running = false;
        break;
    case ID_THEORY: e.screen = ScreenTheory; break;
    case ID_SCALE_1: e.scale = 1; break;
    case ID_SCALE_5: e.scale = 5; break;
    case ID_SCALE_10: e.scale = 10; break;
    }
    if (e.screen != before) {
        e.panelClient = soak.client;
        ++soak.visits[e.screen];
    }
}

bool PressButton(Soak& soak, HWND button) {
    const int id = GetDlgCtrlID(button);
    const std::string description = "WM_COMMAND " + std::to_string(id) + " from the '" +
                                    Narrow(WindowText(button)) + "' button";
    ++soak.clicks[id - ID_START_PAUSE];
    const bool ok = SendChecked(soak, Click, description, [&] {
        SendMessageW(soak.window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        ExpectCommand(soak, id);
    });
    if (id == ID_FORMATION && soak.memoryBase == 0) {
        soak.memoryBase = ReadPagefileUsage();
    }
    return ok;
}

bool ClickRandomButton(Soak& soak) {
    std::vector<double> weights;
    const std::vector<HWND> buttons = ListPressableButtons(weights);
    if (buttons.empty()) {
        soak.violation = "no button to press";
        return false;
    }
    return PressButton(soak, PickWeighted(soak, buttons, weights));
}

bool IsCommandId(int id) {
    return std::any_of(std::begin(kButtonWeights), std::end(kButtonWeights),
                       [id](const ButtonWeight& button) { return button.id == id; });
}

bool SendUnknownCommand(Soak& soak) {
    int id = 0;
    switch (DrawUniform(soak, 0, 3)) {
    case 0: id = 1003; break;
    case 1: id = 1008; break;
    case 2: id = DrawUniform(soak, 990, 1220); break;  // around the table's ids
    default: id = DrawUniform(soak, 0, 0xFFFF); break;
    }
    if (IsCommandId(id)) {
        id = 1003;
    }
    const WORD code =
        DrawChance(soak, 0.8) ? BN_CLICKED : static_cast<WORD>(DrawUniform(soak, 0, 0xFFFF));
    // Now and then from a real button, as if a control had the wrong id.
    std::vector<double> weights;
    const std::vector<HWND> buttons = ListPressableButtons(weights);
    const HWND source = DrawChance(soak, 0.3) && !buttons.empty()
                            ? buttons[DrawUniform(soak, 0, int(buttons.size()) - 1)]
                            : nullptr;
    return SendChecked(soak, UnknownCommand,
                       "WM_COMMAND with the unknown id " + std::to_string(id) + ", code " +
                           std::to_string(code) + (source != nullptr ? ", from a button" : ""),
                       [&] {
                           SendMessageW(soak.window, WM_COMMAND, MAKEWPARAM(id, code),
                                        reinterpret_cast<LPARAM>(source));
                       });
}

bool SendTimerBurst(Soak& soak) {
    // Mostly short bursts, now and then one long enough for a whole run.
    const double kind = std::uniform_real_distribution<double>(0, 1)(soak.random);
    const int length = kind < 0.7 ? DrawUniform(soak, 1, 8)
                       : kind < 0.9 ? DrawUniform(soak, 9, 100)
                                    : DrawUniform(soak, 101, kLongestBurst);
    for (int tick = 1; tick <= length; ++tick) {
        const int before = g_frame;
        const std::string description =
            "WM_TIMER " + std::to_string(tick) + " of " + std::to_string(length) +
            " at frame " + std::to_string(before);
        if (IsLastRunFrame(before)) {
            ++soak.ticksAtLastFrame;
        }
        const bool ok = SendChecked(soak, TimerBurst, description, [&] {
            SendMessageW(soak.window, WM_TIMER, kAnimationTimerId, 0);
            // Only a run on the formation screen moves; a tick queued
            // before the timer was killed changes nothing.
            Expected& e = soak.expected;
            if (!e.running || e.screen != ScreenFormation) return;
            // One tick of the run's clock: four columns at the default V.
            const int last = ComputeLastRunTick(g_solvedViscosity);
            e.frame = ComputeRunColumn(std::min(ComputeRunTick(before, g_solvedViscosity) + 1, last),
                                       g_solvedViscosity);
            // A run that reaches its last tick ends: "Start" again.
            if (IsLastRunFrame(e.frame)) {
                e.running = false;
                e.startPauseClient = soak.client;
            }
        });
        if (!ok) return false;
    }
    return true;
}

bool SendSliderScroll(Soak& soak) {
    const bool viscosity = DrawChance(soak, 0.5);
    HWND slider = viscosity ? g_viscositySlider : g_nonlinearitySlider;
    const int requested = DrawUniform(soak, 0, kHighestSetPosition);
    const WORD code = static_cast<WORD>(DrawUniform(soak, 0, kScrollCodes - 1));
    int position = 0;
    std::ostringstream description;
    description << "WM_HSCROLL code " << code << " from the " << (viscosity ? "V" : "b")
                << " slider after TBM_SETPOS " << requested;
    return SendChecked(soak, SliderScroll, description.str(), [&] {
        SendMessageW(slider, TBM_SETPOS, TRUE, requested);
        position = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
        const bool tracking = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
        SendMessageW(soak.window, WM_HSCROLL, MAKEWPARAM(code, tracking ? position : 0),
                     reinterpret_cast<LPARAM>(slider));
        Expected& e = soak.expected;
        if (viscosity && position >= 0 && position < kViscosityPositions) {
            e.viscosity = kViscosityTable[position];
        } else if (!viscosity && position >= 0 && position < kNonlinearityPositions) {
            e.nonlinearity = kNonlinearityTable[position];
        } else {
            ++soak.scrollsOutsideTable;
        }
    });
}

bool SendForeignScroll(Soak& soak) {
    std::vector<double> weights;
    const std::vector<HWND> buttons = ListPressableButtons(weights);
    HWND source = nullptr;
    std::string name;
    switch (DrawUniform(soak, 0, 3)) {
    case 0: name = "no window"; break;
    case 1: source = soak.window; name = "the main window"; break;
    case 2:
        source = buttons.empty() ? nullptr : buttons[DrawUniform(soak, 0, int(buttons.size()) - 1)];
        name = "a button";
        break;
    default:
        source = DrawChance(soak, 0.5) ? g_viscosityLabel : g_nonlinearityLabel;
        name = source != nullptr ? "a slider label" : "no window";
        break;
    }
    const WORD code = static_cast<WORD>(DrawUniform(soak, 0, kScrollCodes - 1));
    return SendChecked(soak, ForeignScroll,
                       "WM_HSCROLL code " + std::to_string(code) + " from " + name, [&] {
                           SendMessageW(soak.window, WM_HSCROLL, MAKEWPARAM(code, 0),
                                        reinterpret_cast<LPARAM>(source));
                       });
}

Canvas& GetClientSizedCanvas(Soak& soak) {
    if (soak.canvas.width != soak.client.cx || soak.canvas.height != soak.client.cy) {
        if (soak.canvas.dc != nullptr) {
            DestroyCanvas(soak.canvas);
        }
        soak.canvas = CreateCanvas(soak.client.cx, soak.client.cy, RGB(0, 255, 0));
    }
    return soak.canvas;
}

// Runs a paint; no GDI object it counts may outlive it.
template <typename PaintCall>
void RunCountedPaint(Soak& soak, PaintCall paint) {
    const long outstanding = GdiObjectsOutstanding();
    paint();
    if (GdiObjectsOutstanding() != outstanding) {
        soak.violation = "the paint of the " + std::string(DescribeScreen(g_screen)) +
                         " screen left " +
                         std::to_string(GdiObjectsOutstanding() - outstanding) + " GDI objects";
    }
}

bool PaintCurrentScreen(Soak& soak) {
    const int screen = g_screen;
    if (screen == ScreenPropagation) {
        if (soak.realPropagationPaints >= kRealPropagationPaints) {
            ++soak.skippedPropagationPaints;
            return true;
        }
        ++soak.realPropagationPaints;
        Canvas& canvas = GetClientSizedCanvas(soak);
        return SendChecked(soak, Paint, "propagation plot without pauses", [&] {
            RunCountedPaint(soak, [&] {
                RECT area{0, 0, canvas.width, canvas.height};
                FillRect(canvas.dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                ScreenView view = ReadScreenView(soak.client);
                view.stages = kPropagationStages;
                PaintScreen(canvas.dc, soak.client, ScreenPropagation, view);
            });
        });
    }
    if (DrawChance(soak, 0.5)) {
        ++soak.windowPaints;
        return SendChecked(soak, Paint, "WM_PAINT after InvalidateRect", [&] {
            InvalidateRect(soak.window, nullptr, TRUE);
            RunCountedPaint(soak, [&] { UpdateWindow(soak.window); });
        });
    }
    // As WM_PAINT does it, or every screen over the client area.
    const bool asWindow = DrawChance(soak, 0.75);
    ++soak.canvasPaints;
    Canvas& canvas = GetClientSizedCanvas(soak);
    return SendChecked(soak, Paint,
                       std::string("a paint into a memory context, ") +
                           (asWindow ? "as the window paints" : "over the client area"),
                       [&] {
                           RunCountedPaint(soak, [&] {
                               if (asWindow) {
                                   PaintCurrentScreen(canvas.dc, soak.window);
                               } else {
                                   PaintScreen(canvas.dc, soak.client, g_screen, ReadScreenView(soak.client));
                               }
                           });
                       });
}

bool ResizeWindow(Soak& soak) {
    SIZE size;
    if (DrawChance(soak, 0.35)) {
        size = kCommonClients[DrawUniform(soak, 0, int(std::size(kCommonClients)) - 1)];
    } else {
        // Any shape in the range, small ones more often than large ones.
        std::uniform_real_distribution<double> unit(0, 1);
        const double across = unit(soak.random);
        const double down = unit(soak.random);
        const LONG extraWidth = kLargestClient.cx - kSmallestClient.cx;
        const LONG extraHeight = kLargestClient.cy - kSmallestClient.cy;
        size = SIZE{kSmallestClient.cx + static_cast<LONG>(extraWidth * across * across),
                    kSmallestClient.cy + static_cast<LONG>(extraHeight * down * down)};
    }
    soak.resizeStep = soak.step + 1;
    return SendChecked(soak, Resize,
                       "client size " + std::to_string(size.cx) + "x" + std::to_string(size.cy),
                       [&] {
                           ResizeClientArea(soak.window, size.cx, size.cy);
                           soak.client = ReadClientSize(soak.window);
                           // A new size lays the screen out again at once.
                           soak.expected.panelClient = soak.client;
                           soak.expected.startPauseClient = soak.client;
                           soak.largestArea = std::max<SIZE_T>(
                               soak.largestArea, SIZE_T(soak.client.cx) * soak.client.cy);
                       });
}

bool RunRandomAction(Soak& soak) {
    std::discrete_distribution<int> pick(std::begin(kActionWeights), std::end(kActionWeights));
    Action action = static_cast<Action>(pick(soak.random));
    if (action == Resize && soak.step - soak.resizeStep < kMessagesBetweenResizes) {
        action = Paint;
    }
    if (action == SliderScroll && g_screen != ScreenFormation) {
        action = ForeignScroll;
    }
    switch (action) {
    case Click: return ClickRandomButton(soak);
    case UnknownCommand: return SendUnknownCommand(soak);
    case TimerBurst: return SendTimerBurst(soak);
    case SliderScroll: return SendSliderScroll(soak);
    case ForeignScroll: return SendForeignScroll(soak);
    case Paint: return PaintCurrentScreen(soak);
    case Resize: return ResizeWindow(soak);
    }
    return true;
}

// Back to the title screen and Exit, as a user ends the lecture.
bool PressExit(Soak& soak) {
    if (g_screen != ScreenTitle && !PressButton(soak, g_menuButton)) {
        return false;
    }
    HWND exit = g_exitButton;
    ++soak.step;
    ++soak.sent[Click];
    soak.history.push_back("#" + std::to_string(soak.step) + " WM_COMMAND 1009 from Exit");
    SendMessageW(soak.window, WM_COMMAND, MAKEWPARAM(ID_EXIT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(exit));
    MSG quit;
    if (IsWindow(soak.window)) {
        soak.violation = "the main window outlived Exit";
    } else if (!PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) || quit.wParam != 0) {
        soak.violation = "Exit posted no quit message with code 0";
    }
    soak.window = nullptr;
    return soak.violation.empty();
}

unsigned long ReadSeed() {
    const char* text = std::getenv("KESTRUM_SOAK_SEED");
    return text != nullptr && *text != '\0' ? std::strtoul(text, nullptr, 0) : kDefaultSeed;
}

long ReadMessageTarget() {
    const char* text = std::getenv("KESTRUM_SOAK_MESSAGES");
    const long target = text != nullptr ? std::strtol(text, nullptr, 0) : 0;
    return target > 0 ? target : kDefaultMessages;
}

std::string DescribeFailure(const Soak& soak) {
    std::ostringstream out;
    out << "soak seed " << soak.seed << ", message " << soak.step << ": " << soak.violation
        << "\nreplay with KESTRUM_SOAK_SEED=" << soak.seed << "; the last messages:";
    for (const std::string& line : soak.history) {
        out << "\n  " << line;
    }
    return out.str();
}

void PrintSummary(const Soak& soak, double seconds) {
    std::printf("soak seed %lu: %ld messages in %.1f s\n", soak.seed, soak.step, seconds);
    for (int action = 0; action < kActionCount; ++action) {
        std::printf("  %-17s %7ld  %8.0f ms\n", kActionNames[action], soak.sent[action],
                    soak.milliseconds[action]);
    }
    std::printf("  clicks by id:");
    for (int id = ID_START_PAUSE; id <= ID_SCALE_10; ++id) {
        if (soak.clicks[id - ID_START_PAUSE] != 0) {
            std::printf(" %d:%ld", id, soak.clicks[id - ID_START_PAUSE]);
        }
    }
    std::printf("\n  visits: authors %ld, propagation %ld, formation %ld, title %ld, theory %ld\n",
                soak.visits[ScreenAuthors], soak.visits[ScreenPropagation],
                soak.visits[ScreenFormation], soak.visits[ScreenTitle],
                soak.visits[ScreenTheory]);
    std::printf("  paints: %ld into memory, %ld WM_PAINT, %ld propagation without pauses, "
                "%ld propagation skipped\n",
                soak.canvasPaints, soak.windowPaints, soak.realPropagationPaints,
                soak.skippedPropagationPaints);
    std::printf("  ticks at the last frame %ld, real ticks dropped %ld, slider positions "
                "outside the table %ld\n",
                soak.ticksAtLastFrame, soak.queuedTicksDropped, soak.scrollsOutsideTable);
    std::printf("  memory: %zu MiB after the first Wave formation, peak %zu MiB (%zu MiB above)\n",
                soak.memoryBase >> 20, soak.memoryPeak >> 20,
                (soak.memoryPeak - std::min(soak.memoryPeak, soak.memoryBase)) >> 20);
    std::fflush(stdout);
}

TEST(Soak, RandomUserActionsKeepEveryInvariant) {
    Soak soak;
    soak.seed = ReadSeed();
    soak.messageTarget = ReadMessageTarget();
    soak.random.seed(static_cast<std::mt19937::result_type>(soak.seed));
    std::printf("soak seed %lu, %ld messages\n", soak.seed, soak.messageTarget);
    std::fflush(stdout);

    InstallGdiCounter();
    soak.window = CreateProgramWindow();
    ASSERT_NE(soak.window, nullptr);
    soak.client = ReadClientSize(soak.window);
    soak.largestArea = SIZE_T(soak.client.cx) * soak.client.cy;
    soak.expected = Expected{g_screen,    g_frame,        g_scale,     g_running,
                             g_viscosity, g_nonlinearity, soak.client, soak.client};
    ASSERT_EQ(g_screen, ScreenTitle);
    soak.visits[ScreenTitle] = 1;
    soak.violation = CheckInvariants(soak);
    ASSERT_TRUE(soak.violation.empty()) << DescribeFailure(soak);

    const auto start = std::chrono::steady_clock::now();
    // A crash or hang still shows about where the run was.
    constexpr long kProgressEvery = 5000;
    long nextProgress = kProgressEvery;
    while (soak.step < soak.messageTarget) {
        if (soak.step >= nextProgress) {
            std::printf("soak: %ld messages\n", soak.step);
            std::fflush(stdout);
            nextProgress += kProgressEvery;
        }
        if (!RunRandomAction(soak)) {
            ValidateRect(soak.window, nullptr);
            FAIL() << DescribeFailure(soak);
        }
    }
    const bool exited = PressExit(soak);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (soak.canvas.dc != nullptr) {
        DestroyCanvas(soak.canvas);
    }
    PrintSummary(soak, seconds);
    ASSERT_TRUE(exited) << DescribeFailure(soak);
    RecordProperty("Seed", std::to_string(soak.seed));
    RecordProperty("Messages", static_cast<int>(soak.step));
}

}  // namespace
