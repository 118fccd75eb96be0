// The whole analysis on arbitrary polynomials rather than arbitrary text: the bytes give the six
// coefficients (32 bits each, a mask byte choosing which are 0), so that nearly every input passes
// the parser and reaches the solver, both roads of the report and the extras.

#include "core/analysis_state.h"
#include "core/number_text.h"
#include "core/recording_surface.h"
#include "report/analysis_driver.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::uint8_t mask = data[0];
    std::array<std::int32_t, 6> c{};
    for (std::size_t k = 0; k < 6; ++k) {
        std::uint32_t u = 0;
        const std::size_t at = 1 + 4 * k;
        if (at + 4 <= size) {
            std::memcpy(&u, data + at, 4);
        }
        c[k] = (mask >> k) & 1 ? static_cast<std::int32_t>(u) : 0;
    }
    std::string term;
    for (int k = 5; k >= 0; --k) {
        const std::int64_t v = c[static_cast<std::size_t>(k)];
        if (v == 0) {
            continue;
        }
        term += (v < 0 ? "-" : "+") + quadrova::Str(v < 0 ? -v : v);
        if (k >= 1) {
            term += "x^" + quadrova::Str(static_cast<std::int64_t>(k));
        }
    }
    for (const bool answer : {true, false}) {
        quadrova::AnalysisState st;
        st.ExtrasAktiviert = true;
        quadrova::RecordingSurface ui;
        ui.eingabe = term;
        ui.antwort = answer;
        quadrova::Start(st, ui);
        if (!answer && ui.fragen.empty()) {
            break;
        }
    }
    return 0;
}
