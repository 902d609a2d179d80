#include "standard_form.h"

double ComputeRowPosition(int row) {
    return kPi * ((row + 1) * kRowSpacing);
}

double ComputeStandardViscosity(double b, double v) {
    return kPi * v / b;
}

double ComputeEffectiveColumnSpacing(double v) {
    const double lambda = kColumnSpacing * v / (kRowSpacing * kRowSpacing);
    const double m = 1 / (1 + 2 * lambda);
    return kColumnSpacing * m * (2 - m);
}

double ComputeEffectiveTime(int column, double b, double v) {
    return b * kPi * (column * ComputeEffectiveColumnSpacing(v));
}

double ComputeStatedTime(int column, double b) {
    return b * kPi * (column * kColumnSpacing);
}

double ComputeColumnTime(int column, double b, double v, SolverClock clock) {
    return clock == EffectiveClock ? ComputeEffectiveTime(column, b, v)
                                   : ComputeStatedTime(column, b);
}
