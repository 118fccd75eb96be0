// The term parser on arbitrary bytes: every text is parsed or rejected, and an accepted term's
// canonical form reads back as the same polynomial.

#include "core/analysis_state.h"
#include "core/recording_surface.h"
#include "core/term_parser.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    quadrova::AnalysisState st;
    quadrova::init(st);
    quadrova::RecordingSurface ui;
    bool ok = true;
    quadrova::String2Poly(st, ui, text, ok);
    (void)quadrova::FehlzeichenKillen(text);
    if (!ok) {
        return 0;
    }
    // The field now shows the canonical term; reading it again must give the same coefficients.
    const quadrova::IntVec first = st.Poly;
    const std::string canonical = ui.eingabe;
    quadrova::init(st);
    bool again = true;
    quadrova::String2Poly(st, ui, canonical, again);
    if (!again || st.Poly != first) {
        std::abort();
    }
    return 0;
}
