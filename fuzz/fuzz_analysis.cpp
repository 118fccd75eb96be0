// The whole analysis on an arbitrary typed term, with the extras on, once with each answer to the
// question about approximation methods, through the surface the window uses.

#include "core/analysis_state.h"
#include "core/recording_surface.h"
#include "report/analysis_driver.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const bool answer : {true, false}) {
        quadrova::AnalysisState st;
        st.ExtrasAktiviert = true;
        quadrova::RecordingSurface ui;
        ui.eingabe = text;
        ui.antwort = answer;
        quadrova::Start(st, ui);
        if (!answer && ui.fragen.empty()) {
            break; // without the question both runs are the same
        }
    }
    return 0;
}
