#include "core/analysis_state.h"

namespace quadrova {

void init(AnalysisState& st) {
    st.x[0] = "1";
    st.x[1] = "x";
    for (int i = 2; i <= 6; ++i) st.x[i] = "x^" + std::to_string(i);
    st.hoch = "^";
    st.lkomplett = true;
    for (int i = 0; i <= 4; ++i) st.leer[i].assign(static_cast<std::size_t>(i), '\n');
    // Elements 21..30 of Kritisch survive a run on purpose: only the first 21 are reset.
    for (int i = 0; i <= 20; ++i) st.Kritisch[i] = 0;
    st.xlinks = 0;
    st.xrechts = 0;
    st.schulfern = false;
    st.wzaehler = 0;
    for (int i = 0; i <= 6; ++i) {
        for (int j = 0; j <= 6; ++j) {
            st.Pnom[i][j] = 0;
            st.Nullstellen[i][j] = 0;
        }
    }
    st.Gelaber.clear();
    st.SkizzeBereit = false;
}

} // namespace quadrova
