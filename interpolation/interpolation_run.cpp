#include "interpolation/interpolation_run.h"

#include "core/number_text.h"
#include "interpolation/exact_stretch.h"

#include <limits>

namespace quadrova::interpolation {

namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

constexpr long kExportGrenze = 9999;

// A whole number as double; beyond the double range as an infinity (mpz_get_d leaves that open).
double alsDouble(const mpz_class& z) {
    if (mpz_sizeinbase(z.get_mpz_t(), 2) > 1023) {
        return sgn(z) < 0 ? -std::numeric_limits<double>::infinity()
                          : std::numeric_limits<double>::infinity();
    }
    return z.get_d();
}

std::int64_t saettigen(const mpz_class& z) {
    static_assert(sizeof(long) == sizeof(std::int64_t), "mpz_get_si must cover int64");
    if (z.fits_slong_p()) return z.get_si();
    return sgn(z) < 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
}

} // namespace

std::array<std::string, kMaxPunkte> WerteAusgeben(InterpolationsDaten& d) {
    for (int i = 0; i < d.n; ++i) {
        if (IstNull(d.Argy[idx(i)])) d.Argy[idx(i)] = 0;
    }
    std::array<std::string, kMaxPunkte> texte;
    texte[0] = Str(d.Argy[0]);
    for (int i = 1; i < kMaxPunkte; ++i) {
        if (d.Argx[idx(i)] != 0) texte[idx(i)] = Str(d.Argy[idx(i)]);
    }
    return texte;
}

std::array<double, kMaxPunkte> StreckungBerechnen(InterpolationsDaten& d) {
    std::array<double, kMaxPunkte> gezeigt{};
    if (!d.exakt) {
        d.Hauptnenner = 1;
        for (auto& z : d.Gestreckt) z = 0;
        return d.Koeff;
    }
    const auto c = ExakteKoeffizienten(d.xExakt, d.yExakt, d.n);
    const mpz_class s = Streckfaktor(c);
    d.Hauptnenner = s;
    for (int k = 0; k < kMaxPunkte; ++k) {
        const mpq_class gestreckt = c[idx(k)] * s; // whole by the choice of s
        d.Gestreckt[idx(k)] = gestreckt.get_num();
        gezeigt[idx(k)] = alsDouble(d.Gestreckt[idx(k)]);
    }
    return gezeigt;
}

bool Exporttest(InterpolationsDaten& d) {
    if (!d.exakt) {
        for (int i = 0; i < 6; ++i) d.pkoeff[idx(i)] = RundeGanz(d.Koeff[idx(i)]);
        return false;
    }
    const auto& p = d.Gestreckt;
    bool gradPasst = p[3] != 0 || p[4] != 0 || p[5] != 0;
    for (int k = 6; k < kMaxPunkte; ++k) {
        if (p[idx(k)] != 0) gradPasst = false;
    }
    bool klein = true;
    for (int i = 0; i < 6; ++i) {
        d.pkoeff[idx(i)] = saettigen(p[idx(i)]);
        if (abs(p[idx(i)]) >= kExportGrenze) klein = false;
    }
    return gradPasst && klein;
}

std::string ExportTerm(const std::array<std::int64_t, 6>& pkoeff) {
    std::string t;
    for (int k = 5; k >= 2; --k) t.append("+").append(Str(pkoeff[idx(k)])).append("x^").append(Str(k));
    t.append("+").append(Str(pkoeff[1])).append("x");
    t.append("+").append(Str(pkoeff[0]));
    return t;
}

std::optional<Anzeige> Interpolation(InterpolationsDaten& d, const Eingaben& e) {
    StuetzpunkteEinlesen(d, e.x, e.y);
    if (!Pruefen(d)) return std::nullopt;
    ArgumenteEinlesen(d, e.argumente);

    // Slot 0 is the read-only field "0": its value is always p(0). Other slots count as empty
    // when their argument reads as 0.
    d.Argy[0] = g(d, 0);
    for (int i = 1; i < kMaxPunkte; ++i) {
        if (d.Argx[idx(i)] != 0) d.Argy[idx(i)] = g(d, d.Argx[idx(i)]);
    }

    Anzeige a;
    a.werte = WerteAusgeben(d);
    Koeffizientenberechnung(d);

    std::array<double, kMaxPunkte> gezeigt = d.Koeff;
    if (d.Strecken) {
        gezeigt = StreckungBerechnen(d);
        if (d.Hauptnenner != 1)
            a.streckanzeige = std::string("Streckfaktor = ").append(d.Hauptnenner.get_num().get_str(10));
        a.exportMoeglich = Exporttest(d);
    }
    for (int k = 0; k < kMaxPunkte; ++k) a.koeffizienten[idx(k)] = Str(gezeigt[idx(k)]);
    a.sichtbarBis = Schwanzweg(gezeigt);
    return a;
}

} // namespace quadrova::interpolation
