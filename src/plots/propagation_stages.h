// The stages of the "Wave propagation" plot: which columns of the solution
// each of its four baselines shows, and how many stages there are in all.
#pragma once

// Stage columns of one baseline: first, step and last, all inclusive.
struct StageSeries {
    int first;
    int step;
    int last;
};

constexpr StageSeries kStageSeries[4] = {
    {0, 50, 400}, {450, 50, 850}, {850, 100, 1850}, {1850, 10, 2000}};

constexpr int CountStages() {
    int stages = 0;
    for (const StageSeries& series : kStageSeries) {
        stages += (series.last - series.first) / series.step + 1;
    }
    return stages;
}

constexpr int kPropagationStages = CountStages();

// The screen adds one stage this often.
constexpr unsigned kStagePeriodMs = 100;
