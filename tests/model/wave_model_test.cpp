#include "wave_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Half a unit in the sixth significant digit of the values checked.
constexpr double kSixDigits = 5e-7;

bool AllocateOnce() {
    AllocateFieldRows();
    return true;
}

void EnsureRows() {
    static const bool allocated = AllocateOnce();
    (void)allocated;
}

double RelativeError(double actual, double expected) {
    return std::fabs(actual - expected) / std::fabs(expected);
}

// The scheme written as plainly as possible, column by column over the
// grids, to hold the blocked solver to the same values bit for bit.
std::vector<double> SolvePlainly(double b, double v) {
    const int rows = kFieldRows - 2;  // rows 0..700
    std::vector<double> u(rows * kEvolutionSteps, 0.0);
    std::vector<double> w(rows * kEvolutionSteps, 0.0);
    auto U = [&](int r, int j) -> double& { return u[r * kEvolutionSteps + j]; };
    auto W = [&](int r, int j) -> double& { return w[r * kEvolutionSteps + j]; };
    const double h = kPi / 700;
    const double tau = (100.0 - 0.0) / 2000;
    const double lambda = tau * v / (h * h);
    const double sigma = tau * b / (4 * h);
    const double m = 1 / (1 + 2 * lambda);
    for (int r = 1; r <= 697; ++r) U(r, 0) = std::sin(((r + 1) * kPi) * h);
    for (int j = 0; j < 1999; ++j) {
        for (int r = 1; r <= 698; ++r) {
            const double c = U(r, j), R = U(r + 1, j), L = U(r - 1, j);
            W(r, j + 1) = m * ((c - sigma * (R * R - L * L)) + lambda * (R + L));
        }
        for (int r = 1; r <= 697; ++r) {
            const double c = U(r, j), R = W(r + 1, j + 1), L = W(r - 1, j + 1);
            U(r, j + 1) = m * ((c - sigma * (R * R - L * L)) + lambda * (R + L));
        }
    }
    u.insert(u.end(), w.begin(), w.end());
    return u;
}

// The defined region of both grids: rows 0..700 of g_field, 0..699 of
// g_fieldNext, columns 0..1999.
std::vector<double> CopyDefinedRegion() {
    std::vector<double> copy;
    for (int r = 0; r <= 700; ++r)
        copy.insert(copy.end(), g_field[r], g_field[r] + kEvolutionSteps);
    for (int r = 0; r <= 700; ++r) {
        if (r == 700) {
            copy.insert(copy.end(), kEvolutionSteps, 0.0);  // not part of w
        } else {
            copy.insert(copy.end(), g_fieldNext[r], g_fieldNext[r] + kEvolutionSteps);
        }
    }
    return copy;
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

class WaveModel : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureRows();
        g_viscosity = 0.002;
        g_nonlinearity = 0.3;
    }
    void TearDown() override {
        g_viscosity = 0.002;
        g_nonlinearity = 0.3;
    }
};

TEST_F(WaveModel, InitialProfileAndZeroBoundaryRows) {
    SolveBurgers(0.3, 0.002);
    EXPECT_DOUBLE_EQ(g_field[1][0], 0.028195132687389803);
    EXPECT_DOUBLE_EQ(g_field[697][0], -0.40467881212828094);
    int highest = 0;
    for (int r = 0; r <= 700; ++r)
        if (g_field[r][0] > g_field[highest][0]) highest = r;
    EXPECT_EQ(highest, 556);
    EXPECT_NEAR(g_field[556][0], 0.99999982, 1e-8);
    for (int r : {0, 698, 699, 700})
        for (int j = 0; j < kEvolutionSteps; ++j)
            ASSERT_EQ(g_field[r][j], 0.0) << "row " << r << " column " << j;
}

TEST_F(WaveModel, DefaultParametersGiveTheKnownEvolution) {
    SolveBurgers(0.3, 0.002);
    EXPECT_LT(RelativeError(g_field[111][1999], 0.0897963), kSixDigits * 10);
    int highest = 1, lowest = 1;
    for (int r = 1; r <= 697; ++r) {
        if (g_field[r][1999] > g_field[highest][1999]) highest = r;
        if (g_field[r][1999] < g_field[lowest][1999]) lowest = r;
    }
    EXPECT_EQ(highest, 668);
    EXPECT_LT(RelativeError(g_field[668][1999], 0.173986), kSixDigits * 10);
    EXPECT_EQ(lowest, 254);
    EXPECT_LT(RelativeError(g_field[254][1999], -0.146637), kSixDigits * 10);
    EXPECT_LT(RelativeError(g_fieldNext[698][1], -0.171306), kSixDigits * 10);
}

TEST_F(WaveModel, PredictorRowZeroStaysZeroWhileRow698IsFilled) {
    SolveBurgers(0.3, 0.002);
    bool row698Moves = false;
    for (int j = 0; j < kEvolutionSteps; ++j) {
        ASSERT_EQ(g_fieldNext[0][j], 0.0) << "column " << j;
        ASSERT_EQ(g_fieldNext[699][j], 0.0) << "column " << j;
        row698Moves = row698Moves || g_fieldNext[698][j] != 0.0;
    }
    EXPECT_TRUE(row698Moves);
    for (int r = 0; r < 700; ++r) ASSERT_EQ(g_fieldNext[r][0], 0.0) << "row " << r;
}

TEST_F(WaveModel, PropagationParametersPeakAt0509919) {
    SolveBurgers(0.12, 0.003);
    double highest = -1;
    for (int r = 0; r <= 700; ++r) highest = std::max(highest, g_field[r][1999]);
    EXPECT_LT(RelativeError(highest, 0.509919), kSixDigits * 10);
}

TEST_F(WaveModel, LowestViscosityOvershootsOnlySlightly) {
    SolveBurgers(0.4, 0.0005);
    double highest = 0;
    int where = -1;
    for (int j = 0; j < kEvolutionSteps; ++j)
        for (int r = 0; r <= 700; ++r)
            if (std::fabs(g_field[r][j]) > highest) {
                highest = std::fabs(g_field[r][j]);
                where = j;
            }
    EXPECT_NEAR(highest, 1.0541, 5e-5);
    EXPECT_EQ(where, 72);
}

TEST_F(WaveModel, BlockedSolverMatchesThePlainSchemeBitForBit) {
    for (auto [b, v] : {std::pair{0.3, 0.002}, std::pair{0.12, 0.003}, std::pair{0.0, 0.0005}}) {
        SolveBurgers(b, v);
        EXPECT_TRUE(SameBits(CopyDefinedRegion(), SolvePlainly(b, v))) << "b " << b << " V " << v;
    }
}

TEST_F(WaveModel, ResolvingLeavesNothingOfTheEarlierSolve) {
    SolveBurgers(0.3, 0.002);
    const std::vector<double> single = CopyDefinedRegion();
    SolveBurgers(0.4, 0.0005);
    SolveBurgers(0.3, 0.002);
    EXPECT_TRUE(SameBits(CopyDefinedRegion(), single));
}

TEST_F(WaveModel, DiffusionTermAtTheInitialProfile) {
    SolveBurgers(0.3, 0.002);
    Grid d = ComputeDiffusionTerm(6.283185307);
    EXPECT_LT(RelativeError(d[1][0], -0.350128), kSixDigits * 10);
    EXPECT_LT(RelativeError(d[111][0], -0.00493455), kSixDigits * 10);
    EXPECT_LT(RelativeError(d[698][0], -10.0456), kSixDigits * 10);
    EXPECT_EQ(d[699][0], 0.0);
    double largest = 0;
    for (int r = 1; r < 700; ++r)
        for (int j = 0; j < kEvolutionSteps; ++j) largest = std::max(largest, std::fabs(d[r][j]));
    EXPECT_LT(RelativeError(largest, 11.0883), kSixDigits * 10);
    for (int j = 0; j < kEvolutionSteps; ++j) ASSERT_EQ(d[0][j], 0.0);
    FreeTermField(d);
}

TEST_F(WaveModel, NonlinearTermIsBTimesTheSolution) {
    SolveBurgers(0.3, 0.002);
    Grid n = ComputeNonlinearTerm();
    EXPECT_LT(RelativeError(n[111][0], 0.299990), kSixDigits * 10);
    for (int j = 0; j < kEvolutionSteps; ++j) {
        ASSERT_EQ(n[0][j], 0.0);
        ASSERT_EQ(n[698][j], 0.0);
        ASSERT_EQ(n[699][j], 0.0);
        ASSERT_EQ(n[300][j], 0.3 * g_field[300][j]);
    }
    FreeTermField(n);
}

TEST_F(WaveModel, TermsReadTheParametersAtCallTimeNotThoseOfTheSolve) {
    SolveBurgers(0.3, 0.002);
    g_viscosity = 0.004;
    g_nonlinearity = 0.1;
    Grid d = ComputeDiffusionTerm(6.283185307);
    Grid n = ComputeNonlinearTerm();
    EXPECT_LT(RelativeError(d[1][0], 2 * -0.350128), kSixDigits * 10);
    EXPECT_LT(RelativeError(n[111][0], 0.299990 / 3), kSixDigits * 10);
    FreeTermField(d);
    FreeTermField(n);
}

TEST_F(WaveModel, RebuiltFieldsAreIndependentOfTheOldOnes) {
    SolveBurgers(0.3, 0.002);
    Grid first = ComputeDiffusionTerm(6.283185307);
    Grid again = ComputeDiffusionTerm(6.283185307);
    ASSERT_NE(first, again);
    for (int r = 0; r < 700; ++r)
        ASSERT_EQ(std::memcmp(first[r], again[r], kEvolutionSteps * sizeof(double)), 0);
    const double kept = first[300][1500];
    SolveBurgers(0.12, 0.003);
    Grid later = ComputeDiffusionTerm(6.283185307);
    EXPECT_EQ(first[300][1500], kept);
    EXPECT_NE(later[300][1500], kept);
    FreeTermField(first);
    FreeTermField(again);
    FreeTermField(later);
    FreeTermField(nullptr);
}

}  // namespace
