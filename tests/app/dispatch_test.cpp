// The screens, the button commands and the animation timer, driven through
// the real main window with the messages that a user's clicks produce.
#include "app.h"
#include "commands.h"
#include "display_modes.h"
#include "language.h"
#include "test_windows.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iostream>
#include <vector>

namespace {

constexpr int kClientWidth = 1024;
constexpr int kClientHeight = 768;
// Maximum of the last profile for b = 0.12, V = 0.003, to the digits printed.
constexpr double kPropagationPeak = 0.509919;
constexpr double kPrintedDigitsTolerance = 5e-7;
constexpr SIZE_T kMemoryAllowance = 8u << 20;
constexpr int kRebuildRounds = 50;
constexpr int kRunTicks = 499;

#ifdef KESTRUM_LANGUAGE_RU
constexpr int kTitleColumnX = 314;  // (1024 - 1024 / 7 - 250) / 2
#else
constexpr int kTitleColumnX = 330;  // (1024 - 1024 / 9 - 250) / 2
#endif

struct ExpectedControl {
    int id;
    const wchar_t* className;
    std::wstring text;
    int left;
    int top;
    int width;
    int height;
};

HWND OpenProgram() {
    ResetProgramGlobals();
    HWND window = CreateProgramWindow();
    RECT client = {};
    GetClientRect(window, &client);
    Require(client.right == kClientWidth && client.bottom == kClientHeight,
            "the main window covers the 1024 x 768 desktop");
    return window;
}

// A command that no button of the current screen sends.
LRESULT SendCommand(HWND window, int id) {
    return SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void Tick(HWND window) {
    EXPECT_EQ(SendMessageW(window, WM_TIMER, kAnimationTimerId, 0), 0);
}

RECT UpdateRect(HWND window) {
    RECT rect = {};
    if (!GetUpdateRect(window, &rect, FALSE)) {
        return RECT{};
    }
    return rect;
}

bool IsWholeClientArea(const RECT& rect) {
    return rect.left == 0 && rect.top == 0 && rect.right == kClientWidth &&
           rect.bottom == kClientHeight;
}

void ExpectControls(HWND window, const std::vector<ExpectedControl>& expected) {
    const std::vector<ChildWindow> children = ListChildren(window);
    EXPECT_EQ(children.size(), expected.size());
    for (const ExpectedControl& want : expected) {
        const auto matches = [&](const ChildWindow& child) {
            return child.id == want.id && child.rect.left == want.left &&
                   child.rect.top == want.top;
        };
        const auto count = std::count_if(children.begin(), children.end(), matches);
        EXPECT_EQ(count, 1) << "control " << want.id << " at (" << want.left << ", "
                            << want.top << ")";
        const auto found = std::find_if(children.begin(), children.end(), matches);
        if (found == children.end()) {
            continue;
        }
        EXPECT_EQ(found->className, want.className) << "control " << want.id;
        EXPECT_EQ(found->text, want.text) << "control " << want.id;
        EXPECT_EQ(found->rect.right - found->rect.left, want.width) << "control " << want.id;
        EXPECT_EQ(found->rect.bottom - found->rect.top, want.height) << "control " << want.id;
        if (found->className != L"msctls_trackbar32") {
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(found->handle, WM_GETFONT, 0, 0)),
                      g_font)
                << "control " << want.id;
        }
    }
}

void ExpectTitleScreen(HWND window) {
    EXPECT_EQ(g_screen, ScreenTitle);
    ExpectControls(window, {{ID_THEORY, L"Button", kTheoryCaption, kTitleColumnX, 385, 400, 50},
                            {ID_PROPAGATION, L"Button", kPropagationCaption, kTitleColumnX, 435,
                             400, 50},
                            {ID_FORMATION, L"Button", kFormationCaption, kTitleColumnX, 485, 400,
                             50},
                            {ID_EXIT, L"Button", kExitCaption, 764, 718, 250, 50},
                            {ID_AUTHORS, L"Button", kAuthorsCaption, 10, 718, 250, 50}});
    for (HWND button : {g_theoryButton, g_propagationButton, g_formationButton, g_exitButton,
                        g_authorsButton}) {
        EXPECT_TRUE(IsWindow(button));
    }
}

void ExpectLoneMenu(HWND window, int left) {
    ExpectControls(window, {{ID_MENU, L"Button", kMenuCaption, left, 718, 250, 50}});
    EXPECT_TRUE(IsWindow(g_menuButton));
}

void ExpectFormationScreen(HWND window, const wchar_t* startPauseCaption,
                           const wchar_t* viscosityLabel, const wchar_t* nonlinearityLabel) {
    EXPECT_EQ(g_screen, ScreenFormation);
    ExpectControls(window,
                   {{ID_START_PAUSE, L"Button", startPauseCaption, 10, 568, 250, 50},
                    {ID_RESET, L"Button", kResetCaption, 10, 643, 250, 50},
                    {ID_MENU, L"Button", kMenuCaption, 10, 718, 250, 50},
                    {ID_SCALE_1, L"Button", L"x1", 270, 568, 250, 50},
                    {ID_SCALE_5, L"Button", L"x5", 270, 643, 250, 50},
                    {ID_SCALE_10, L"Button", L"x10", 270, 718, 250, 50},
                    {ID_SLIDER, L"msctls_trackbar32", L"Trackbar", 10, 368, 250, 50},
                    {ID_SLIDER, L"msctls_trackbar32", L"Trackbar", 10, 443, 250, 50},
                    {ID_SLIDER_LABEL, L"Static", viscosityLabel, 280, 368, 130, 50},
                    {ID_SLIDER_LABEL, L"Static", nonlinearityLabel, 280, 443, 100, 50}});
    EXPECT_EQ(WindowText(g_startPauseButton), startPauseCaption);
}

// Rows 0..700 of some columns of the solution.
std::vector<double> ReadField(std::initializer_list<int> columns) {
    std::vector<double> values;
    for (int column : columns) {
        for (int row = 0; row <= kProfileSamples; ++row) {
            values.push_back(g_field[row][column]);
        }
    }
    return values;
}

std::vector<double> ReadTermField(Grid field, std::initializer_list<int> columns) {
    std::vector<double> values;
    for (int column : columns) {
        for (int row = 0; row < kProfileSamples; ++row) {
            values.push_back(field[row][column]);
        }
    }
    return values;
}

// The term fields as the builders make them from the current solution and
// the current g_viscosity and g_nonlinearity.
void ExpectTermFieldsMatchBuilders(std::initializer_list<int> columns) {
    Grid diffusion = ComputeDiffusionTerm(kDiffusionSpan);
    Grid nonlinear = ComputeNonlinearTerm();
    EXPECT_EQ(ReadTermField(g_diffusionTerm, columns), ReadTermField(diffusion, columns));
    EXPECT_EQ(ReadTermField(g_nonlinearTerm, columns), ReadTermField(nonlinear, columns));
    FreeTermField(diffusion);
    FreeTermField(nonlinear);
}

SIZE_T ReadPagefileUsage() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// --- Screens and their controls ---------------------------------------------

TEST(Screens, EachTitleCommandLeavesOneMenuButtonAndMenuBringsTheTitleBack) {
    HWND window = OpenProgram();
    ExpectTitleScreen(window);

    struct Visit {
        HWND* button;
        int screen;
        int menuLeft;
    };
    for (const Visit& visit : {Visit{&g_authorsButton, ScreenAuthors, 10},
                               Visit{&g_theoryButton, ScreenTheory, 10},
                               Visit{&g_propagationButton, ScreenPropagation, 270},
                               Visit{&g_authorsButton, ScreenAuthors, 10}}) {
        SCOPED_TRACE(visit.screen);
        const std::vector<ChildWindow> title = ListChildren(window);
        EXPECT_EQ(PressButton(window, *visit.button), 0);
        ValidateRect(window, nullptr);
        EXPECT_EQ(g_screen, visit.screen);
        ExpectLoneMenu(window, visit.menuLeft);
        for (const ChildWindow& button : title) {
            EXPECT_FALSE(IsWindow(button.handle)) << "title button " << button.id;
        }
        EXPECT_EQ(PressButton(window, g_menuButton), 0);
        ExpectTitleScreen(window);
        PumpMessages();
    }
    CloseProgramWindow(window);
}

TEST(Screens, FormationShowsItsPanelAndSlidersOnEveryVisit) {
    HWND window = OpenProgram();
    for (int visit = 0; visit < 3; ++visit) {
        SCOPED_TRACE(visit);
        PressButton(window, g_formationButton);
        ExpectFormationScreen(window, kStartCaption, L"V=0.002", L"b=0.3");
        PumpMessages();
        const std::vector<ChildWindow> formation = ListChildren(window);
        PressButton(window, g_menuButton);
        ExpectTitleScreen(window);
        for (const ChildWindow& control : formation) {
            EXPECT_FALSE(IsWindow(control.handle)) << "control " << control.id;
        }
    }
    CloseProgramWindow(window);
}

TEST(Screens, ExitClosesTheWindowWithCodeZero) {
    HWND window = OpenProgram();
    PressButton(window, g_exitButton);
    EXPECT_FALSE(IsWindow(window));
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
    CloseProgramWindow(window);
}

// Automation or another process may send any command on any screen: one
// whose button is not there, or no command at all, changes nothing.
TEST(Screens, CommandsWithoutTheirButtonOnTheScreenDoNothing) {
    HWND window = OpenProgram();
    const auto expectUnchanged = [&](const char* where, std::initializer_list<int> ids) {
        SCOPED_TRACE(where);
        const std::vector<ChildWindow> before = ListChildren(window);
        const HWND menu = g_menuButton;
        const int screen = g_screen;
        const int frame = g_frame;
        const bool running = g_running;
        const int scale = g_scale;
        for (int id : ids) {
            ValidateRect(window, nullptr);
            EXPECT_EQ(SendCommand(window, id), 0) << id;
            EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << id;
            const std::vector<ChildWindow> after = ListChildren(window);
            ASSERT_EQ(after.size(), before.size()) << id;
            for (size_t i = 0; i < before.size(); ++i) {
                EXPECT_EQ(after[i].handle, before[i].handle) << id;
                EXPECT_EQ(after[i].text, before[i].text) << id;
            }
            EXPECT_EQ(g_menuButton, menu) << id;
            EXPECT_EQ(g_screen, screen) << id;
            EXPECT_EQ(g_frame, frame) << id;
            EXPECT_EQ(g_running, running) << id;
            EXPECT_EQ(g_scale, scale) << id;
        }
    };
    const std::initializer_list<int> formationOnly = {ID_START_PAUSE, ID_RESET, ID_SCALE_1,
                                                      ID_SCALE_5, ID_SCALE_10};
    const std::initializer_list<int> titleOnly = {ID_THEORY, ID_AUTHORS, ID_PROPAGATION,
                                                  ID_FORMATION, ID_EXIT};
    expectUnchanged("title", {1003, 1008, 0, 5000, ID_MENU});
    expectUnchanged("title", formationOnly);
    for (HWND* button : {&g_theoryButton, &g_authorsButton, &g_propagationButton}) {
        PressButton(window, *button);
        expectUnchanged("a screen with a lone Menu button", titleOnly);
        expectUnchanged("a screen with a lone Menu button", formationOnly);
        PressButton(window, g_menuButton);
    }
    PressButton(window, g_formationButton);
    PressButton(window, g_startPauseButton);
    Tick(window);
    expectUnchanged("formation, running", titleOnly);
    expectUnchanged("formation, running", {1003, 1008, 0, 5000});
    EXPECT_TRUE(TimerIsRunning(window));
    CloseProgramWindow(window);
}

// --- Which parameters each command solves with ------------------------------

TEST(Solves, PropagationUsesItsOwnMediumWhateverTheSlidersSay) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    MoveSlider(window, g_viscositySlider, 5);
    MoveSlider(window, g_nonlinearitySlider, 5);
    PressButton(window, g_menuButton);
    PressButton(window, g_propagationButton);
    ValidateRect(window, nullptr);

    const std::vector<double> solved = ReadField({0, 1, 1000, 1999});
    double peak = g_field[0][1999];
    for (int row = 0; row < kProfileSamples; ++row) {
        peak = std::max(peak, g_field[row][1999]);
    }
    EXPECT_NEAR(peak, kPropagationPeak, kPrintedDigitsTolerance);
    EXPECT_EQ(g_viscosity, 0.0014);
    EXPECT_EQ(g_nonlinearity, 0.1);

    SolveBurgers(0.12, 0.003);
    EXPECT_EQ(ReadField({0, 1, 1000, 1999}), solved);
    PressButton(window, g_menuButton);
    CloseProgramWindow(window);
}

TEST(Solves, FormationUsesTheCurrentSliderValuesForProfileAndTerms) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    const std::vector<double> firstVisit = ReadField({1, 1000, 1999});
    SolveBurgers(0.3, 0.002);
    EXPECT_EQ(ReadField({1, 1000, 1999}), firstVisit);

    MoveSlider(window, g_viscositySlider, 5);
    MoveSlider(window, g_nonlinearitySlider, 5);
    PressButton(window, g_menuButton);
    PressButton(window, g_formationButton);
    const std::vector<double> secondVisit = ReadField({1, 1000, 1999});
    EXPECT_NE(secondVisit, firstVisit);
    SolveBurgers(0.1, 0.0014);
    EXPECT_EQ(ReadField({1, 1000, 1999}), secondVisit);
    ExpectTermFieldsMatchBuilders({0, 1, 1000, 1999});
    CloseProgramWindow(window);
}

TEST(Solves, ResetUsesTheSliderValuesAndBuildsNewTermFields) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    const std::vector<double> oldNonlinear = ReadTermField(g_nonlinearTerm, {1000});
    MoveSlider(window, g_viscositySlider, 31);
    MoveSlider(window, g_nonlinearitySlider, 20);
    PressButton(window, g_resetButton);
    EXPECT_NE(ReadTermField(g_nonlinearTerm, {1000}), oldNonlinear);

    const std::vector<double> solved = ReadField({1, 1000, 1999});
    SolveBurgers(0.4, 0.004);
    EXPECT_EQ(ReadField({1, 1000, 1999}), solved);
    ExpectTermFieldsMatchBuilders({0, 1, 1000, 1999});
    CloseProgramWindow(window);
}

TEST(Solves, MemoryStaysFlatOverRepeatedFormationAndReset) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    PressButton(window, g_resetButton);
    const SIZE_T start = ReadPagefileUsage();
    for (int round = 1; round < kRebuildRounds; ++round) {
        PressButton(window, g_menuButton);
        PressButton(window, g_formationButton);
        PressButton(window, g_resetButton);
    }
    const SIZE_T end = ReadPagefileUsage();
    std::cout << "memory after 1 and " << kRebuildRounds
              << " rounds of Wave formation and Reset: " << start / 1024 << " KiB, "
              << end / 1024 << " KiB\n";
    RecordProperty("PagefileUsageStartKiB", static_cast<int>(start / 1024));
    RecordProperty("PagefileUsageEndKiB", static_cast<int>(end / 1024));
    EXPECT_LE(end, start + kMemoryAllowance);
    CloseProgramWindow(window);
}

// --- The animation ----------------------------------------------------------

void ExpectStartPauseButton(HWND window, const wchar_t* caption) {
    int count = 0;
    for (const ChildWindow& child : ListChildren(window)) {
        if (child.id != ID_START_PAUSE) {
            continue;
        }
        ++count;
        EXPECT_EQ(child.handle, g_startPauseButton);
        EXPECT_EQ(child.text, caption);
        EXPECT_EQ(child.rect.left, 10);
        EXPECT_EQ(child.rect.top, 568);
        EXPECT_EQ(child.rect.right, 260);
        EXPECT_EQ(child.rect.bottom, 618);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(child.handle, WM_GETFONT, 0, 0)), g_font);
    }
    EXPECT_EQ(count, 1);
    EXPECT_EQ(ListChildren(window).size(), 10u);
}

// The press only replaces the button: at most the button's place awaits a
// paint, never the plot.
void ExpectPlotNotInvalidated(HWND window) {
    const RECT update = UpdateRect(window);
    EXPECT_TRUE(IsRectEmpty(&update) ||
                (update.left >= 10 && update.top >= 568 && update.right <= 260 &&
                 update.bottom <= 618))
        << update.left << "," << update.top << "," << update.right << "," << update.bottom;
}

TEST(Animation, StartShowsPauseAndEachTickAdvancesFourFrames) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    PumpMessages();
    HWND start = g_startPauseButton;
    PressButton(window, start);
    EXPECT_FALSE(IsWindow(start));
    ExpectStartPauseButton(window, kPauseCaption);
    ExpectPlotNotInvalidated(window);
    EXPECT_TRUE(g_running);
    EXPECT_EQ(g_frame, 0);

    for (int tick = 1; tick <= 3; ++tick) {
        ValidateRect(window, nullptr);
        Tick(window);
        EXPECT_EQ(g_frame, 4 * tick);
        EXPECT_TRUE(IsWholeClientArea(UpdateRect(window)));
    }
    Tick(window);
    EXPECT_EQ(g_frame, 16);
    EXPECT_EQ(WindowText(g_startPauseButton), kPauseCaption);
    CloseProgramWindow(window);
}

TEST(Animation, PauseShowsStartAndKeepsTheFrame) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    PressButton(window, g_startPauseButton);
    Tick(window);
    Tick(window);
    PumpMessages();
    HWND pause = g_startPauseButton;
    const int frame = g_frame;
    PressButton(window, pause);
    EXPECT_FALSE(IsWindow(pause));
    ExpectStartPauseButton(window, kStartCaption);
    ExpectPlotNotInvalidated(window);
    EXPECT_FALSE(g_running);
    EXPECT_FALSE(TimerIsRunning(window));
    EXPECT_EQ(g_frame, frame);

    PressButton(window, g_startPauseButton);
    Tick(window);
    EXPECT_EQ(g_frame, frame + 4);
    CloseProgramWindow(window);
}

TEST(Animation, AWholeRunEndsWithStartAndStartPlaysItAgain) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    PressButton(window, g_startPauseButton);
    for (int tick = 1; tick <= kRunTicks; ++tick) {
        Tick(window);
        ASSERT_EQ(g_frame, 4 * tick);
    }
    EXPECT_FALSE(g_running);
    ExpectStartPauseButton(window, kStartCaption);
    EXPECT_FALSE(TimerIsRunning(window));
    Tick(window);
    EXPECT_EQ(g_frame, 1996);

    // Start plays the run again from frame 0, shown at once.
    ValidateRect(window, nullptr);
    PressButton(window, g_startPauseButton);
    EXPECT_EQ(g_frame, 0);
    EXPECT_TRUE(IsWholeClientArea(UpdateRect(window)));
    ExpectStartPauseButton(window, kPauseCaption);
    Tick(window);
    EXPECT_EQ(g_frame, 4);
    CloseProgramWindow(window);
}

// One clock at every V: 100 ticks at the left end of the slider advance the
// wave as far as 400 columns of the default run, 142 of its own, and the
// run ends with the default run's length, at column 709.
TEST(Animation, ARunAtTheSmallestViscosityKeepsTheClock) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    MoveSlider(window, g_viscositySlider, 0);
    PressButton(window, g_resetButton);
    PressButton(window, g_startPauseButton);
    for (int tick = 0; tick < 100; ++tick) Tick(window);
    EXPECT_EQ(g_frame, 142);
    for (int tick = 100; tick < kRunTicks; ++tick) Tick(window);
    EXPECT_EQ(g_frame, 709);
    EXPECT_FALSE(g_running);
    CloseProgramWindow(window);
}

TEST(Animation, ResetFromEveryStateStopsAtFrameZero) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    const auto resetAndCheck = [&](const char* state) {
        SCOPED_TRACE(state);
        HWND old = g_startPauseButton;
        ValidateRect(window, nullptr);
        PressButton(window, g_resetButton);
        EXPECT_FALSE(IsWindow(old));
        EXPECT_EQ(g_frame, 0);
        EXPECT_FALSE(g_running);
        ExpectStartPauseButton(window, kStartCaption);
        EXPECT_TRUE(IsWholeClientArea(UpdateRect(window)));
        EXPECT_FALSE(TimerIsRunning(window));
    };
    resetAndCheck("stopped at entry");

    PressButton(window, g_startPauseButton);
    Tick(window);
    Tick(window);
    resetAndCheck("running");

    PressButton(window, g_startPauseButton);
    Tick(window);
    PressButton(window, g_startPauseButton);
    resetAndCheck("paused");

    PressButton(window, g_startPauseButton);
    for (int tick = 0; tick < kRunTicks; ++tick) {
        Tick(window);
    }
    ASSERT_EQ(g_frame, 1996);
    resetAndCheck("ended");
    CloseProgramWindow(window);
}

TEST(Animation, MenuDuringARunStopsItAndFormationResumesAtTheSameFrame) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    PressButton(window, g_startPauseButton);
    for (int tick = 0; tick < 5; ++tick) {
        Tick(window);
    }
    PressButton(window, g_menuButton);
    EXPECT_FALSE(TimerIsRunning(window));
    ExpectTitleScreen(window);
    PumpMessages();
    EXPECT_EQ(g_frame, 20);

    PressButton(window, g_formationButton);
    EXPECT_FALSE(g_running);
    EXPECT_EQ(g_frame, 20);
    ExpectFormationScreen(window, kStartCaption, L"V=0.002", L"b=0.3");
    EXPECT_FALSE(TimerIsRunning(window));

    PressButton(window, g_startPauseButton);
    EXPECT_TRUE(g_running);
    Tick(window);
    EXPECT_EQ(g_frame, 24);
    CloseProgramWindow(window);
}

// KillTimer leaves a tick that is already queued: it must neither move the
// frame nor repaint another screen.
TEST(Animation, TicksOfAStoppedRunOrAnotherTimerChangeNothing) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    PressButton(window, g_startPauseButton);
    Tick(window);
    const auto expectStill = [&](WPARAM timer, const char* where) {
        SCOPED_TRACE(where);
        ValidateRect(window, nullptr);
        EXPECT_EQ(SendMessageW(window, WM_TIMER, timer, 0), 0);
        EXPECT_EQ(g_frame, 4);
        EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    };
    expectStill(kStageTimerId, "the stage timer during a run");
    PressButton(window, g_startPauseButton);
    expectStill(kAnimationTimerId, "paused");
    PressButton(window, g_startPauseButton);
    PressButton(window, g_menuButton);
    EXPECT_FALSE(g_running);
    PressButton(window, g_propagationButton);
    expectStill(kAnimationTimerId, "propagation, after a run was left");
    PressButton(window, g_menuButton);
    CloseProgramWindow(window);
}

TEST(Animation, ScaleCommandsChangeOnlyTheScale) {
    HWND window = OpenProgram();
    PressButton(window, g_formationButton);
    PressButton(window, g_startPauseButton);
    Tick(window);
    HWND pause = g_startPauseButton;
    struct Press {
        HWND* button;
        int scale;
    };
    for (const Press& press : {Press{&g_scale10Button, 10}, Press{&g_scale5Button, 5},
                               Press{&g_scale1Button, 1}, Press{&g_scale10Button, 10}}) {
        SCOPED_TRACE(press.scale);
        ValidateRect(window, nullptr);
        const int frame = g_frame;
        PressButton(window, *press.button);
        EXPECT_EQ(g_scale, press.scale);
        EXPECT_EQ(g_frame, frame);
        EXPECT_TRUE(g_running);
        EXPECT_EQ(g_startPauseButton, pause);
        EXPECT_TRUE(IsWholeClientArea(UpdateRect(window)));
        EXPECT_TRUE(TimerIsRunning(window));
    }
    // Also while paused; the scale survives a Reset and a new visit.
    PressButton(window, g_startPauseButton);
    PressButton(window, g_scale5Button);
    EXPECT_EQ(g_scale, 5);
    EXPECT_FALSE(g_running);
    EXPECT_FALSE(TimerIsRunning(window));
    PressButton(window, g_resetButton);
    PressButton(window, g_menuButton);
    PressButton(window, g_formationButton);
    EXPECT_EQ(g_scale, 5);
    CloseProgramWindow(window);
}

// --- The Wave propagation drawing ------------------------------------------

void TickStage(HWND window) {
    EXPECT_EQ(SendMessageW(window, WM_TIMER, kStageTimerId, 0), 0);
}

// Each stage comes with a tick of the stage timer and repaints only where
// it draws; a blank screen, the projector mode or a repaint keep the
// stages drawn so far, and only a new visit starts over.
TEST(PropagationDrawing, NothingButLeavingTheScreenStartsItOverOrStopsIt) {
    HWND window = OpenProgram();
    PressButton(window, g_propagationButton);
    EXPECT_EQ(g_stages, 0);
    EXPECT_TRUE(TimerIsRunning(window, kStageTimerId));
    for (int stage = 1; stage <= 10; ++stage) {
        ValidateRect(window, nullptr);
        TickStage(window);
        EXPECT_EQ(g_stages, stage);
        const RECT update = UpdateRect(window);
        EXPECT_FALSE(IsRectEmpty(&update));
        EXPECT_FALSE(IsWholeClientArea(update));
    }
    BlankScreen(window, RGB(0, 0, 0));
    TickStage(window);
    EXPECT_EQ(g_stages, 10);
    RestoreScreen(window);
    ToggleProjector(window);
    ToggleProjector(window);
    UpdateWindow(window);
    EXPECT_EQ(g_stages, 10);
    EXPECT_TRUE(TimerIsRunning(window, kStageTimerId));
    for (int stage = 11; stage <= kPropagationStages; ++stage) {
        TickStage(window);
    }
    EXPECT_EQ(g_stages, kPropagationStages);
    EXPECT_FALSE(TimerIsRunning(window, kStageTimerId));
    TickStage(window);
    EXPECT_EQ(g_stages, kPropagationStages);

    PressButton(window, g_menuButton);
    PressButton(window, g_propagationButton);
    TickStage(window);
    PressButton(window, g_menuButton);
    EXPECT_FALSE(TimerIsRunning(window, kStageTimerId));
    EXPECT_EQ(g_stages, 1);
    TickStage(window);
    EXPECT_EQ(g_stages, 1);
    PressButton(window, g_propagationButton);
    EXPECT_EQ(g_stages, 0);
    CloseProgramWindow(window);
}

}  // namespace
