#include "wave_model.h"

#include <new>

Grid g_field = new double*[kFieldRows];
Grid g_fieldNext = new double*[kFieldRows];

double g_viscosity = 0.002;
double g_nonlinearity = 0.3;

static void AllocateRows(Grid grid) {
    // Cache-line aligned, so that the solver writes whole lines.
    for (int row = 0; row < kFieldRows; ++row) {
        grid[row] = new (std::align_val_t(kFieldRowAlignment)) double[kFieldColumns];
    }
}

void AllocateFieldRows() {
    AllocateRows(g_field);
    AllocateRows(g_fieldNext);
}
