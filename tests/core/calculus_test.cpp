#include "core/calculus.h"

#include <gtest/gtest.h>

namespace quadrova {
namespace {

class Analysis : public ::testing::Test {
protected:
    void setF(const IntVec& f) {
        init(st);
        for (int j = 0; j <= 6; ++j) st.Pnom[0][j] = static_cast<double>(f[j]);
    }
    std::array<double, 8> zeile(int i) const { return st.Pnom[i]; }
    AnalysisState st;
};

TEST_F(Analysis, DerivativesRowByRow) {
    setF({0, -180, 138, -36, 3});
    Ableiten(st);
    EXPECT_EQ(zeile(1), (std::array<double, 8>{-180, 276, -108, 12, 0, 0, 0, 0}));
    EXPECT_EQ(zeile(2), (std::array<double, 8>{276, -216, 36, 0, 0, 0, 0, 0}));
    EXPECT_EQ(zeile(3), (std::array<double, 8>{-216, 72, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(zeile(4), (std::array<double, 8>{72, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(zeile(5), (std::array<double, 8>{}));
    for (double x : {-3.0, 0.5, 7.0}) EXPECT_EQ(fn(st, 5, x), 0);
}

TEST_F(Analysis, FifthDerivativeOfAQuintic) {
    setF({0, 0, 0, 0, 0, -2});
    Ableiten(st);
    EXPECT_EQ(st.Pnom[5][0], -240);
    EXPECT_EQ(st.Pnom[4][1], -240);
}

TEST_F(Analysis, AntiderivativeAndIntegral) {
    setF({0, 1, 0, 1, 0, 1});
    EXPECT_EQ(Integral(st, 0, 1), 0); // before Aufleiten row 6 is empty
    Aufleiten(st);
    EXPECT_EQ(zeile(6), (std::array<double, 8>{0, 0, 0.5, 0, 0.25, 0, 1.0 / 6, 0}));
    EXPECT_DOUBLE_EQ(Integral(st, 0, 1), 11.0 / 12);
    EXPECT_DOUBLE_EQ(Integral(st, -1, 1), 0); // odd f
}

TEST_F(Analysis, HornerValues) {
    setF({-6, 11, -6, 1});
    EXPECT_EQ(fn(st, 0, 0), -6);
    EXPECT_EQ(fn(st, 0, 4), 6);
    EXPECT_EQ(fn(st, 0, 2), 0);
    EXPECT_THROW(fn(st, 8, 1), std::out_of_range);
}

TEST(Funktionswert, ZeroBelowTheTolerance) {
    EXPECT_NEAR(Funktionswert({-2, 0, 0, 1}, 1.26), 0.000376, 1e-12);
    EXPECT_EQ(Funktionswert({-2, 0, 0, 1}, 1.25992), 0.0); // 1.25992^3 - 2 is about -5e-6
    EXPECT_EQ(Funktionswert({-6, 11, -6, 1}, 3), 0.0);
    EXPECT_EQ(Funktionswert({-6, 11, -6, 1}, 4), 6.0);
    EXPECT_EQ(Funktionswert({0, 0, 0, 0, 0, 0, 1}, 2), 64.0);
}

} // namespace
} // namespace quadrova
