#include "run_caption.h"

#include "propagation_stages.h"
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

std::wstring FormatRunCaption(LanguageCode language, double b, double v, int column) {
    const bool russian = IsRussian(language);
    wchar_t progress[48];
    // Two decimals: the front is steepest just after t = 1.57.
    if (b != 0) {
        std::swprintf(progress, 48, L"%ls t = %.2f", russian ? L"время" : L"time",
                      ComputeEffectiveTime(column, b, v));
    } else {
        std::swprintf(progress, 48, L"%ls ξ = %.2f", russian ? L"путь" : L"distance",
                      column * ComputeEffectiveColumnSpacing(v));
    }
    return FormatParameters(b, v) + kGap + progress;
}

std::wstring FormatPropagationCaption(LanguageCode language) {
    // Forty-five takes the genitive plural in Russian: "этапов".
    return FormatParameters(kPropagationNonlinearity, kPropagationViscosity) + kGap +
           std::to_wstring(kPropagationStages) + (IsRussian(language) ? L" этапов" : L" stages");
}

std::wstring FormatMagnification(int scale) {
    return scale == 1 ? std::wstring() : L"x" + std::to_wstring(scale);
}
