#include "gif_palette.h"

#include <algorithm>
#include <cstddef>

namespace {

struct ColourCount {
    uint32_t colour;
    uint64_t count;
};

int Channel(uint32_t colour, int channel) {
    return static_cast<int>((colour >> (16 - 8 * channel)) & 0xFF);
}

uint32_t ReadPixel(const uint8_t* bgr) {
    return (uint32_t{bgr[2]} << 16) | (uint32_t{bgr[1]} << 8) | bgr[0];
}

int WidestChannel(const std::vector<ColourCount>& box, int& range) {
    int widest = 0;
    range = -1;
    for (int channel = 0; channel < 3; ++channel) {
        int low = 255;
        int high = 0;
        for (const ColourCount& entry : box) {
            low = std::min(low, Channel(entry.colour, channel));
            high = std::max(high, Channel(entry.colour, channel));
        }
        if (high - low > range) {
            range = high - low;
            widest = channel;
        }
    }
    return widest;
}

uint64_t CountPixels(const std::vector<ColourCount>& box) {
    uint64_t total = 0;
    for (const ColourCount& entry : box) total += entry.count;
    return total;
}

// Splits the colours into at most `slots` boxes, always the box with the
// most pixels times the widest spread, at its weighted median.
std::vector<std::vector<ColourCount>> CutAtMedians(std::vector<ColourCount> colours, int slots) {
    std::vector<std::vector<ColourCount>> boxes;
    if (colours.empty() || slots <= 0) return boxes;
    boxes.push_back(std::move(colours));
    while (static_cast<int>(boxes.size()) < slots) {
        size_t chosen = boxes.size();
        uint64_t best = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            int range = 0;
            WidestChannel(boxes[i], range);
            const uint64_t score = CountPixels(boxes[i]) * static_cast<uint64_t>(range);
            if (boxes[i].size() > 1 && score > best) {
                best = score;
                chosen = i;
            }
        }
        if (chosen == boxes.size()) break;
        std::vector<ColourCount>& box = boxes[chosen];
        int range = 0;
        const int channel = WidestChannel(box, range);
        std::sort(box.begin(), box.end(), [channel](const ColourCount& a, const ColourCount& b) {
            return Channel(a.colour, channel) < Channel(b.colour, channel);
        });
        const uint64_t half = CountPixels(box) / 2;
        uint64_t below = 0;
        size_t cut = 1;
        while (cut < box.size() - 1 && below + box[cut - 1].count < half) {
            below += box[cut - 1].count;
            ++cut;
        }
        std::vector<ColourCount> upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    return boxes;
}

uint32_t MeanColour(const std::vector<ColourCount>& box) {
    const uint64_t total = CountPixels(box);
    uint32_t mean = 0;
    for (int channel = 0; channel < 3; ++channel) {
        uint64_t sum = 0;
        for (const ColourCount& entry : box) {
            sum += entry.count * static_cast<uint64_t>(Channel(entry.colour, channel));
        }
        mean |= static_cast<uint32_t>((sum + total / 2) / total) << (16 - 8 * channel);
    }
    return mean;
}

uint8_t FindNearestEntry(const std::vector<uint32_t>& colours, uint32_t colour) {
    size_t nearest = 0;
    int best = -1;
    for (size_t i = 0; i < colours.size(); ++i) {
        int distance = 0;
        for (int channel = 0; channel < 3; ++channel) {
            const int d = Channel(colours[i], channel) - Channel(colour, channel);
            distance += d * d;
        }
        if (best < 0 || distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return static_cast<uint8_t>(nearest);
}

}  // namespace

void BuildGifPalette(const uint8_t* pixels, int width, int height, int stride,
                     const std::vector<uint32_t>& exact, int capacity, GifPalette& palette) {
    std::unordered_map<uint32_t, uint64_t> histogram;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x) ++histogram[ReadPixel(row + 3 * x)];
    }
    std::vector<ColourCount> colours;
    for (const auto& entry : histogram) colours.push_back({entry.first, entry.second});
    // Most frequent first; equal counts in colour order, so that the
    // palette does not depend on the order of the hash table.
    std::sort(colours.begin(), colours.end(), [](const ColourCount& a, const ColourCount& b) {
        return a.count != b.count ? a.count > b.count : a.colour < b.colour;
    });
    palette = GifPalette{};
    for (uint32_t colour : exact) {
        const bool listed = std::find(palette.colours.begin(), palette.colours.end(), colour) !=
                            palette.colours.end();
        if (!listed && static_cast<int>(palette.colours.size()) < capacity) {
            palette.colours.push_back(colour);
        }
    }
    std::vector<ColourCount> rest;
    for (const ColourCount& entry : colours) {
        if (std::find(palette.colours.begin(), palette.colours.end(), entry.colour) ==
            palette.colours.end()) {
            rest.push_back(entry);
        }
    }
    if (palette.colours.size() + rest.size() <= static_cast<size_t>(capacity)) {
        for (const ColourCount& entry : rest) palette.colours.push_back(entry.colour);
    } else {
        const int slots = capacity - static_cast<int>(palette.colours.size());
        for (const std::vector<ColourCount>& box : CutAtMedians(std::move(rest), slots)) {
            palette.colours.push_back(MeanColour(box));
        }
    }
    for (const ColourCount& entry : colours) {
        palette.entryOf[entry.colour] = FindNearestEntry(palette.colours, entry.colour);
    }
}

void IndexGifPixels(const uint8_t* pixels, int width, int height, int stride,
                    GifPalette& palette, std::vector<uint8_t>& entries) {
    entries.resize(static_cast<size_t>(width) * height);
    uint8_t* entry = entries.data();
    // Neighbouring pixels mostly share a colour: look up only changes.
    uint32_t last = ReadPixel(pixels) ^ 1;
    uint8_t lastEntry = 0;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            const uint32_t colour = ReadPixel(row + 3 * x);
            if (colour != last) {
                auto found = palette.entryOf.find(colour);
                if (found == palette.entryOf.end()) {
                    found = palette.entryOf
                                .emplace(colour, FindNearestEntry(palette.colours, colour))
                                .first;
                }
                last = colour;
                lastEntry = found->second;
            }
            *entry++ = lastEntry;
        }
    }
}
