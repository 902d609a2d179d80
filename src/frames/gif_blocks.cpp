#include "gif_blocks.h"

#include <cstring>

namespace {

constexpr size_t kHeaderSize = 6;  // "GIF89a"
constexpr size_t kScreenDescriptorSize = 7;
constexpr size_t kImageDescriptorSize = 10;
constexpr uint8_t kExtensionIntroducer = 0x21;
constexpr uint8_t kImageSeparator = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kGraphicControlLabel = 0xF9;
constexpr uint8_t kApplicationLabel = 0xFF;
constexpr uint8_t kColourTableFlag = 0x80;
constexpr uint8_t kDisposalKeep = 1;
constexpr char kLoopApplication[] = "NETSCAPE2.0";
constexpr size_t kLoopApplicationSize = 11;

void AppendWord(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void PutWord(uint8_t* at, int value) {
    at[0] = static_cast<uint8_t>(value & 0xFF);
    at[1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

// Bytes of a colour table announced by `flags` (of a screen or image).
size_t ColourTableSize(uint8_t flags) {
    return (flags & kColourTableFlag) != 0 ? 3u * (2u << (flags & 7)) : 0;
}

// The end of the data sub-blocks starting at `at` (past their empty
// terminator), or 0 when they run past the end.
size_t SkipSubBlocks(const uint8_t* bytes, size_t size, size_t at) {
    while (at < size && bytes[at] != 0) at += 1 + bytes[at];
    return at < size ? at + 1 : 0;
}

void AppendLoopBlock(std::vector<uint8_t>& out, int loops) {
    out.push_back(kExtensionIntroducer);
    out.push_back(kApplicationLabel);
    out.push_back(kLoopApplicationSize);
    out.insert(out.end(), kLoopApplication, kLoopApplication + kLoopApplicationSize);
    out.push_back(3);
    out.push_back(1);  // the loop sub-block
    AppendWord(out, loops);
    out.push_back(0);
}

void AppendGraphicControl(std::vector<uint8_t>& out, int delay, int transparentEntry) {
    out.push_back(kExtensionIntroducer);
    out.push_back(kGraphicControlLabel);
    out.push_back(4);
    out.push_back(static_cast<uint8_t>((kDisposalKeep << 2) | (transparentEntry >= 0 ? 1 : 0)));
    AppendWord(out, delay);
    out.push_back(static_cast<uint8_t>(transparentEntry >= 0 ? transparentEntry : 0));
    out.push_back(0);
}

bool IsLoopBlock(const uint8_t* bytes, size_t size, size_t at) {
    return bytes[at + 1] == kApplicationLabel && at + 3 + kLoopApplicationSize <= size &&
           bytes[at + 2] == kLoopApplicationSize &&
           std::memcmp(bytes + at + 3, kLoopApplication, kLoopApplicationSize) == 0;
}

}  // namespace

bool AnimateGif(const uint8_t* encoded, size_t size, const GifAnimation& animation,
                std::vector<uint8_t>& animated) {
    animated.clear();
    if (size < kHeaderSize + kScreenDescriptorSize ||
        std::memcmp(encoded, "GIF89a", kHeaderSize) != 0) {
        return false;
    }
    size_t at = kHeaderSize + kScreenDescriptorSize;
    at += ColourTableSize(encoded[kHeaderSize + 4]);
    if (at > size) return false;
    animated.reserve(size + 32 + 8 * animation.images.size());
    animated.assign(encoded, encoded + at);
    PutWord(&animated[kHeaderSize], animation.width);
    PutWord(&animated[kHeaderSize + 2], animation.height);
    AppendLoopBlock(animated, animation.loops);
    size_t image = 0;
    while (at < size) {
        const uint8_t introducer = encoded[at];
        if (introducer == kTrailer) {
            animated.push_back(kTrailer);
            return image == animation.images.size();
        }
        if (introducer == kExtensionIntroducer) {
            if (at + 2 > size) return false;
            const size_t end = SkipSubBlocks(encoded, size, at + 2);
            if (end == 0) return false;
            // Ours replace the encoder's timing and loop blocks.
            if (encoded[at + 1] != kGraphicControlLabel && !IsLoopBlock(encoded, size, at)) {
                animated.insert(animated.end(), encoded + at, encoded + end);
            }
            at = end;
        } else if (introducer == kImageSeparator) {
            if (image == animation.images.size() || at + kImageDescriptorSize > size) {
                return false;
            }
            const GifImageControl& control = animation.images[image++];
            AppendGraphicControl(animated, animation.delay, control.transparentEntry);
            // Past the local colour table, the LZW code size, the data.
            const size_t data =
                at + kImageDescriptorSize + ColourTableSize(encoded[at + 9]) + 1;
            const size_t end = data <= size ? SkipSubBlocks(encoded, size, data) : 0;
            if (end == 0) return false;
            const size_t descriptor = animated.size();
            animated.insert(animated.end(), encoded + at, encoded + end);
            PutWord(&animated[descriptor + 1], control.left);
            PutWord(&animated[descriptor + 3], control.top);
            at = end;
        } else {
            return false;
        }
    }
    return false;
}
