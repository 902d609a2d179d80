#include "slider_tables.h"

#include <sstream>

// Literals, not sums: each value is the double nearest to its decimal.
const double kViscosityTable[kViscosityPositions] = {
    0.0005, 0.001,  0.0011, 0.0012, 0.0013, 0.0014, 0.0015, 0.0016,
    0.0017, 0.0018, 0.0019, 0.002,  0.0021, 0.0022, 0.0023, 0.0024,
    0.0025, 0.0026, 0.0027, 0.0028, 0.0029, 0.003,  0.0031, 0.0032,
    0.0033, 0.0034, 0.0035, 0.0036, 0.0037, 0.0038, 0.0039, 0.004};

const double kNonlinearityTable[kNonlinearityPositions] = {
    0,    0.02, 0.04, 0.06, 0.08, 0.1,  0.12, 0.14, 0.16, 0.18, 0.2,
    0.22, 0.24, 0.26, 0.28, 0.3,  0.32, 0.34, 0.36, 0.38, 0.4};

// The prefixes are narrow strings; the wide stream widens them.
static std::wstring FormatLabel(const char* prefix, double number) {
    std::wostringstream stream;
    stream << prefix << number;
    return stream.str();
}

std::wstring FormatViscosityLabel(double viscosity) {
    return FormatLabel("V=", viscosity);
}

std::wstring FormatNonlinearityLabel(double nonlinearity) {
    return FormatLabel("b=", nonlinearity);
}

static int FindPosition(const double* table, int count, double value, int fallback) {
    for (int position = 0; position < count; ++position) {
        if (table[position] == value) {
            return position;
        }
    }
    return fallback;
}

int FindViscosityPosition(double viscosity) {
    return FindPosition(kViscosityTable, kViscosityPositions, viscosity, kViscosityStartPosition);
}

int FindNonlinearityPosition(double nonlinearity) {
    return FindPosition(kNonlinearityTable, kNonlinearityPositions, nonlinearity,
                        kNonlinearityStartPosition);
}
