#pragma once
// Exact reference for the real zeros of a polynomial with double coefficients: the doubles are
// taken as the rationals they are, split into square-free factors by Yun's algorithm (which gives
// each zero its multiplicity), and the zeros of every factor are isolated with Sturm chains and
// refined by bisection on exact signs. Shared by the accuracy tests and the benchmark.

#include "equation_solver/equation_solver.h"

#include <gmpxx.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace quadrova::referenz {

using Poly = std::vector<mpq_class>; // coefficient of x^k at index k, no zero leading coefficient

inline Poly Kuerzen(Poly p) {
    while (!p.empty() && p.back() == 0) p.pop_back();
    return p;
}

inline int Grad(const Poly& p) {
    return static_cast<int>(p.size()) - 1;
}

inline Poly Ableitung(const Poly& p) {
    Poly d;
    for (std::size_t k = 1; k < p.size(); ++k) d.push_back(p[k] * static_cast<long>(k));
    return Kuerzen(d);
}

inline Poly Minus(const Poly& a, const Poly& b) {
    Poly r(std::max(a.size(), b.size()));
    for (std::size_t k = 0; k < a.size(); ++k) r[k] += a[k];
    for (std::size_t k = 0; k < b.size(); ++k) r[k] -= b[k];
    return Kuerzen(r);
}

// a = q * b + r with deg r < deg b (b not zero).
inline void Teile(const Poly& a, const Poly& b, Poly& q, Poly& r) {
    r = a;
    q.assign(a.size() >= b.size() ? a.size() - b.size() + 1 : 1, 0);
    while (!r.empty() && r.size() >= b.size()) {
        const std::size_t s = r.size() - b.size();
        const mpq_class f = r.back() / b.back();
        q[s] = f;
        for (std::size_t k = 0; k < b.size(); ++k) r[s + k] -= f * b[k];
        r.pop_back(); // the leading term cancels exactly
        r = Kuerzen(r);
    }
    q = Kuerzen(q);
}

inline Poly Normiert(Poly p) {
    const mpq_class f = p.back();
    for (auto& c : p) c /= f;
    return p;
}

inline Poly Ggt(Poly a, Poly b) {
    while (!b.empty()) {
        Poly q, r;
        Teile(a, b, q, r);
        a = std::move(b);
        b = std::move(r);
    }
    return Normiert(a);
}

inline Poly Quotient(const Poly& a, const Poly& b) {
    Poly q, r;
    Teile(a, b, q, r);
    return q;
}

inline int Vorzeichen(const Poly& p, const mpq_class& x) {
    mpq_class s = 0;
    for (auto k = p.size(); k-- > 0;) s = s * x + p[k];
    return sgn(s);
}

struct Wurzel {
    double x;
    int vielfachheit;
};

// Real zeros of a square-free polynomial, ascending, each to far below double spacing.
inline std::vector<double> EinfacheWurzeln(const Poly& q) {
    std::vector<Poly> kette{q, Ableitung(q)};
    while (Grad(kette.back()) > 0) {
        Poly quo, rest;
        Teile(kette[kette.size() - 2], kette.back(), quo, rest);
        if (rest.empty()) break;
        for (auto& c : rest) c = -c;
        kette.push_back(rest);
    }
    const auto wechsel = [&](const mpq_class& x) {
        int n = 0, vorher = 0;
        for (const auto& p : kette) {
            const int s = Vorzeichen(p, x);
            if (s != 0) {
                if (vorher != 0 && s != vorher) ++n;
                vorher = s;
            }
        }
        return n;
    };
    mpq_class schranke = 1;
    for (const auto& c : q) schranke += abs(c / q.back());

    std::vector<double> wurzeln;
    // Intervals (lo, hi] with their number of zeros, split until each holds one.
    std::vector<std::pair<mpq_class, mpq_class>> offen{{-schranke, schranke}};
    while (!offen.empty()) {
        auto [lo, hi] = offen.back();
        offen.pop_back();
        const int anzahl = wechsel(lo) - wechsel(hi);
        if (anzahl == 0) continue;
        if (anzahl > 1) {
            const mpq_class mitte = (lo + hi) / 2;
            offen.push_back({lo, mitte});
            offen.push_back({mitte, hi});
            continue;
        }
        // One simple zero in (lo, hi]: the sign left of it differs from the sign at hi.
        const int sHi = Vorzeichen(q, hi);
        if (sHi == 0) lo = hi;
        for (int i = 0; i < 120 && sHi != 0; ++i) {
            const mpq_class mitte = (lo + hi) / 2;
            const int s = Vorzeichen(q, mitte);
            if (s == 0) {
                lo = hi = mitte;
                break;
            }
            (s == sHi ? hi : lo) = mitte;
        }
        wurzeln.push_back(mpq_class((lo + hi) / 2).get_d());
    }
    std::sort(wurzeln.begin(), wurzeln.end());
    return wurzeln;
}

// All real zeros of a_0 + a_1 x + ... with their multiplicities, ascending.
inline std::vector<Wurzel> WahreNullstellen(const KoeffWerte& a) {
    Poly p;
    for (double c : a) p.emplace_back(c);
    p = Kuerzen(p);
    std::vector<Wurzel> alle;
    if (Grad(p) < 1) return alle;
    // Yun: w is the product of the factors of multiplicity >= i, g the one of multiplicity exactly i.
    const Poly d = Ableitung(p);
    const Poly c = Ggt(p, d);
    Poly w = Quotient(p, c);
    Poly y = Quotient(d, c);
    Poly z = Minus(y, Ableitung(w));
    for (int i = 1; Grad(w) > 0; ++i) {
        const Poly g = Ggt(w, z);
        if (Grad(g) > 0)
            for (double x : EinfacheWurzeln(g)) alle.push_back({x, i});
        w = Quotient(w, g);
        y = Quotient(z, g);
        z = Minus(y, Ableitung(w));
    }
    std::sort(alle.begin(), alle.end(), [](const Wurzel& u, const Wurzel& v) { return u.x < v.x; });
    return alle;
}

// Coefficients of the product of (x - r) over the given zeros.
inline KoeffWerte AusWurzeln(const std::vector<double>& wurzeln) {
    KoeffWerte a{};
    a[0] = 1;
    for (std::size_t n = 0; n < wurzeln.size(); ++n) {
        for (std::size_t k = n + 1; k > 0; --k) a[k] = a[k - 1] - wurzeln[n] * a[k];
        a[0] = -wurzeln[n] * a[0];
    }
    return a;
}

struct Testgleichung {
    KoeffWerte a;
    std::vector<Wurzel> wahr;
};

struct Gruppe {
    std::string name;
    std::vector<Testgleichung> gleichungen;
};

// The measured set: products (x-1)...(x-k), x^10 - 1, double zeros, random products of 1 to 10
// linear factors with whole and with decimal zeros in [-10, 10], random polynomials of degree 10
// with coefficients in [-10, 10]. anzahl = size of each random group.
inline std::vector<Gruppe> Messmenge(int anzahl = 100) {
    std::vector<std::pair<std::string, std::vector<KoeffWerte>>> roh(6);
    roh[0].first = "Produkte_x-1_bis_x-k";
    for (int k = 2; k <= 10; ++k) {
        std::vector<double> w;
        for (int i = 1; i <= k; ++i) w.push_back(i);
        roh[0].second.push_back(AusWurzeln(w));
    }
    roh[1].first = "x^10-1";
    KoeffWerte zehn{};
    zehn[0] = -1;
    zehn[10] = 1;
    roh[1].second.push_back(zehn);
    roh[2].first = "Mehrfache_Nullstellen";
    for (const std::vector<double>& w : std::vector<std::vector<double>>{{1, 1},
                                                                         {1, 1, -2},
                                                                         {2, 2, -1, 3},
                                                                         {-0.5, -0.5, 1.5},
                                                                         {1, 1, -1, -1},
                                                                         {3, 3, 3, -1},
                                                                         {0.25, 0.25, 4, 4, -7},
                                                                         {5, 5, -5, -5, 2, 2, 0}})
        roh[2].second.push_back(AusWurzeln(w));
    roh[2].second.push_back({4, 0, -4, 0, 1}); // (x^2 - 2)^2: double zeros at -sqrt 2 and sqrt 2

    std::mt19937 zufall(20240611);
    const auto ganz = [&](int lo, int hi) {
        return lo + static_cast<int>(zufall() % static_cast<unsigned>(hi - lo + 1));
    };
    roh[3].first = "Zufall_ganze_Nullstellen"; // repetitions allowed: multiple zeros occur
    for (int n = 0; n < anzahl; ++n) {
        std::vector<double> w(static_cast<std::size_t>(ganz(1, 10)));
        for (auto& x : w) x = ganz(-10, 10);
        roh[3].second.push_back(AusWurzeln(w));
    }
    roh[4].first = "Zufall_Dezimal_Nullstellen"; // distinct, one decimal
    for (int n = 0; n < anzahl; ++n) {
        std::vector<double> w;
        const auto k = static_cast<std::size_t>(ganz(1, 10));
        while (w.size() < k) {
            const double x = ganz(-100, 100) / 10.0;
            if (std::find(w.begin(), w.end(), x) == w.end()) w.push_back(x);
        }
        roh[4].second.push_back(AusWurzeln(w));
    }
    roh[5].first = "Zufall_Koeffizienten_Grad10"; // two decimals
    for (int n = 0; n < anzahl; ++n) {
        KoeffWerte a{};
        for (auto& c : a) c = ganz(-1000, 1000) / 100.0;
        if (a[10] == 0) a[10] = 1;
        roh[5].second.push_back(a);
    }
    std::vector<Gruppe> gruppen;
    for (const auto& [name, polys] : roh) {
        Gruppe g{name, {}};
        for (const auto& a : polys) g.gleichungen.push_back({a, WahreNullstellen(a)});
        gruppen.push_back(std::move(g));
    }
    return gruppen;
}

// Comparison of the solutions found with the true zeros. A solution belongs to the nearest true
// zero when it lies within 1e-6 of a simple one or 1e-2 of a multiple one (the error of a zero of
// multiplicity m grows like the m-th root of the rounding error).
struct Bilanz {
    int gleichungen = 0;
    int wahreNullstellen = 0;
    int einfachVerfehlt = 0; // simple zeros without a solution near them
    int geradeVerfehlt = 0;  // zeros of even multiplicity missed
    int ungeradeMehrfachVerfehlt = 0;
    int doppelt = 0;         // further solutions near a zero that already has one
    int ueberzaehlig = 0;    // solutions near no true zero
    int einfachUeber1e9 = 0; // simple zeros found with an error above 1e-9
    double maxFehlerEinfach = 0;
    double maxFehlerMehrfach = 0;

    void Pruefe(const std::vector<Wurzel>& wahr, const std::vector<double>& gefunden) {
        ++gleichungen;
        wahreNullstellen += static_cast<int>(wahr.size());
        std::vector<int> treffer(wahr.size(), 0);
        std::vector<double> fehler(wahr.size(), 0);
        for (double f : gefunden) {
            std::size_t best = wahr.size();
            for (std::size_t i = 0; i < wahr.size(); ++i)
                if (best == wahr.size() || std::fabs(f - wahr[i].x) < std::fabs(f - wahr[best].x)) best = i;
            if (best == wahr.size() ||
                std::fabs(f - wahr[best].x) > (wahr[best].vielfachheit == 1 ? 1e-6 : 1e-2)) {
                ++ueberzaehlig;
                continue;
            }
            const double e = std::fabs(f - wahr[best].x);
            fehler[best] = treffer[best]++ == 0 ? e : std::min(fehler[best], e);
        }
        for (std::size_t i = 0; i < wahr.size(); ++i) {
            const int m = wahr[i].vielfachheit;
            if (treffer[i] == 0) {
                ++(m == 1 ? einfachVerfehlt : m % 2 == 0 ? geradeVerfehlt : ungeradeMehrfachVerfehlt);
                continue;
            }
            doppelt += treffer[i] - 1;
            if (m == 1 && fehler[i] > 1e-9) ++einfachUeber1e9;
            double& maxFehler = m == 1 ? maxFehlerEinfach : maxFehlerMehrfach;
            maxFehler = std::max(maxFehler, fehler[i]);
        }
    }
};

inline std::vector<double> Loesungen(const KoeffWerte& a) {
    GleichungsLoeser g;
    std::vector<double> v;
    if (g.Setzen(a) != Lesung::Ok) return v;
    g.Ableiten();
    g.NullstellenBerechnen();
    for (int i = 1; i <= g.anzahlLoesungen(); ++i) v.push_back(g.loesung(i));
    return v;
}

} // namespace quadrova::referenz
