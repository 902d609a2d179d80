#include "run_caption.h"

#include "slider_tables.h"
#include "standard_form.h"

#include <cwchar>

namespace {

constexpr const wchar_t* kGap = L"   ";

bool IsRussian(LanguageCode language) {
    return language != nullptr && std::wcscmp(language, L"ru") == 0;
}

std::wstring FormatParameters(double b, double v) {
    return FormatNonlinearityLabel(b) + kGap + FormatViscosityLabel(v);
}

}  // namespace

std::wstring FormatRunCaption(LanguageCode language, double b, double v, int frame) {
    wchar_t time[32];
    // Two decimals: the front breaks at t = 1 and is steepest at t = 1.57.
    std::swprintf(time, 32, L"%ls t = %.2f", IsRussian(language) ? L"время" : L"time",
                  ComputeEffectiveTime(frame, b, v));
    return FormatParameters(b, v) + kGap + time;
}

std::wstring FormatPropagationCaption(LanguageCode language) {
    return FormatParameters(kPropagationNonlinearity, kPropagationViscosity) + kGap +
           (IsRussian(language) ? L"45 этапов" : L"45 stages");
}

std::wstring FormatMagnification(int scale) {
    return scale == 1 ? std::wstring() : L"x" + std::to_wstring(scale);
}
