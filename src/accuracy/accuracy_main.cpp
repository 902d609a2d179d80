// kestrum-accuracy: holds the solver's profiles against the exact solution
// of the Burgers equation and prints how far apart they are.
//   kestrum-accuracy OUTDIR    (writes OUTDIR/profiles.dat for the figure)
#include "exact_sine_wave.h"
#include "solver_errors.h"
#include "standard_form.h"

#include <cmath>
#include <cstdio>
#include <string>

struct Parameters {
    double b;
    double v;
};

// The defaults, the propagation screen, the hardest slider setting and a
// strongly viscous pair far outside the sliders.
constexpr Parameters kPairs[] = {{0.3, 0.002}, {0.12, 0.003}, {0.4, 0.0005}, {0.05, 0.05}};
constexpr int kMeasuredColumns[] = {250, 500, 1000, 1999};
constexpr int kPlottedColumns[] = {50, 200, 500, 1999};
constexpr double kFrontViscosities[] = {0.0005, 0.001, 0.002, 0.003, 0.004};
constexpr double kFrontNonlinearity = 0.3;
// Row 0 is held at zero one row to the right of the sine's own zero; the
// error this makes spreads over the first few rows.
constexpr int kFirstRowAwayFromEdge = 20;

// Basdevant et al. (1986): u_t + u u_x = (0.01 / pi) u_xx, u(x, 0) =
// -sin(pi x) is steepest, max |u_x| = 152.00516, at t = 1.6037 / pi. With
// x' = pi x + pi and t' = pi t it is our sine wave with nu = 0.01.
static void PrintBenchmark() {
    const double pi = std::acos(-1.0);
    const double t = FindSteepestTime(0.01);
    const double slope = -pi * ComputeExactSlope(pi, t, 0.01);
    std::printf("Exact solution, classical check: nu = 0.01/pi, u(x,0) = -sin(pi x): "
                "max |u_x| = %.5f at t = %.4f/pi (published: 152.00516 at t = 1.6037/pi)\n",
                slope, t);
}

static void PrintErrors(SolverClock clock) {
    for (const Parameters& pair : kPairs) {
        SolveBurgers(pair.b, pair.v);
        const double nu = ComputeStandardViscosity(pair.b, pair.v);
        const double perColumn = clock == EffectiveClock
                                     ? ComputeEffectiveColumnSpacing(pair.v) / kColumnSpacing
                                     : 1.0;
        LargestError worst = {-1, 0, 0};
        double awayFromEdge = 0;
        std::string byColumn;
        for (int column : kMeasuredColumns) {
            const LargestError error = MeasureLargestError(column, pair.b, pair.v, clock, 0);
            if (error.error > worst.error) {
                worst = error;
            }
            awayFromEdge = std::fmax(
                awayFromEdge,
                MeasureLargestError(column, pair.b, pair.v, clock, kFirstRowAwayFromEdge).error);
            char text[16];
            std::snprintf(text, sizeof text, " %.2e", error.error);
            byColumn += text;
        }
        std::printf("b=%g V=%g nu=%.4f Re=%.1f xi per column %.4f tau: max error %.2e "
                    "(row %d, column %d); by column:%s; rows %d-479: %.2e\n",
                    pair.b, pair.v, nu, 1 / nu, perColumn, worst.error, worst.row,
                    worst.column, byColumn.c_str(), kFirstRowAwayFromEdge, awayFromEdge);
    }
}

// Every frame the animation shows, so that the forming front and the
// first frame are on record too.
static void PrintErrorsOverEveryFrame() {
    std::printf("Largest error over every frame (columns 0, 4, ..., 1996), effective clock, "
                "on rows 0-479 and on rows %d-479:\n",
                kFirstRowAwayFromEdge);
    for (const Parameters& pair : kPairs) {
        SolveBurgers(pair.b, pair.v);
        LargestError worst = {-1, 0, 0}, awayFromEdge = {-1, 0, 0};
        for (int column = 0; column <= kLastFrame; column += kFrameAdvance) {
            const LargestError error =
                MeasureLargestError(column, pair.b, pair.v, EffectiveClock, 0);
            if (error.error > worst.error) {
                worst = error;
            }
            const LargestError away = MeasureLargestError(column, pair.b, pair.v,
                                                          EffectiveClock, kFirstRowAwayFromEdge);
            if (away.error > awayFromEdge.error) {
                awayFromEdge = away;
            }
        }
        std::printf("  b=%g V=%g: %.2e (row %d, column %d); %.2e (row %d, column %d)\n",
                    pair.b, pair.v, worst.error, worst.row, worst.column, awayFromEdge.error,
                    awayFromEdge.row, awayFromEdge.column);
    }
}

static double FindLargestDisplayedValue(int column) {
    double largest = g_field[0][column];
    for (int row = 1; row < kDisplayedRows; ++row) {
        largest = std::fmax(largest, g_field[row][column]);
    }
    return largest;
}

static void PrintFrontTiming() {
    const double defaultsLastTime = ComputeEffectiveTime(kLastFrame, 0.3, 0.002);
    std::printf("Front at b=%g on rows 0-479: where it is steepest in the program, and in the "
                "exact solution on the effective / the stated clock; the last frame; the exact "
                "largest u at the defaults' last frame, t = %.1f\n",
                kFrontNonlinearity, defaultsLastTime);
    const double pi = std::acos(-1.0);
    for (double v : kFrontViscosities) {
        SolveBurgers(kFrontNonlinearity, v);
        const double nu = ComputeStandardViscosity(kFrontNonlinearity, v);
        const double t = FindSteepestTime(nu);
        const double oneColumn = kFrontNonlinearity * kPi;
        const SteepestFront front = FindSteepestFront();
        double exactLargest = 0;
        for (int row = 0; row < kDisplayedRows; ++row) {
            exactLargest = std::fmax(
                exactLargest, ComputeExactWave(ComputeRowPosition(row), defaultsLastTime, nu));
        }
        std::printf("  V=%g: column %d, |u_x| %.1f; exact column %.1f / %.1f, |u_x| %.1f; "
                    "frame %d lies at t = %.1f, largest u %.3f; exact %.3f\n",
                    v, front.column, front.slope,
                    t / (oneColumn * ComputeEffectiveColumnSpacing(v)),
                    t / (oneColumn * kColumnSpacing), -ComputeExactSlope(pi, t, nu), kLastFrame,
                    ComputeEffectiveTime(kLastFrame, kFrontNonlinearity, v),
                    FindLargestDisplayedValue(kLastFrame), exactLargest);
    }
}

static void PrintLargestValue(double b, double v) {
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
    std::printf("Largest |u| at b=%g V=%g (grid Peclet number b h / V = %.2f): %.4f on the "
                "displayed rows (row %d, column %d), %.4f on all rows (row %d, column %d); "
                "the exact solution stays within 1\n",
                b, v, b * kRowSpacing / v, displayed, displayedRow, displayedColumn, anywhere,
                row, column);
}

// The viscous curve's field against V times the second difference over h.
static void PrintViscousScale() {
    SolveBurgers(g_nonlinearity, g_viscosity);
    Grid term = ComputeDiffusionTerm(kDiffusionSpan);
    const int row = 111;
    const double full = g_viscosity *
                        ((g_field[row + 1][0] - 2 * g_field[row][0]) + g_field[row - 1][0]) /
                        (kRowSpacing * kRowSpacing);
    std::printf("Viscous curve: the term field is %.6f times V u_eta_eta\n", term[row][0] / full);
    FreeTermField(term);
}

static bool WriteProfiles(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "# x/pi, then program and exact u at columns");
    for (int column : kPlottedColumns) {
        std::fprintf(file, " %d", column);
    }
    std::fprintf(file, "; one block per pair, effective clock\n");
    for (const Parameters& pair : kPairs) {
        SolveBurgers(pair.b, pair.v);
        const double nu = ComputeStandardViscosity(pair.b, pair.v);
        std::fprintf(file, "# b=%g V=%g\n", pair.b, pair.v);
        for (int row = 0; row < kDisplayedRows; ++row) {
            const double x = ComputeRowPosition(row);
            std::fprintf(file, "%.6f", x / kPi);
            for (int column : kPlottedColumns) {
                const double t = ComputeEffectiveTime(column, pair.b, pair.v);
                std::fprintf(file, " %.9f %.9f", g_field[row][column],
                             ComputeExactWave(x, t, nu));
            }
            std::fprintf(file, "\n");
        }
        std::fprintf(file, "\n\n");
    }
    return std::fclose(file) == 0;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrum-accuracy OUTDIR\n");
        return 2;
    }
    AllocateFieldRows();
    PrintBenchmark();
    std::printf("Largest error on rows 0-479 at columns 250, 500, 1000, 1999; effective clock, "
                "xi = j tau m (2 - m):\n");
    PrintErrors(EffectiveClock);
    std::printf("The same on the stated clock, xi = j tau:\n");
    PrintErrors(StatedClock);
    PrintErrorsOverEveryFrame();
    PrintFrontTiming();
    PrintLargestValue(0.4, 0.0005);
    PrintViscousScale();
    const std::string profiles = std::string(argv[1]) + "/profiles.dat";
    if (!WriteProfiles(profiles)) {
        std::fprintf(stderr, "kestrum-accuracy: cannot write %s\n", profiles.c_str());
        return 1;
    }
    return 0;
}
