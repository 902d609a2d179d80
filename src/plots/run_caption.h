// The words that say which run a plot shows, in either build's language:
// for the projector mode's line over the formation plot and for the
// captions of exported frames.
#pragma once

#include <string>

// "en" or "ru"; any other code reads as English.
using LanguageCode = const wchar_t*;

// b and V as the slider labels write them, then how far the run has come
// at solver column `column`, on the solver's effective clock: the time in
// the standard form of the equation, "b=0.3   V=0.002   time t = 1.65";
// at b = 0, where that time stands still, the distance travelled,
// "b=0   V=0.002   distance ξ = 3.50".
std::wstring FormatRunCaption(LanguageCode language, double b, double v, int column);

// b and V of the Wave propagation medium and its 45 stages:
// "b=0.12   V=0.003   45 stages".
std::wstring FormatPropagationCaption(LanguageCode language);

// The viscous term's magnification as its button writes it in both
// builds, "x5" or "x10"; empty for x1, which needs no word.
std::wstring FormatMagnification(int scale);
