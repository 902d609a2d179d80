#include "picture_scaling.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Weights are fixed-point fractions of kWeightOne; between the two passes
// a sum keeps kCarryBits bits below its 8 so that rounding happens once.
// 255 << (kWeightBits + kCarryBits) still fits 32 bits.
constexpr int kWeightBits = 14;
constexpr uint32_t kWeightOne = 1u << kWeightBits;
constexpr int kCarryBits = 6;
constexpr int kChannels = 3;
// Source rows read at a time, at least.
constexpr int kStripRows = 32;

// What each target index takes from the source along one axis: `count`
// source indices from `first`, with weights that add up to kWeightOne.
struct Taps {
    int stride = 0;
    std::vector<int> first;
    std::vector<int> count;
    std::vector<uint32_t> weights;  // stride per target index
};

Taps ComputeTaps(int source, int target) {
    const double ratio = static_cast<double>(source) / target;
    Taps taps;
    taps.stride = ratio > 1.0 ? static_cast<int>(std::ceil(ratio)) + 1 : 2;
    taps.first.resize(target);
    taps.count.resize(target);
    taps.weights.assign(static_cast<size_t>(target) * taps.stride, 0);
    std::vector<double> share(taps.stride);
    for (int i = 0; i < target; ++i) {
        int first;
        int count = 0;
        if (ratio > 1.0) {
            // The source span [begin, end) that target pixel i covers.
            const double begin = i * ratio;
            const double end = std::min(begin + ratio, static_cast<double>(source));
            first = std::min(static_cast<int>(begin), source - 1);
            for (int j = first; j < end && count < taps.stride; ++j) {
                share[count++] = (std::min(end, j + 1.0) - std::max(begin, double(j))) / ratio;
            }
        } else {
            // Pixel centres line up: target centre i + 0.5 is source ratio * (i + 0.5).
            const double centre = std::max(0.0, (i + 0.5) * ratio - 0.5);
            first = std::min(static_cast<int>(centre), source - 1);
            const double fraction = first + 1 < source ? centre - first : 0.0;
            share[count++] = 1.0 - fraction;
            if (fraction > 0.0) share[count++] = fraction;
        }
        // Rounded to integers, the remainder given to the largest share, so
        // that a flat area stays exactly flat.
        uint32_t* weights = &taps.weights[static_cast<size_t>(i) * taps.stride];
        uint32_t total = 0;
        int largest = 0;
        for (int k = 0; k < count; ++k) {
            weights[k] = static_cast<uint32_t>(std::lround(share[k] * kWeightOne));
            total += weights[k];
            if (share[k] > share[largest]) largest = k;
        }
        weights[largest] += kWeightOne - total;
        taps.first[i] = first;
        taps.count[i] = count;
    }
    return taps;
}

struct MemorySource {
    const uint32_t* pixels;
    int width;
};

bool ReadMemoryRows(const void* source, int first, int count, uint32_t* rows) {
    const auto* memory = static_cast<const MemorySource*>(source);
    const size_t width = static_cast<size_t>(memory->width);
    std::copy(memory->pixels + first * width, memory->pixels + (first + count) * width, rows);
    return true;
}

}  // namespace

void ScalePixels(const uint32_t* source, int sourceWidth, int sourceHeight, uint32_t* target,
                 int targetWidth, int targetHeight) {
    const MemorySource memory{source, sourceWidth};
    ScaleRows(ReadMemoryRows, &memory, sourceWidth, sourceHeight, target, targetWidth,
              targetHeight);
}

bool ScaleRows(SourceRowReader read, const void* source, int sourceWidth, int sourceHeight,
               uint32_t* target, int targetWidth, int targetHeight) {
    const Taps columns = ComputeTaps(sourceWidth, targetWidth);
    const Taps rows = ComputeTaps(sourceHeight, targetHeight);
    // One target row at a time: the source rows it takes, weighted into
    // `row`, then the row's columns into the target.
    std::vector<uint32_t> row(static_cast<size_t>(sourceWidth) * kChannels);
    // The source rows at hand: stripCount of them from stripFirst.
    const int stripRows = std::max(kStripRows, rows.stride);
    std::vector<uint32_t> strip(static_cast<size_t>(sourceWidth) * stripRows);
    int stripFirst = 0;
    int stripCount = 0;
    for (int y = 0; y < targetHeight; ++y) {
        const int needed = rows.first[y];
        if (needed + rows.count[y] > stripFirst + stripCount) {
            stripFirst = needed;
            stripCount = std::min(stripRows, sourceHeight - needed);
            if (!read(source, stripFirst, stripCount, strip.data())) return false;
        }
        std::fill(row.begin(), row.end(), 0u);
        const uint32_t* rowWeights = &rows.weights[static_cast<size_t>(y) * rows.stride];
        for (int k = 0; k < rows.count[y]; ++k) {
            const uint32_t weight = rowWeights[k];
            const uint32_t* from =
                strip.data() + static_cast<size_t>(needed - stripFirst + k) * sourceWidth;
            uint32_t* sum = row.data();
            for (int x = 0; x < sourceWidth; ++x, sum += kChannels) {
                const uint32_t pixel = from[x];
                sum[0] += weight * (pixel & 0xFF);
                sum[1] += weight * ((pixel >> 8) & 0xFF);
                sum[2] += weight * ((pixel >> 16) & 0xFF);
            }
        }
        for (uint32_t& sum : row) {
            sum = (sum + (1u << (kWeightBits - kCarryBits - 1))) >> (kWeightBits - kCarryBits);
        }
        uint32_t* to = target + static_cast<size_t>(y) * targetWidth;
        for (int x = 0; x < targetWidth; ++x) {
            const uint32_t* columnWeights = &columns.weights[static_cast<size_t>(x) * columns.stride];
            const uint32_t* from = row.data() + static_cast<size_t>(columns.first[x]) * kChannels;
            uint32_t channels[kChannels] = {};
            for (int k = 0; k < columns.count[x]; ++k, from += kChannels) {
                for (int c = 0; c < kChannels; ++c) channels[c] += columnWeights[k] * from[c];
            }
            uint32_t pixel = 0;
            for (int c = 0; c < kChannels; ++c) {
                constexpr int kShift = kWeightBits + kCarryBits;
                const uint32_t value = (channels[c] + (1u << (kShift - 1))) >> kShift;
                pixel |= std::min(value, 255u) << (8 * c);
            }
            to[x] = pixel;
        }
    }
    return true;
}
