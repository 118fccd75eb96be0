#include "core/analysis_state.h"

#include <gtest/gtest.h>

namespace quadrova {
namespace {

TEST(Init, PowerTextsLineBreaksAndResets) {
    AnalysisState st;
    st.Kritisch.fill(7);
    st.Gelaber = "alt";
    st.SkizzeBereit = true;
    st.wzaehler = 400;
    st.Poly[3] = 2;
    init(st);
    EXPECT_EQ(st.x[0], "1");
    EXPECT_EQ(st.x[1], "x");
    EXPECT_EQ(st.x[3], "x^3");
    EXPECT_EQ(st.x[6], "x^6");
    EXPECT_EQ(st.hoch, "^");
    EXPECT_EQ(st.leer[0], "");
    EXPECT_EQ(st.leer[1], "\n");
    EXPECT_EQ(st.leer[4], "\n\n\n\n");
    EXPECT_EQ(st.Kritisch[20], 0);
    EXPECT_EQ(st.Kritisch[21], 7); // only elements 0..20 are reset
    EXPECT_TRUE(st.Gelaber.empty());
    EXPECT_FALSE(st.SkizzeBereit);
    EXPECT_EQ(st.wzaehler, 0);
    EXPECT_EQ(st.Poly[3], 2); // the parsed f survives until the next parse
}

} // namespace
} // namespace quadrova
