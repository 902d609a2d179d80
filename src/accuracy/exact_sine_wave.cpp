#include "exact_sine_wave.h"

#include <algorithm>
#include <cmath>
#include <vector>

// Weights below e^-40 of the largest are left out.
constexpr double kCutoff = 40.0;
constexpr double kStepsPerWidth = 3.0;
// For large nu the peak is wide, but the factor phi(y, 0) still varies with
// period 2 pi; a tenth of a unit keeps its harmonics from aliasing.
constexpr double kLongestStep = 0.1;

// Mean and variance of the shift s = x - y under the weight
// exp(-G / (2 nu)), G = s^2 / (2 t) + 1 - cos(x - s), which is the heat
// kernel times phi(y, 0) = exp(-(1 - cos y) / (2 nu)).
static void MeasureShift(double x, double t, double nu, double* mean, double* variance) {
    // G - min G >= s^2 / (2 t) - 2, so beyond this reach the weight is below
    // e^-kCutoff of its peak; the curvature of G / (2 nu) is at most
    // (1 / t + 1) / (2 nu), so no peak is narrower than `width`.
    const double reach = std::sqrt(2 * t * (2 + 2 * nu * kCutoff));
    const double width = std::sqrt(2 * nu * t / (1 + t));
    const double widest = std::min(width / kStepsPerWidth, kLongestStep);
    const int half = static_cast<int>(std::ceil(reach / widest));
    const double step = reach / half;

    std::vector<double> exponent(2 * half + 1);
    double least = HUGE_VAL;
    for (int k = -half; k <= half; ++k) {
        const double s = k * step;
        const double g = s * s / (2 * t) + (1 - std::cos(x - s));
        exponent[k + half] = g;
        least = std::min(least, g);
    }
    double weightSum = 0, firstMoment = 0;
    for (int k = -half; k <= half; ++k) {
        const double weight = std::exp(-(exponent[k + half] - least) / (2 * nu));
        exponent[k + half] = weight;
        weightSum += weight;
        firstMoment += weight * (k * step);
    }
    *mean = firstMoment / weightSum;
    double secondMoment = 0;
    for (int k = -half; k <= half; ++k) {
        const double d = k * step - *mean;
        secondMoment += exponent[k + half] * d * d;
    }
    *variance = secondMoment / weightSum;
}

double ComputeExactWave(double x, double t, double nu) {
    if (t <= 0) {
        return std::sin(x);
    }
    double mean = 0, variance = 0;
    MeasureShift(x, t, nu, &mean, &variance);
    return mean / t;
}

double ComputeExactSlope(double x, double t, double nu) {
    if (t <= 0) {
        return std::cos(x);
    }
    double mean = 0, variance = 0;
    MeasureShift(x, t, nu, &mean, &variance);
    return (1 - variance / (2 * nu * t)) / t;
}
