#pragma once
// Runs the school solver on one coefficient row, as the analysis driver does, and keeps everything
// it leaves behind.

#include "core/analysis_state.h"
#include "core/recording_surface.h"
#include "solver/school_solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace quadrova::test {

// A coefficient row written as in school, highest power first: Zeile({1, -6, 11, -6}) is
// x^3 - 6x^2 + 11x - 6.
inline IntVec Zeile(std::initializer_list<std::int64_t> hochZuerst) {
    IntVec a{};
    std::size_t k = hochZuerst.size();
    for (std::int64_t c : hochZuerst) a[--k] = c;
    return a;
}

struct Loesung {
    std::string text;
    SolArray lsg{};
    bool lkomplett = false;
    bool schulfern = false;
    std::vector<std::string> meldungen;
};

inline Loesung Loese(IntVec a) {
    AnalysisState st;
    init(st);
    RecordingSurface ui;
    Loesung l;
    Loesung012345(st, ui, a, l.lsg, l.text);
    l.lkomplett = st.lkomplett;
    l.schulfern = st.schulfern;
    l.meldungen = ui.meldungen;
    return l;
}

// One row of a table: the equation, the whole text the solver appends, the stored solutions after
// sorting, and the two flags.
struct Fall {
    const char* name;
    IntVec a;
    std::string text;
    std::vector<double> loesungen; // whole values must be stored exactly, others within 1e-7
    bool lkomplett;
    bool schulfern;
};

inline void Pruefe(const Fall& f) {
    SCOPED_TRACE(f.name);
    const Loesung l = Loese(f.a);
    EXPECT_EQ(l.text, f.text);
    ASSERT_EQ(l.lsg[0], static_cast<double>(f.loesungen.size()));
    for (std::size_t i = 0; i < f.loesungen.size(); ++i) {
        const double soll = f.loesungen[i];
        if (soll == std::round(soll)) {
            EXPECT_EQ(l.lsg[i + 1], soll) << "solution " << i + 1;
        } else {
            EXPECT_NEAR(l.lsg[i + 1], soll, 1e-7 * std::max(1.0, std::fabs(soll))) << "solution " << i + 1;
        }
    }
    EXPECT_EQ(l.lkomplett, f.lkomplett);
    EXPECT_EQ(l.schulfern, f.schulfern);
    EXPECT_TRUE(l.meldungen.empty());
}

inline std::string PrintToString(const Fall& f) {
    return f.name;
}

} // namespace quadrova::test
