// The values the V and b sliders stand for, and the texts of their labels.
#pragma once

#include <string>

constexpr int kViscosityPositions = 32;     // V slider: 0..31
constexpr int kNonlinearityPositions = 21;  // b slider: 0..20
constexpr int kViscosityStartPosition = 11; // V = 0.002
constexpr int kNonlinearityStartPosition = 15;  // b = 0.3

extern const double kViscosityTable[kViscosityPositions];
extern const double kNonlinearityTable[kNonlinearityPositions];

// "V=" and V, in a wide stream's default formatting (0.0014, 0.002).
std::wstring FormatViscosityLabel(double viscosity);
// "b=" and b.
std::wstring FormatNonlinearityLabel(double nonlinearity);

// The slider position whose table value is `value`, or the start
// position when no entry matches.
int FindViscosityPosition(double viscosity);
int FindNonlinearityPosition(double nonlinearity);
