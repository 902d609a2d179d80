#include "wave_model.h"

#include <new>

Grid g_diffusionTerm = nullptr;
Grid g_nonlinearTerm = nullptr;

static Grid AllocateTermField() {
    // Null row pointers, so that a field cut short by a failed allocation
    // can be freed like a whole one.
    Grid field = new double*[kProfileSamples]();
    try {
        for (int row = 0; row < kProfileSamples; ++row) {
            field[row] = new double[kEvolutionSteps];
        }
    } catch (const std::bad_alloc&) {
        FreeTermField(field);
        throw;
    }
    return field;
}

static void FillDiffusionTerm(Grid field, double length) {
    const double viscosity = g_viscosity;
    const double spacing = length / kProfileSamples;
    const double spacingSquared = spacing * spacing;
    for (int column = 0; column < kEvolutionSteps; ++column) {
        field[0][column] = 0.0;
    }
    // Row by row, so that the three rows of the stencil are read in
    // memory order; every value is independent of the others.
    for (int row = 1; row < kProfileSamples; ++row) {
        const double* previous = g_field[row - 1];
        const double* current = g_field[row];
        const double* next = g_field[row + 1];
        double* out = field[row];
        for (int column = 0; column < kEvolutionSteps; ++column) {
            out[column] = ((next[column] - 2 * current[column]) + previous[column]) *
                          viscosity / spacingSquared;
        }
    }
}

static void FillNonlinearTerm(Grid field) {
    const double nonlinearity = g_nonlinearity;
    for (int row = 0; row < kProfileSamples; ++row) {
        const double* in = g_field[row];
        double* out = field[row];
        for (int column = 0; column < kEvolutionSteps; ++column) {
            out[column] = nonlinearity * in[column];
        }
    }
}

Grid ComputeDiffusionTerm(double length) {
    Grid field = AllocateTermField();
    FillDiffusionTerm(field, length);
    return field;
}

Grid ComputeNonlinearTerm() {
    Grid field = AllocateTermField();
    FillNonlinearTerm(field);
    return field;
}

void FreeTermField(Grid field) {
    if (field == nullptr) {
        return;
    }
    for (int row = 0; row < kProfileSamples; ++row) {
        delete[] field[row];
    }
    delete[] field;
}

// Frees a field and nulls its global before anything can fail.
static void ReleaseTermField(Grid& field) {
    Grid old = field;
    field = nullptr;
    FreeTermField(old);
}

void RebuildTermFields() {
    // The fields keep their memory from one build to the next: 22 MB given
    // back and taken again from the system at every build cost several
    // times the computation where page faults are slow.
    try {
        if (g_diffusionTerm == nullptr) g_diffusionTerm = AllocateTermField();
        if (g_nonlinearTerm == nullptr) g_nonlinearTerm = AllocateTermField();
    } catch (const std::bad_alloc&) {
        ReleaseTermField(g_diffusionTerm);
        ReleaseTermField(g_nonlinearTerm);
        throw;
    }
    FillDiffusionTerm(g_diffusionTerm, kDiffusionSpan);
    FillNonlinearTerm(g_nonlinearTerm);
}
