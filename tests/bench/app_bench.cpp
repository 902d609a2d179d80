// What start-up and the model-building commands cost, each beside its
// floor: a bare window of the same size painted once, and writing the same
// bytes once. Run under Wine: scripts/wine-run.sh <build>/app_bench_en.exe
#include "app.h"
#include "start_up.h"
#include "screens.h"
#include "test_windows.h"

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kTimedRuns = 15;

double ReadMilliseconds() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A window of the desktop's size that paints itself white once.
double TimeBareWindow() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW bare = {};
        bare.lpfnWndProc = BareWindowProc;
        bare.hInstance = GetModuleHandleW(nullptr);
        bare.lpszClassName = L"KestrumBareWindow";
        RegisterClassW(&bare);
        registered = true;
    }
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const double start = ReadMilliseconds();
    HWND window = CreateWindowExW(0, L"KestrumBareWindow", L"", WS_POPUP, 0, 0, desktop.right,
                                  desktop.bottom, nullptr, nullptr, GetModuleHandleW(nullptr),
                                  nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    GdiFlush();
    const double elapsed = ReadMilliseconds() - start;
    DestroyWindow(window);
    return elapsed;
}

// What WinMain does up to the first painted title screen: the grid rows,
// the first solve, the window with its title panel, and its first paint.
double TimeStartUp(HWND* window) {
    g_instance = GetModuleHandleW(nullptr);
    RegisterMainWindowClass(g_instance);
    const double start = ReadMilliseconds();
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    AllocateFieldRows();
    SolveBurgers(g_nonlinearity, g_viscosity);
    *window = CreateMainWindow(g_instance, POINT{0, 0}, ComputeMainWindowSize(desktop));
    ShowWindow(*window, SW_SHOWNORMAL);
    UpdateWindow(*window);
    GdiFlush();
    return ReadMilliseconds() - start;
}

void SendCommand(HWND window, int id) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    ValidateRect(window, nullptr);
}

// Writing once the bytes a Wave formation or Reset command writes: both
// solution grids and both term fields.
double TimeWritingTheSameBytes() {
    const size_t bytes = (2 * static_cast<size_t>(kFieldRows) * kFieldColumns +
                          2 * static_cast<size_t>(kProfileSamples) * kEvolutionSteps) *
                         sizeof(double);
    std::vector<char> target(bytes, 1);
    std::vector<double> times;
    for (int run = 0; run < kTimedRuns; ++run) {
        const double start = ReadMilliseconds();
        std::memset(target.data(), run, bytes);
        times.push_back(ReadMilliseconds() - start);
    }
    return Median(times);
}

}  // namespace

int main() {
    // As the program's start-up does: the pictures are decoded through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // Warm the loader and the window manager: the first window of a
    // process under Wine costs more than any later one.
    TimeBareWindow();
    HWND window = nullptr;
    const double startUp = TimeStartUp(&window);
    std::vector<double> bare;
    for (int run = 0; run < kTimedRuns; ++run) bare.push_back(TimeBareWindow());

    std::vector<double> formation;
    std::vector<double> reset;
    std::vector<double> change;
    for (int run = 0; run < kTimedRuns; ++run) {
        // A change of screen as the user sees it: Authors, then the title
        // with its panel, painted.
        // Authors painted first, so that the title's picture is not the one kept.
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(ID_AUTHORS, BN_CLICKED), 0);
        UpdateWindow(window);
        double start = ReadMilliseconds();
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(ID_MENU, BN_CLICKED), 0);
        UpdateWindow(window);
        GdiFlush();
        change.push_back(ReadMilliseconds() - start);
    }
    for (int run = 0; run < kTimedRuns; ++run) {
        double start = ReadMilliseconds();
        SendCommand(window, ID_FORMATION);
        formation.push_back(ReadMilliseconds() - start);
        start = ReadMilliseconds();
        SendCommand(window, ID_RESET);
        reset.push_back(ReadMilliseconds() - start);
        SendCommand(window, ID_MENU);
    }
    const double bytes = TimeWritingTheSameBytes();

    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    std::printf("Start-up and command costs in ms (desktop %ldx%ld); medians of %d runs,\n"
                "start-up measured once.\n\n",
                desktop.right, desktop.bottom, kTimedRuns);
    std::printf("%-34s %9s %9s %7s\n", "operation", "time", "floor", "ratio");
    std::printf("%-34s %9.2f %9.2f %7.1f\n", "start-up to painted title screen", startUp,
                Median(bare), startUp / Median(bare));
    std::printf("%-34s %9.2f %9.2f %7.1f\n", "screen change to the painted title", Median(change),
                Median(bare), Median(change) / Median(bare));
    std::printf("%-34s %9.2f %9.2f %7.1f\n", "Wave formation command", Median(formation), bytes,
                Median(formation) / bytes);
    std::printf("%-34s %9.2f %9.2f %7.1f\n", "Reset command", Median(reset), bytes,
                Median(reset) / bytes);
    std::printf("\nfloors: a bare window of the desktop's size painted once; writing the\n"
                "45 MB of both solution grids and both term fields once.\n");
    DestroyWindow(window);
    return 0;
}
