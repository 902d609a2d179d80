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

Grid ComputeDiffusionTerm(double length) {
    const double viscosity = g_viscosity;
    Grid field = AllocateTermField();
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
    return field;
}

Grid ComputeNonlinearTerm() {
    const double nonlinearity = g_nonlinearity;
    Grid field = AllocateTermField();
    for (int row = 0; row < kProfileSamples; ++row) {
        const double* in = g_field[row];
        double* out = field[row];
        for (int column = 0; column < kEvolutionSteps; ++column) {
            out[column] = nonlinearity * in[column];
        }
    }
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
    // Each new field takes the place of the old one as soon as it is freed:
    // the heap hands the same, already mapped memory back.
    ReleaseTermField(g_diffusionTerm);
    g_diffusionTerm = ComputeDiffusionTerm(kDiffusionSpan);
    ReleaseTermField(g_nonlinearTerm);
    g_nonlinearTerm = ComputeNonlinearTerm();
}
