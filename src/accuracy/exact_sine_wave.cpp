#include "exact_sine_wave.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Weights below e^-40 of the largest are left out.
constexpr double kCutoff = 40.0;
// For large nu the peak is wide, but the factor phi(y, 0) still varies with
// period 2 pi; half a unit keeps its harmonics within one panel's reach.
constexpr double kLongestPanel = 0.5;
// Gauss-Legendre on [-1, 1], 8 points: the positive nodes and their weights.
constexpr double kNodes[] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                             0.9602898564975363};
constexpr double kWeights[] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                               0.1012285362903763};

struct Moments {
    double mean;
    double variance;
};

// y mirrored into [left, right] about the walls, period 2 (right - left).
double FoldBetweenWalls(double y, const Walls& walls) {
    const double period = 2 * (walls.right - walls.left);
    double offset = std::fmod(y - walls.left, period);
    if (offset < 0) {
        offset += period;
    }
    return walls.left + std::min(offset, period - offset);
}

// -2 nu log phi(y, 0), up to a constant: 1 - cos y, mirrored when walled.
double ComputePotential(double y, const Walls* walls) {
    return 1 - std::cos(walls != nullptr ? FoldBetweenWalls(y, *walls) : y);
}

// Where the integration in s must break: the mirror points x - s = left +
// k (right - left), inside (-reach, reach), and the two ends.
std::vector<double> ListPanelBreaks(double x, double reach, const Walls* walls) {
    std::vector<double> breaks = {-reach, reach};
    if (walls != nullptr) {
        const double span = walls->right - walls->left;
        const int first = static_cast<int>(std::floor((x - reach - walls->left) / span));
        const int last = static_cast<int>(std::ceil((x + reach - walls->left) / span));
        for (int k = first; k <= last; ++k) {
            const double s = x - (walls->left + k * span);
            if (s > -reach && s < reach) {
                breaks.push_back(s);
            }
        }
        std::sort(breaks.begin(), breaks.end());
    }
    return breaks;
}

// Mean and variance of the shift s = x - y under the weight
// exp(-G / (2 nu)), G = s^2 / (2 t) + potential(x - s), which is the heat
// kernel times phi(y, 0).
Moments MeasureShift(double x, double t, double nu, const Walls* walls) {
    // G >= s^2 / (2 t) and min G <= G(0), so beyond this reach the weight
    // is below e^-kCutoff of its peak; the curvature of G / (2 nu) is at
    // most (1 / t + 1) / (2 nu), so no peak is narrower than `width`.
    const double reach = std::sqrt(2 * t * (ComputePotential(x, walls) + 2 * nu * kCutoff));
    const double width = std::sqrt(2 * nu * t / (1 + t));
    const double longest = std::min(width, kLongestPanel);
    const std::vector<double> breaks = ListPanelBreaks(x, reach, walls);

    std::vector<double> shift, weight, exponent;
    double least = HUGE_VAL;
    for (size_t piece = 0; piece + 1 < breaks.size(); ++piece) {
        const double length = breaks[piece + 1] - breaks[piece];
        const int panels = std::max(1, static_cast<int>(std::ceil(length / longest)));
        const double half = length / panels / 2;
        for (int panel = 0; panel < panels; ++panel) {
            const double centre = breaks[piece] + (2 * panel + 1) * half;
            for (int k = 0; k < 8; ++k) {
                const double node = k < 4 ? -kNodes[3 - k] : kNodes[k - 4];
                const double s = centre + half * node;
                const double g = s * s / (2 * t) + ComputePotential(x - s, walls);
                shift.push_back(s);
                weight.push_back(half * kWeights[k < 4 ? 3 - k : k - 4]);
                exponent.push_back(g);
                least = std::min(least, g);
            }
        }
    }
    double weightSum = 0, firstMoment = 0;
    for (size_t i = 0; i < shift.size(); ++i) {
        const double drop = (exponent[i] - least) / (2 * nu);
        weight[i] *= drop < kCutoff ? std::exp(-drop) : 0.0;
        weightSum += weight[i];
        firstMoment += weight[i] * shift[i];
    }
    const double mean = firstMoment / weightSum;
    double secondMoment = 0;
    for (size_t i = 0; i < shift.size(); ++i) {
        secondMoment += weight[i] * (shift[i] - mean) * (shift[i] - mean);
    }
    return {mean, secondMoment / weightSum};
}

}  // namespace

double ComputeExactWave(double x, double t, double nu) {
    if (t <= 0) {
        return std::sin(x);
    }
    return MeasureShift(x, t, nu, nullptr).mean / t;
}

double ComputeExactSlope(double x, double t, double nu) {
    if (t <= 0) {
        return std::cos(x);
    }
    return (1 - MeasureShift(x, t, nu, nullptr).variance / (2 * nu * t)) / t;
}

double ComputeWalledWave(double x, double t, double nu, Walls walls) {
    if (t <= 0) {
        return x <= walls.left || x >= walls.right ? 0.0 : std::sin(x);
    }
    return MeasureShift(x, t, nu, &walls).mean / t;
}
