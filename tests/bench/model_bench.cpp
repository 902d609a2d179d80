// The model's speed beside the memory floor: a solve writes both solution
// grids, so copying those bytes once is what no solver can beat.
#include "wave_model.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

Grid AllocateGrid() {
    Grid grid = new double*[kFieldRows];
    for (int row = 0; row < kFieldRows; ++row) {
        grid[row] = new double[kFieldColumns]();
    }
    return grid;
}

// The scheme as a plain loop down the columns, for comparison.
void SolvePlainly(double b, double v) {
    const double h = kPi / 700;
    const double tau = (100.0 - 0.0) / 2000;
    const double lambda = tau * v / (h * h);
    const double sigma = tau * b / (4 * h);
    const double m = 1 / (1 + 2 * lambda);
    Grid u = g_field;
    Grid w = g_fieldNext;
    for (int r = 0; r < 700; ++r) u[r][0] = std::sin(((r + 1) * kPi) * h);
    for (int r : {0, 698, 699, 700})
        for (int j = 0; j < 2000; ++j) u[r][j] = 0;
    for (int r = 0; r < 700; ++r)
        for (int j = 0; j < 2000; ++j) w[r][j] = 0;
    for (int j = 0; j < 1999; ++j) {
        for (int r = 1; r <= 698; ++r) {
            const double c = u[r][j], R = u[r + 1][j], L = u[r - 1][j];
            w[r][j + 1] = m * ((c - sigma * (R * R - L * L)) + lambda * (R + L));
        }
        for (int r = 1; r <= 697; ++r) {
            const double c = u[r][j], R = w[r + 1][j + 1], L = w[r - 1][j + 1];
            u[r][j + 1] = m * ((c - sigma * (R * R - L * L)) + lambda * (R + L));
        }
    }
}

void BM_SolveBurgers(benchmark::State& state) {
    SolveBurgers(0.3, 0.002);
    for (auto _ : state) {
        SolveBurgers(0.3, 0.002);
        benchmark::DoNotOptimize(g_field[111][1999]);
    }
}

void BM_SolvePlainLoop(benchmark::State& state) {
    SolvePlainly(0.3, 0.002);
    for (auto _ : state) {
        SolvePlainly(0.3, 0.002);
        benchmark::DoNotOptimize(g_field[111][1999]);
    }
}

void BM_CopyBothSolutionGrids(benchmark::State& state) {
    static Grid copyOfField = AllocateGrid();
    static Grid copyOfNext = AllocateGrid();
    const size_t rowBytes = kFieldColumns * sizeof(double);
    for (auto _ : state) {
        for (int row = 0; row < kFieldRows; ++row) {
            std::memcpy(copyOfField[row], g_field[row], rowBytes);
            std::memcpy(copyOfNext[row], g_fieldNext[row], rowBytes);
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 2 * kFieldRows * rowBytes);
}

void BM_ComputeDiffusionTerm(benchmark::State& state) {
    SolveBurgers(0.3, 0.002);
    for (auto _ : state) {
        Grid field = ComputeDiffusionTerm(6.283185307);
        benchmark::DoNotOptimize(field[1][0]);
        FreeTermField(field);
    }
}

void BM_ComputeNonlinearTerm(benchmark::State& state) {
    SolveBurgers(0.3, 0.002);
    for (auto _ : state) {
        Grid field = ComputeNonlinearTerm();
        benchmark::DoNotOptimize(field[1][0]);
        FreeTermField(field);
    }
}

BENCHMARK(BM_SolveBurgers)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SolvePlainLoop)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_CopyBothSolutionGrids)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ComputeDiffusionTerm)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ComputeNonlinearTerm)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Keeps each benchmark's time per iteration for the ratios printed last.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> millisecondsPerRun;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            std::string name = run.benchmark_name();
            millisecondsPerRun[name.substr(0, name.find('/'))] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) *
                1e3;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    AllocateFieldRows();
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ms = reporter.millisecondsPerRun;
    for (const char* name : {"BM_SolveBurgers", "BM_SolvePlainLoop", "BM_CopyBothSolutionGrids",
                             "BM_ComputeDiffusionTerm", "BM_ComputeNonlinearTerm"}) {
        if (ms.count(name) == 0) ms[name] = NAN;
    }
    const double floor = ms.at("BM_CopyBothSolutionGrids");
    std::printf("\nsolve / copy of both grids:       %.2f  (%.2f ms / %.2f ms)\n",
                ms.at("BM_SolveBurgers") / floor, ms.at("BM_SolveBurgers"), floor);
    std::printf("plain loop / copy of both grids:  %.2f\n", ms.at("BM_SolvePlainLoop") / floor);
    std::printf("diffusion term build:             %.2f ms\n", ms.at("BM_ComputeDiffusionTerm"));
    std::printf("nonlinear term build:             %.2f ms\n", ms.at("BM_ComputeNonlinearTerm"));
    benchmark::Shutdown();
    return 0;
}
