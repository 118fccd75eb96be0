// The interpolation engine on arbitrary texts, one per line: the point count, the mode ("1" for
// "Berechnen und ggf. Strecken"), ten x texts, ten y texts and ten argument texts. An offered
// export goes on into the analysis of the exported term, as the export button does.

#include "core/analysis_state.h"
#include "core/recording_surface.h"
#include "fuzz_fields.h"
#include "interpolation/interpolation_run.h"
#include "report/analysis_driver.h"

#include <cstdint>

namespace ip = quadrova::interpolation;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = quadrova::fuzz::Fields<2 + 3 * ip::kMaxPunkte>(data, size);
    ip::InterpolationsDaten d;
    d.n = ip::StuetzstellenAnzahl(f[0]).n;
    d.Strecken = f[1] == "1";
    ip::Eingaben e;
    for (int i = 0; i < ip::kMaxPunkte; ++i) {
        const auto k = static_cast<std::size_t>(i);
        e.x[k] = f[2 + k];
        e.y[k] = f[2 + ip::kMaxPunkte + k];
        e.argumente[k] = f[2 + 2 * ip::kMaxPunkte + k];
    }
    const auto anzeige = ip::Interpolation(d, e);
    if (anzeige && anzeige->exportMoeglich) {
        quadrova::AnalysisState st;
        quadrova::RecordingSurface ui;
        ui.eingabe = ip::ExportTerm(d.pkoeff);
        quadrova::Start(st, ui);
    }
    return 0;
}
