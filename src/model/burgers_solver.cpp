#include "wave_model.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The march runs down the columns while each grid row is stored
// contiguously, 16 KB from the next, so a plain loop touches a new cache
// line, and a new memory page, at every sample. Instead a block of columns
// is computed in contiguous buffers and then written out row by row, a
// block's worth of one row at a time. The arithmetic, and so every value,
// is that of the plain loop.
constexpr int kBlockColumns = 32;
// The first block ends at column 7, so that every later block starts on a
// cache line of the (aligned) rows and fills whole lines.
constexpr int kFirstBlockColumns = 7;
constexpr int kLastPredictedRow = kProfileSamples - 2;  // 698
constexpr int kLastSolvedRow = kProfileSamples - 3;     // 697

static double s_firstColumn[kFieldRows];
static double s_predicted[kBlockColumns][kFieldRows];
static double s_solved[kBlockColumns][kFieldRows];

// One implicit-centre step: c is the old value, right and left the
// neighbours at the next and previous row.
static inline double StepSample(double c, double right, double left, double sigma,
                                double lambda, double m) {
    return m * ((c - sigma * (right * right - left * left)) + lambda * (right + left));
}

static void ZeroRow(double* row) {
    std::fill(row, row + kEvolutionSteps, 0.0);
}

static void WriteInitialProfile(double h) {
    for (int row = 0; row < kProfileSamples; ++row) {
        g_field[row][0] = std::sin(((row + 1) * kPi) * h);
    }
    // The boundary rows are zero in every column, the initial one included.
    ZeroRow(g_field[0]);
    ZeroRow(g_field[kProfileSamples - 2]);
    ZeroRow(g_field[kProfileSamples - 1]);
    ZeroRow(g_field[kProfileSamples]);
}

static void ClearPredictor() {
    // The march fills rows 1..698 of columns 1..1999; the rest is zero.
    ZeroRow(g_fieldNext[0]);
    ZeroRow(g_fieldNext[kProfileSamples - 1]);
    for (int row = 1; row <= kLastPredictedRow; ++row) {
        g_fieldNext[row][0] = 0.0;
    }
}

// Copies rows 1..lastRow of a block of columns into the grid. Whole
// aligned blocks bypass the cache: nothing reads them back during the solve.
static void WriteBlock(const double (&block)[kBlockColumns][kFieldRows], Grid grid, int lastRow,
                       int first, int count) {
    for (int row = 1; row <= lastRow; ++row) {
        double* out = grid[row] + first;
#if defined(__SSE2__)
        if (count == kBlockColumns) {
            for (int k = 0; k < kBlockColumns; k += 2) {
                _mm_stream_pd(out + k, _mm_set_pd(block[k + 1][row], block[k][row]));
            }
            continue;
        }
#endif
        for (int k = 0; k < count; ++k) {
            out[k] = block[k][row];
        }
    }
}

double g_solvedNonlinearity = 0.0;
double g_solvedViscosity = 0.0;

void SolveBurgers(double b, double v) {
    g_solvedNonlinearity = b;
    g_solvedViscosity = v;
    const double h = kPi / kProfileSamples;
    const double tau = (100.0 - 0.0) / kEvolutionSteps;
    const double lambda = tau * v / (h * h);
    const double sigma = tau * b / (4 * h);
    const double m = 1 / (1 + 2 * lambda);

    WriteInitialProfile(h);
    ClearPredictor();

    for (int row = 0; row < kFieldRows - 2; ++row) {
        s_firstColumn[row] = g_field[row][0];
    }
    const double* u = s_firstColumn;
    for (int first = 1; first < kEvolutionSteps;) {
        const int count =
            std::min(first == 1 ? kFirstBlockColumns : kBlockColumns, kEvolutionSteps - first);
        for (int k = 0; k < count; ++k) {
            double* w = s_predicted[k];
            double* next = s_solved[k];
            w[0] = 0.0;
            for (int row = 1; row <= kLastPredictedRow; ++row) {
                w[row] = StepSample(u[row], u[row + 1], u[row - 1], sigma, lambda, m);
            }
            next[0] = 0.0;
            for (int row = 1; row <= kLastSolvedRow; ++row) {
                next[row] = StepSample(u[row], w[row + 1], w[row - 1], sigma, lambda, m);
            }
            next[kProfileSamples - 2] = 0.0;
            next[kProfileSamples - 1] = 0.0;
            next[kProfileSamples] = 0.0;
            u = next;
        }
        WriteBlock(s_predicted, g_fieldNext, kLastPredictedRow, first, count);
        WriteBlock(s_solved, g_field, kLastSolvedRow, first, count);
        first += count;
    }
#if defined(__SSE2__)
    _mm_sfence();
#endif
}
