#include "report/curve_description.h"

#include "core/calculus.h"
#include "core/int_helpers.h"
#include "core/number_text.h"
#include "core/set_format.h"
#include "report/critical_points.h"

#include <array>

namespace quadrova {

namespace {

// Letters of the states of f, f', f'': {negative, positive}. n/p for f below or above the axis,
// f/s for falling or rising, r/l for turning right or left.
constexpr std::array<std::array<char, 2>, 3> kZustand = {{{'n', 'p'}, {'f', 's'}, {'r', 'l'}}};

struct Gewicht {
    const char* code;
    int wert;
};

// Each transition that vanishes with a sign change (or touches) adds its weight; the sum names the
// kind of the point.
constexpr std::array<Gewicht, 10> kGewichte = {{{"lr", 1},
                                                {"rl", 1},
                                                {"ss", 2},
                                                {"ff", 2},
                                                {"pn", 4},
                                                {"np", 4},
                                                {"sf", 8},
                                                {"fs", 16},
                                                {"pp", 32},
                                                {"nn", 32}}};

struct Art {
    int summe;
    const char* worte;
};

constexpr std::array<Art, 9> kArten = {{{1, "Wendepunkt "},
                                        {3, "Sattelpunkt "},
                                        {4, "Nullpunkt "},
                                        {5, "Null- und Wendepunkt "},
                                        {7, "Null- und Sattelpunkt "},
                                        {8, "lokalen Hochpunkt "},
                                        {16, "lokalen Tiefpunkt "},
                                        {40, "Nullpunkt und lokalen Hochpunkt "},
                                        {48, "Nullpunkt und lokalen Tiefpunkt "}}};

bool Enthaelt(const std::string& s, std::initializer_list<const char*> teile) {
    for (const char* t : teile)
        if (s.find(t) != std::string::npos) return true;
    return false;
}

std::string Buchstabe(int code) {
    return std::string(1, static_cast<char>(code));
}

} // namespace

void SPunkteKlassifizieren(AnalysisState& st) {
    const int n = KritischAnzahl(st);
    st.SPunkt[0] = n + 2;
    st.SPunkt[1] = st.xlinks;
    for (int t = 2; t <= n + 1; ++t) st.SPunkt[t] = st.Kritisch[t - 1];
    st.SPunkt[n + 2] = st.xrechts;
    for (int t = 2; t <= n + 1; ++t) {
        std::string code;
        for (int i = 0; i <= 2; ++i)
            code += IstMarkiert(st, t - 1, i) ? KennzeichenN(st, i, t) : KennzeichenA(st, i, t);
        st.SPunktTyp[t] = code;
    }
}

std::string KennzeichenN(const AnalysisState& st, int i, int t) {
    // No zero of f, f', f'' lies strictly between two special points, so the sign in the middle of
    // each neighbouring stretch is the sign on the whole stretch, even where the neighbour itself is
    // a zero of the same derivative.
    const int links = signum(fn(st, i, (st.SPunkt[t - 1] + st.SPunkt[t]) / 2));
    const int rechts = signum(fn(st, i, (st.SPunkt[t] + st.SPunkt[t + 1]) / 2));
    if (links == 0 || rechts == 0) return "";
    return {kZustand[i][links > 0 ? 1 : 0], kZustand[i][rechts > 0 ? 1 : 0]};
}

std::string KennzeichenA(const AnalysisState& st, int i, int t) {
    const int s = signum(fn(st, i, st.SPunkt[t]));
    if (s == 0) return "";
    return {'*', kZustand[i][s > 0 ? 1 : 0], '*'};
}

std::string Worthuelse(const AnalysisState& st, int t) {
    const std::string& s = st.SPunktTyp[t];
    std::string w = Enthaelt(s, {"*f*", "ff", "fs"}) ? "fällt " : "steigt ";
    w += Enthaelt(s, {"*r*", "rl", "rr"}) ? "rechtsdrehend " : "linkksdrehend ";
    w += "zum ";
    int summe = 0;
    for (const Gewicht& g : kGewichte)
        if (s.find(g.code) != std::string::npos) summe += g.wert;
    for (const Art& a : kArten)
        if (a.summe == summe) w += a.worte;
    return w;
}

std::string RandLinks(const AnalysisState& st) {
    const double x = st.xlinks;
    return "beginnt im Anfangspunkt A ( " + Str(x) + " | " + Str(Runden(fn(st, 0, x))) + " ) " +
           (fn(st, 2, x) > 0 ? "linksdrehend " : "rechtsdrehend ") + "und " +
           (st.VorzInt[1][0] < 0 ? "fallend " : "steigend ") + "mit der Steigung " +
           Str(Runden(fn(st, 1, x))) + " ,";
}

std::string RandRechts(const AnalysisState& st) {
    const double x = st.xrechts;
    return "endet schließlich " + std::string(fn(st, 2, x) > 0 ? "linksdrehend " : "rechtsdrehend ") +
           "und " + (fn(st, 1, x) > 0 ? "steigend " : "fallend ") + "mit der Steigung " +
           Str(Runden(fn(st, 1, x))) + " im Endpunkt " + Buchstabe(KritischAnzahl(st) + 66) + " ( " + Str(x) +
           " | " + Str(Runden(fn(st, 0, x))) + " ) .";
}

std::string Beschreibung(AnalysisState& st) {
    SPunkteKlassifizieren(st);
    const int n = KritischAnzahl(st);
    const std::string& lf = st.leer[1];
    std::string d = "Der auf das abgeschlossene Intervall [ " + Str(st.xlinks) + " ; " + Str(st.xrechts) +
                    " ] eingeschränkte Graph von f";
    d += lf + " -  " + RandLinks(st);
    for (int t = 2; t <= n + 1; ++t) {
        const double x = st.SPunkt[t];
        d += lf + " -  " + Worthuelse(st, t) + Buchstabe(t + 64) + " (" + Str(x) + " | " +
             Str(Runden(fn(st, 0, x))) + " ) mit Steigung " + Str(Runden(fn(st, 1, x))) + " ,";
    }
    d += lf + " -   und " + RandRechts(st);
    return d;
}

} // namespace quadrova
