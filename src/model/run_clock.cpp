#include "run_clock.h"

#include "standard_form.h"

#include <algorithm>
#include <cmath>

static constexpr int kDefaultLastTick = kLastFrame / kFrameAdvance;

double ComputeTickDistance() {
    return kFrameAdvance * ComputeEffectiveColumnSpacing(kClockViscosity);
}

// Columns, not necessarily whole, that the run at V needs for `tick`.
static double ComputeExactColumn(int tick, double v) {
    return tick * ComputeTickDistance() / ComputeEffectiveColumnSpacing(v);
}

int ComputeRunColumn(int tick, double v) {
    const double column = std::round(ComputeExactColumn(tick, v));
    return static_cast<int>(std::clamp(column, 0.0, static_cast<double>(kLastFrame)));
}

int ComputeLastRunTick(double v) {
    // The nearest column of the last tick may lie up to half a column
    // beyond the last tick's exact column.
    int last = kDefaultLastTick;
    while (last > 0 && std::round(ComputeExactColumn(last, v)) > kLastFrame) --last;
    return last;
}

int ComputeRunTick(int column, double v) {
    return static_cast<int>(std::lround(column / ComputeExactColumn(1, v)));
}

double ComputeRunProgress(int column, double v) {
    const int last = ComputeRunColumn(ComputeLastRunTick(v), v);
    return last > 0 ? std::clamp(static_cast<double>(column) / last, 0.0, 1.0) : 1.0;
}
