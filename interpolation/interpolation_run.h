#pragma once
// One run of the compute buttons "Berechnen" and "Berechnen und ggf. Strecken": from the texts of
// the window's fields to the texts it shows, the stretch factor and the export decision, and the
// term that the export hands to the curve analysis.

#include "interpolation/interpolation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrova::interpolation {

inline constexpr std::string_view kMeldungGleicheStuetzstellen =
    "Die Stützstellen muessen paarweise verschieden sein ";

struct Eingaben {
    TextFelder x;         // xF0 ... xF9
    TextFelder y;         // yF0 ... yF9
    TextFelder argumente; // argument slots 0 ... 9 (xF01, xF11, ... xF91)
};

// What the window shows after a run.
struct Anzeige {
    std::array<std::string, kMaxPunkte> werte;         // value fields of slots 0 ... 9
    std::array<std::string, kMaxPunkte> koeffizienten; // coefficient fields of x^0 ... x^9
    int sichtbarBis = 0;                               // the fields of x^k for k above it are hidden
    std::string streckanzeige;                         // "Streckfaktor = s"; empty when hidden
    bool exportMoeglich = false;
};

// The whole run; d.n and d.Strecken are set by the window beforehand. Without a result when two of
// the first n abscissas are equal: then only the support points have been read.
std::optional<Anzeige> Interpolation(InterpolationsDaten& d, const Eingaben& e);

// Texts of the value fields; values of support-count slots below 1e-8 become 0 first.
std::array<std::string, kMaxPunkte> WerteAusgeben(InterpolationsDaten& d);

// The exact stretch: Hauptnenner = s, Gestreckt = s * p_k. Returns the stretched coefficients as
// shown (converted to double). Without exact points (an infinite coordinate) s = 1 and Koeff is shown.
std::array<double, kMaxPunkte> StreckungBerechnen(InterpolationsDaten& d);

// Fills pkoeff and tells whether the stretched polynomial may be exported: degree 3 to 5 and every
// coefficient below 9999 in magnitude.
bool Exporttest(InterpolationsDaten& d);

// The export term +p5x^5+p4x^4+p3x^3+p2x^2+p1x+p0, zero coefficients included.
std::string ExportTerm(const std::array<std::int64_t, 6>& pkoeff);

} // namespace quadrova::interpolation
