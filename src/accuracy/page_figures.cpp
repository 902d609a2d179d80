#include "page_figures.h"

#include "exact_sine_wave.h"
#include "run_clock.h"
#include "solver_errors.h"
#include "standard_form.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kDefaultB = 0.3;
constexpr double kDefaultV = 0.002;
constexpr double kFrontViscosities[] = {0.0005, 0.001, 0.002, 0.003, 0.004};
// The default run shows 4 columns every 100 ms.
constexpr double kColumnsPerSecond = 40.0;
constexpr double kTicksPerSecond = 10.0;
constexpr int kLobeFrames[] = {200, 500, 1000, 1996};
// Sweeps enough to tell a slow convergence from a divergence.
constexpr int kSweeps = 400;

double ComputeColumnOfTime(double t, double b, double v) {
    return t / ComputeEffectiveTime(1, b, v);
}

double FindLargestDisplayedValue(int column) {
    double largest = g_field[0][column];
    for (int row = 1; row < kDisplayedRows; ++row) {
        largest = std::fmax(largest, g_field[row][column]);
    }
    return largest;
}

double FindLargestDisplayedSize(int column) {
    double largest = 0;
    for (int row = 0; row < kDisplayedRows; ++row) {
        largest = std::fmax(largest, std::fabs(g_field[row][column]));
    }
    return largest;
}

// Breaking (t = 1), the full jump (t = pi/2) and the steepest front, and
// how steep the front is, measured alike in the program and the exact wave.
void PrintFrontTiming() {
    const double pi = std::acos(-1.0);
    std::printf("\nFront at b = %g, in computed columns: without viscosity the profile\n"
                "would break at t = 1, and the jump is 2 at t = pi/2; steepest in the\n"
                "program and in the exact wave, on the effective and the stated clock\n"
                "V        t = 1   t = pi/2   program   exact   exact, stated clock\n",
                kDefaultB);
    for (double v : kFrontViscosities) {
        SolveBurgers(kDefaultB, v);
        const double t = FindSteepestTime(ComputeStandardViscosity(kDefaultB, v));
        std::printf("%-7g  %5.1f   %5.1f      %4d      %5.1f   %5.1f\n", v,
                    ComputeColumnOfTime(1, kDefaultB, v), ComputeColumnOfTime(pi / 2, kDefaultB, v),
                    FindSteepestFront().column, ComputeColumnOfTime(t, kDefaultB, v),
                    t / ComputeStatedTime(1, kDefaultB));
    }
    std::printf("Its slope in the standard form: the program and the exact wave measured\n"
                "alike, by the difference across two rows; the exact wave's true slope\n"
                "V        program   exact, alike   exact, true (at t)\n");
    for (double v : kFrontViscosities) {
        SolveBurgers(kDefaultB, v);
        const double nu = ComputeStandardViscosity(kDefaultB, v);
        const double t = FindSteepestTime(nu);
        std::printf("%-7g  %6.1f    %6.1f         %6.1f (%.3f)\n", v, FindSteepestFront().slope,
                    FindSampledExactFront(kDefaultB, v).slope, -ComputeExactSlope(pi, t, nu), t);
    }
}

// The frame of a run on its clock that shows the steepest profile of the
// latest solve at V: its tick and column.
struct ShownFront {
    int tick;
    int column;
};

ShownFront FindShownSteepestFront(double v) {
    ShownFront shown = {0, 0};
    double steepest = 0;
    for (int tick = 0; tick <= ComputeLastRunTick(v); ++tick) {
        const double slope = MeasureColumnSlope(ComputeRunColumn(tick, v));
        if (slope > steepest) steepest = slope, shown = {tick, ComputeRunColumn(tick, v)};
    }
    return shown;
}

// Seconds after Start at which a run's clock reaches t at b, whatever V.
double ComputeSecondsOfTime(double t, double b) {
    return t / (b * kPi * ComputeTickDistance()) / kTicksPerSecond;
}

// The steepest front as the lecture sees it: the frame of a run, from
// Start, that shows the steepest profile, on the run's clock (one tick
// the same distance at every V) and, for the record, at four columns a
// tick whatever V, as the program played before.
void PrintFrontOnScreen() {
    std::printf("\nSteepest front on screen at b = %g, seconds after Start: on the run's\n"
                "clock (every tick the same distance) and at four columns a tick\n"
                "V        clock   (tick, column)   four columns a tick\n",
                kDefaultB);
    double earliest = 1e9, latest = 0, earliestOld = 1e9, latestOld = 0;
    for (double v : kFrontViscosities) {
        SolveBurgers(kDefaultB, v);
        const ShownFront shown = FindShownSteepestFront(v);
        const int shownTick = shown.tick;
        SteepestFront old = {0, 0};
        for (int column = 0; column <= kLastFrame; column += kFrameAdvance) {
            const double slope = MeasureColumnSlope(column);
            if (slope > old.slope) old = {column, slope};
        }
        const double seconds = shownTick / kTicksPerSecond;
        const double oldSeconds = old.column / kColumnsPerSecond;
        earliest = std::fmin(earliest, seconds), latest = std::fmax(latest, seconds);
        earliestOld = std::fmin(earliestOld, oldSeconds);
        latestOld = std::fmax(latestOld, oldSeconds);
        std::printf("%-7g  %5.1f   (%3d, %4d)       %5.1f\n", v, seconds, shownTick, shown.column,
                    oldSeconds);
    }
    std::printf("Latest against earliest across the slider: %.1f %% on the clock, %.0f %%\n"
                "at four columns a tick\n",
                100 * (latest / earliest - 1), 100 * (latestOld / earliestOld - 1));
    const double pi = std::acos(-1.0);
    for (double b : {kDefaultB, 0.4}) {
        std::printf("On the clock at b = %g, whatever V: t = 1 at %.1f s, t = pi/2 at %.1f s,\n"
                    "t = 1.65 at %.1f s, t = 3.3 at %.1f s\n",
                    b, ComputeSecondsOfTime(1, b), ComputeSecondsOfTime(pi / 2, b),
                    ComputeSecondsOfTime(1.65, b), ComputeSecondsOfTime(3.3, b));
    }
    std::printf("Last tick of a run (the run's length, s):");
    for (double v : kFrontViscosities) {
        std::printf(" V=%g %.1f", v, ComputeLastRunTick(v) / kTicksPerSecond);
    }
    std::printf("\n");
}

// Shapes depend on b / (pi V) alone; the distance to them as 1 / b.
void PrintSameShapes() {
    struct Pair {
        double b;
        double v;
    };
    std::printf("\nSame Reynolds number, same shapes; the distance to them goes as 1 / b:\n"
                "steepest front\n");
    for (const Pair pair : {Pair{0.2, 0.001}, Pair{0.4, 0.002}}) {
        SolveBurgers(pair.b, pair.v);
        const SteepestFront front = FindSteepestFront();
        const ShownFront shown = FindShownSteepestFront(pair.v);
        std::printf("  b=%g V=%g Re=%.1f: column %d, slope %.1f; on screen %.1f s after Start\n"
                    "    (column %d), at four columns a tick %.1f s\n",
                    pair.b, pair.v, 1 / ComputeStandardViscosity(pair.b, pair.v), front.column,
                    front.slope, shown.tick / kTicksPerSecond, shown.column,
                    front.column / kColumnsPerSecond);
    }
}

// The largest -u_x at the front's zero over all t: above 1 it steepens.
void PrintSteepeningThreshold() {
    const double pi = std::acos(-1.0);
    std::printf("\nLargest steepening of the slope at the zero, max over t of -u_x(pi, t):\n");
    for (double nu : {0.2, 0.5, 0.628}) {
        double largest = 0;
        for (double t = 0.005; t < 5; t += 0.005) {
            largest = std::fmax(largest, -ComputeExactSlope(pi, t, nu));
        }
        std::printf("  Re = %.2f: %.3f\n", 1 / nu, largest);
    }
}

// Over one wavelength of the exact wave: the energy, the integral of u^2,
// against its initial pi, and the largest u.
struct WaveSummary {
    double energy;
    double largest;
};

WaveSummary SummariseWave(double t, double nu) {
    const double pi = std::acos(-1.0);
    const int samples = 4000;
    WaveSummary summary = {0, 0};
    for (int k = 0; k < samples; ++k) {
        const double u = ComputeExactWave(2 * pi * (k + 0.5) / samples, t, nu);
        summary.energy += u * u * (2 * pi / samples) / pi;
        summary.largest = std::fmax(summary.largest, u);
    }
    return summary;
}

void PrintDecay() {
    const double pi = std::acos(-1.0);
    const double nu = ComputeStandardViscosity(kDefaultB, kDefaultV);
    const double lastTime = ComputeEffectiveTime(kLastFrame, kDefaultB, kDefaultV);
    std::printf("\nExact wave at the defaults (nu = %.4f, 1/nu = %.1f): energy against\n"
                "the initial one; largest u against the sawtooth's pi / (1 + t)\n",
                nu, 1 / nu);
    for (double t : {FindSteepestTime(nu), 3.3, lastTime}) {
        const WaveSummary summary = SummariseWave(t, nu);
        std::printf("  t = %5.2f: energy %.3f, largest u %.3f, pi / (1 + t) %.3f (%.1f %% "
                    "below), Re / (1 + t) %.1f\n",
                    t, summary.energy, summary.largest, pi / (1 + t),
                    100 * (1 - summary.largest * (1 + t) / pi), 1 / (nu * (1 + t)));
    }
    std::printf("Last frame of a run at b = %g (on the run's clock): its column, t and\n"
                "largest u; the exact largest u at that t\n",
                kDefaultB);
    for (double v : kFrontViscosities) {
        SolveBurgers(kDefaultB, v);
        const double vnu = ComputeStandardViscosity(kDefaultB, v);
        const int last = ComputeRunColumn(ComputeLastRunTick(v), v);
        const double t = ComputeEffectiveTime(last, kDefaultB, v);
        double exact = 0;
        for (int row = 0; row < kDisplayedRows; ++row) {
            exact = std::fmax(exact, ComputeExactWave(ComputeRowPosition(row), t, vnu));
        }
        std::printf("  V=%-6g column %4d, t = %4.1f, largest u %.3f; exact %.3f\n", v, last, t,
                    FindLargestDisplayedValue(last), exact);
    }
}

struct Lobes {
    double largest;  // |drawn field|
    int highRow;
    int lowRow;
};

// The two extremes of the drawn viscous curve, rows 2 to 449 (the first
// two points are drawn on the axis).
Lobes MeasureLobes(Grid drawn, int column) {
    Lobes lobes = {0, 2, 2};
    for (int row = 2; row < 450; ++row) {
        if (drawn[row][column] > drawn[lobes.highRow][column]) {
            lobes.highRow = row;
        }
        if (drawn[row][column] < drawn[lobes.lowRow][column]) {
            lobes.lowRow = row;
        }
    }
    lobes.largest = std::fmax(drawn[lobes.highRow][column], -drawn[lobes.lowRow][column]);
    return lobes;
}

// The viscous curve at the defaults: the field drawn is a quarter of the
// term V u_eta_eta.
void PrintViscousTerm() {
    g_nonlinearity = kDefaultB;
    g_viscosity = kDefaultV;
    SolveBurgers(kDefaultB, kDefaultV);
    Grid drawn = ComputeDiffusionTerm(kDiffusionSpan);
    const int row = 111;
    const double term = kDefaultV *
                        ((g_field[row + 1][0] - 2 * g_field[row][0]) + g_field[row - 1][0]) /
                        (kRowSpacing * kRowSpacing);
    const double quarter = drawn[row][0] / term;
    int peak = 0;
    for (int column = 0; column <= kLastFrame; column += kFrameAdvance) {
        if (MeasureLobes(drawn, column).largest > MeasureLobes(drawn, peak).largest) {
            peak = column;
        }
    }
    std::printf("\nViscous curve at the defaults: the drawn field is %.6f of V u''.\n"
                "Largest value drawn (of the term itself):\n", quarter);
    for (int column : {0, peak, kLastFrame}) {
        const double largest = MeasureLobes(drawn, column).largest;
        std::printf("  frame %4d: %.4f (%.4f), %.1f pixels at x1 on a screen 768 high\n",
                    column, largest, largest / quarter, largest * 768 / 45);
    }
    std::printf("Rows between its two lobes at frames");
    for (int column : kLobeFrames) {
        std::printf(" %d", column);
    }
    std::printf(":");
    for (int column : kLobeFrames) {
        const Lobes lobes = MeasureLobes(drawn, column);
        std::printf(" %d", lobes.highRow - lobes.lowRow);
    }
    std::printf("\n");
    FreeTermField(drawn);
}

// The overshoot of the forming front at the hardest setting.
void PrintOvershoot() {
    const double b = 0.4, v = 0.0005;
    SolveBurgers(b, v);
    double displayed = 0, anywhere = 0;
    int displayedRow = 0, displayedColumn = 0, row = 0, column = 0;
    for (int j = 0; j < kEvolutionSteps; ++j) {
        for (int r = 0; r < kProfileSamples; ++r) {
            const double size = std::fabs(g_field[r][j]);
            if (r < kDisplayedRows && size > displayed) {
                displayed = size, displayedRow = r, displayedColumn = j;
            }
            if (size > anywhere) {
                anywhere = size, row = r, column = j;
            }
        }
    }
    std::printf("\nLargest |u| at b=%g V=%g (b h / V = %.2f), the exact wave staying\n"
                "within 1: %.4f on the displayed rows (row %d, column %d), %.4f on all\n"
                "rows (row %d, column %d); largest u at column 48: %.4f\n",
                b, v, b * kRowSpacing / v, displayed, displayedRow, displayedColumn, anywhere,
                row, column, FindLargestDisplayedValue(48));
    std::printf("Largest displayed |u| at V = %g over all columns, and over the frames\n"
                "a run shows on its clock (its tick and column):\n", v);
    for (double overshooting : {0.24, 0.26, 0.3, 0.4}) {
        SolveBurgers(overshooting, v);
        double all = 0;
        for (int j = 0; j < kEvolutionSteps; ++j) all = std::fmax(all, FindLargestDisplayedSize(j));
        double shown = 0;
        int shownTick = 0;
        for (int tick = 0; tick <= ComputeLastRunTick(v); ++tick) {
            const double largest = FindLargestDisplayedSize(ComputeRunColumn(tick, v));
            if (largest > shown) shown = largest, shownTick = tick;
        }
        std::printf("  b=%-4g %.4f; shown %.4f (tick %d, column %d)\n", overshooting, all, shown,
                    shownTick, ComputeRunColumn(shownTick, v));
    }
}

// Sweeps of the solver's update, repeated from a column without end: do
// they settle on the implicit step? The last change after kSweeps.
double MeasureSweepChange(double b, double v, int column) {
    const double lambda = kColumnSpacing * v / (kRowSpacing * kRowSpacing);
    const double sigma = kColumnSpacing * b / (4 * kRowSpacing);
    const double m = 1 / (1 + 2 * lambda);
    std::vector<double> u(kProfileSamples + 1), w, next(kProfileSamples + 1, 0.0);
    for (int row = 0; row <= kProfileSamples; ++row) {
        u[row] = g_field[row][column];
    }
    w = u;
    double change = 0;
    for (int sweep = 0; sweep < kSweeps && change < 1e6; ++sweep) {
        change = 0;
        for (int row = 1; row < kProfileSamples - 2; ++row) {
            const double right = w[row + 1], left = w[row - 1];
            next[row] = m * ((u[row] - sigma * (right * right - left * left)) +
                             lambda * (right + left));
            change = std::fmax(change, std::fabs(next[row] - w[row]));
        }
        std::swap(w, next);
    }
    return change;
}

void PrintSweepConvergence() {
    const double v = 0.0005;
    std::printf("\nSweeps repeated %d times from each of columns 0, 20, ..., 400 at\n"
                "V = %g: the largest last change\n", kSweeps, v);
    for (double b : {0.38, 0.4}) {
        SolveBurgers(b, v);
        double change = 0;
        for (int column = 0; column <= 400; column += 20) {
            change = std::fmax(change, MeasureSweepChange(b, v, column));
        }
        std::printf("  b=%g (b h / V = %.2f): %.1e\n", b, b * kRowSpacing / v, change);
    }
}

}  // namespace

void PrintPageFigures() {
    PrintFrontTiming();
    PrintFrontOnScreen();
    PrintSameShapes();
    PrintSteepeningThreshold();
    PrintDecay();
    PrintViscousTerm();
    PrintOvershoot();
    PrintSweepConvergence();
}
