#include "gif_colours.h"

#include "plot_pens.h"
#include "run_caption_painting.h"

namespace {

constexpr uint32_t ToRgb(COLORREF colour) {
    return (uint32_t{GetRValue(colour)} << 16) | (uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}

}  // namespace

std::vector<uint32_t> ListExactGifColours() {
    return {ToRgb(kPlotBlack), ToRgb(kPlotRed), ToRgb(kPlotBlue), ToRgb(kPropagationBlack),
            ToRgb(kRunCaptionColour)};
}
