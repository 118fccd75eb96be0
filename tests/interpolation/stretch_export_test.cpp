// The exact stretch, the export check and the export term, including the cases that a stretch
// factor formed as a 32-bit product of differences gets wrong.
#include "core/recording_surface.h"
#include "core/term_parser.h"
#include "interpolation/exact_stretch.h"
#include "interpolation/interpolation_run.h"
#include "interpolation_test_points.h"
#include "report/analysis_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace quadrova::interpolation {
namespace {

using testing::eingaben;
using testing::Punkt;
using testing::punkteVon;

struct Gestreckt {
    InterpolationsDaten d;
    Anzeige a;
};

Gestreckt strecke(const std::vector<Punkt>& punkte) {
    Gestreckt g;
    g.d.n = static_cast<int>(punkte.size());
    g.d.Strecken = true;
    auto a = Interpolation(g.d, eingaben(punkte));
    EXPECT_TRUE(a.has_value());
    g.a = a.value_or(Anzeige{});
    return g;
}

TEST(ExakterWert, TakesTheShortestDecimalOfTheDouble) {
    EXPECT_EQ(ExakterWert(0.1), mpq_class(1, 10));
    EXPECT_EQ(ExakterWert(-2.5e-9), mpq_class(-1, 400000000));
    EXPECT_EQ(ExakterWert(1e27), mpq_class(mpz_class("1000000000000000000000000000")));
    EXPECT_EQ(ExakterWert(123456.75), mpq_class(493827, 4));
    EXPECT_EQ(ExakterWert(0.0), 0);
    EXPECT_EQ(ExakterWert(-0.0), 0);
    mpq_class kleinste(mpz_class(5), mpz_class("1" + std::string(324, '0')));
    kleinste.canonicalize();
    EXPECT_EQ(ExakterWert(5e-324), kleinste);
    EXPECT_EQ(ExakterWert(1.7976931348623157e308),
              mpq_class(mpz_class("17976931348623157" + std::string(292, '0'))));
}

TEST(Streckung, FactorIsTheLeastCommonDenominator) {
    struct Fall {
        const char* name;
        std::vector<Punkt> punkte;
        long s;
        std::vector<long> gestreckt;
        bool exportMoeglich;
        const char* term; // the export term when offered
    };
    const std::vector<Fall> faelle = {
        {"cubes",
         {{"0", "0"}, {"1", "1"}, {"2", "8"}, {"3", "27"}},
         1,
         {0, 0, 0, 1},
         true,
         "+0x^5+0x^4+1x^3+0x^2+0x+0"},
        {"halves", {{"0", "0"}, {"1", "1"}, {"2", "3"}}, 2, {0, 1, 1}, false, ""},
        {"already whole", {{"0", "0"}, {"1", "2"}, {"2", "6"}}, 1, {0, 1, 1}, false, ""},
        // V = -2 and G = 4: the quotient of the two is no factor at all; exactly it is 1.
        {"gcd not dividing V", {{"0", "0"}, {"1", "2"}, {"2", "8"}}, 1, {0, 0, 2}, false, ""},
        {"all y zero", {{"0", "0"}, {"1", "0"}, {"2", "0"}, {"3", "0"}}, 1, {}, false, ""},
        {"quintic x^5 + x",
         punkteVon({0, 1, 0, 0, 0, 1}, 0, 0, 6),
         1,
         {0, 1, 0, 0, 0, 1},
         true,
         "+1x^5+0x^4+0x^3+0x^2+1x+0"},
        {"x^3 - 6x^2 + 11x - 6",
         punkteVon({-6, 11, -6, 1}, 0, 0, 4),
         1,
         {-6, 11, -6, 1},
         true,
         "+0x^5+0x^4+1x^3+-6x^2+11x+-6"},
        {"common factor kept",
         punkteVon({0, 0, 0, 9998}, 0, 0, 4),
         1,
         {0, 0, 0, 9998},
         true,
         "+0x^5+0x^4+9998x^3+0x^2+0x+0"},
        {"coefficient 9999", punkteVon({0, 0, 0, 9999}, 0, 0, 4), 1, {0, 0, 0, 9999}, false, ""},
        {"constant -9998",
         punkteVon({-9998, 0, 0, 1}, 0, 0, 4),
         1,
         {-9998, 0, 0, 1},
         true,
         "+0x^5+0x^4+1x^3+0x^2+0x+-9998"},
        {"constant -9999", punkteVon({-9999, 0, 0, 1}, 0, 0, 4), 1, {-9999, 0, 0, 1}, false, ""},
        {"degree 6", punkteVon({0, 0, 0, 0, 0, 0, 1}, 0, -3, 7), 1, {0, 0, 0, 0, 0, 0, 1}, false, ""},
        {"degree 2", punkteVon({1, 0, 1}, 0, 0, 3), 1, {1, 0, 1}, false, ""},
        // Eight and ten points with whole abscissas, p = x^5/4 + x/5: the product of differences
        // leaves 32 bits.
        {"eight points",
         punkteVon({0, 20, 0, 0, 0, 25}, 2, -3, 8),
         20,
         {0, 4, 0, 0, 0, 5},
         true,
         "+5x^5+0x^4+0x^3+0x^2+4x+0"},
        {"ten points",
         punkteVon({0, 20, 0, 0, 0, 25}, 2, 0, 10),
         20,
         {0, 4, 0, 0, 0, 5},
         true,
         "+5x^5+0x^4+0x^3+0x^2+4x+0"},
        {"ten points degree 9",
         punkteVon({0, -1, 0, 0, 0, 0, 0, 0, 0, 1}, 0, -4, 10),
         1,
         {0, -1, 0, 0, 0, 0, 0, 0, 0, 1},
         false,
         ""},
        // Abscissas that are not whole: p = x^3/8 + x/4.
        {"half abscissas",
         {{"0.5", "0.140625"}, {"1.5", "0.796875"}, {"2.5", "2.578125"}, {"3,5", "6.234375"}},
         8,
         {0, 2, 0, 1},
         true,
         "+0x^5+0x^4+1x^3+0x^2+2x+0"},
        {"half abscissas x^3",
         {{"0.5", "0.125"}, {"1.5", "3.375"}, {"2.5", "15.625"}, {"3.5", "42.875"}},
         1,
         {0, 0, 0, 1},
         true,
         "+0x^5+0x^4+1x^3+0x^2+0x+0"},
        {"large abscissas",
         {{"0", "0"},
          {"1000000000", "1" + std::string(27, '0')},
          {"2000000000", "8" + std::string(27, '0')},
          {"3000000000", "27" + std::string(27, '0')}},
         1,
         {0, 0, 0, 1},
         true,
         "+0x^5+0x^4+1x^3+0x^2+0x+0"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Gestreckt g = strecke(f.punkte);
        EXPECT_EQ(g.d.Hauptnenner, f.s);
        for (std::size_t k = 0; k < 10; ++k) {
            const long erwartet = k < f.gestreckt.size() ? f.gestreckt[k] : 0;
            EXPECT_EQ(g.d.Gestreckt[k], erwartet) << "k = " << k;
            EXPECT_EQ(g.a.koeffizienten[k], std::to_string(erwartet)) << "k = " << k;
        }
        EXPECT_EQ(g.a.streckanzeige, f.s == 1 ? "" : "Streckfaktor = " + std::to_string(f.s));
        EXPECT_EQ(g.a.exportMoeglich, f.exportMoeglich);
        if (f.exportMoeglich) {
            EXPECT_EQ(ExportTerm(g.d.pkoeff), f.term);
        }
    }
}

TEST(Streckung, FactorThatMakesACoefficientReach9999) {
    // p = 4999 x^3 + x/2 is stretched by 2 to 9998 x^3 + x; p = 4999.5 x^3 + x/2 to 9999 x^3 + x.
    Gestreckt g = strecke(punkteVon({0, 5, 0, 49990}, 1, 0, 4));
    EXPECT_EQ(g.d.Hauptnenner, 2);
    EXPECT_EQ(g.d.Gestreckt[3], 9998);
    EXPECT_TRUE(g.a.exportMoeglich);
    g = strecke(punkteVon({0, 5, 0, 49995}, 1, 0, 4));
    EXPECT_EQ(g.d.Gestreckt[3], 9999);
    EXPECT_FALSE(g.a.exportMoeglich);
}

TEST(Streckung, TinyAbscissasGiveHugeCoefficientsAndNoExport) {
    // Through (k * 1e-9, k^3): p = 10^27 x^3.
    Gestreckt g = strecke({{"0", "0"}, {"0.000000001", "1"}, {"0.000000002", "8"}, {"0.000000003", "27"}});
    EXPECT_EQ(g.d.Hauptnenner, 1);
    EXPECT_EQ(g.d.Gestreckt[3], mpz_class("1000000000000000000000000000"));
    EXPECT_EQ(g.a.koeffizienten[3], "1e+27");
    EXPECT_FALSE(g.a.exportMoeglich);
    EXPECT_EQ(g.d.pkoeff[3], std::numeric_limits<std::int64_t>::max());
}

TEST(Streckung, InfiniteInputNeitherStretchesNorExports) {
    const std::string riesig(400, '9');
    Gestreckt g = strecke({{"0", riesig}, {"1", "1"}, {"2", "0"}, {"3", "5"}});
    EXPECT_EQ(g.d.Hauptnenner, 1);
    EXPECT_TRUE(g.a.streckanzeige.empty());
    EXPECT_FALSE(g.a.exportMoeglich);
}

TEST(Streckung, ExtremeMagnitudesStayExact) {
    // Abscissas from about 1e-280 to 1e297: the stretched polynomial still takes the values s * y_i.
    std::vector<Punkt> punkte;
    for (int i = 0; i < 10; ++i) {
        const int exponent = (i % 2 == 0 ? -1 : 1) * 56 * (i / 2 + 1);
        const std::string mantisse = "1234567890123456" + std::to_string(i);
        const std::string nullen(static_cast<std::size_t>(std::abs(exponent)), '0');
        punkte.push_back(
            {exponent < 0 ? std::string("0.").append(nullen).append(mantisse) : mantisse + nullen,
             std::string("-0.000").append(mantisse)});
    }
    Gestreckt g = strecke(punkte);
    ASSERT_TRUE(g.d.exakt);
    EXPECT_GT(g.d.Hauptnenner, 1);
    EXPECT_EQ(g.d.Hauptnenner.get_den(), 1);
    for (int i = 0; i < 10; ++i) {
        mpq_class wert = 0;
        for (int k = 9; k >= 0; --k)
            wert =
                wert * g.d.xExakt[static_cast<std::size_t>(i)] + g.d.Gestreckt[static_cast<std::size_t>(k)];
        EXPECT_EQ(wert, g.d.Hauptnenner * g.d.yExakt[static_cast<std::size_t>(i)]);
    }
    EXPECT_FALSE(g.a.exportMoeglich);
}

TEST(Streckung, RunWithoutStretchingKeepsV) {
    InterpolationsDaten d;
    d.n = 3;
    d.Strecken = false;
    ASSERT_TRUE(Interpolation(d, eingaben({{"0", "0"}, {"1", "1"}, {"2", "3"}})).has_value());
    EXPECT_EQ(d.Hauptnenner, -2);
}

TEST(ExportTerm, IsReadBackByTheTermParser) {
    const std::array<std::int64_t, 6> faelle[] = {
        {-6, 11, -6, 1, 0, 0}, {0, 0, 0, 1, 0, 0}, {0, 1, 0, 0, 0, 1}, {9998, -9998, 1, -1, 9998, -9998},
        {-1, 0, 0, 0, -1, 0},
    };
    for (const auto& p : faelle) {
        const std::string term = ExportTerm(p);
        SCOPED_TRACE(term);
        AnalysisState st;
        init(st);
        RecordingSurface ui;
        bool ok = false;
        String2Poly(st, ui, term, ok);
        ASSERT_TRUE(ok);
        for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(st.Poly[k], p[k]);
    }
}

TEST(ExportTerm, StartsTheAnalysisOfTheInterpolatedCubic) {
    Gestreckt g = strecke({{"0", "0"}, {"1", "1"}, {"2", "8"}, {"3", "27"}});
    ASSERT_TRUE(g.a.exportMoeglich);
    AnalysisState st;
    RecordingSurface ui;
    ui.eingabe = ExportTerm(g.d.pkoeff);
    EXPECT_EQ(ui.eingabe, "+0x^5+0x^4+1x^3+0x^2+0x+0");
    Start(st, ui);
    EXPECT_TRUE(ui.meldungen.empty());
    EXPECT_EQ(ui.eingabe, " x^3");
    EXPECT_EQ(ui.ausgabe.rfind("Untersuchung der Funktion f mit f(x) =  x^3 mit schulüblichen Mitteln.", 0),
              0u);
    EXPECT_TRUE(st.SkizzeBereit);
}

// An offered export must be the interpolation polynomial itself, stretched: degree 3 to 5, small
// whole coefficients, zero above the degree n - 1, and the values s * y_i at the support points.
void pruefeExport(const InterpolationsDaten& d) {
    for (int i = 0; i < d.n; ++i) {
        mpq_class wert = 0;
        for (int k = 5; k >= 0; --k)
            wert = wert * d.xExakt[static_cast<std::size_t>(i)] + d.pkoeff[static_cast<std::size_t>(k)];
        EXPECT_EQ(wert, d.Hauptnenner * d.yExakt[static_cast<std::size_t>(i)]);
    }
    EXPECT_TRUE(d.pkoeff[3] != 0 || d.pkoeff[4] != 0 || d.pkoeff[5] != 0);
    for (int k = 0; k < 6; ++k) {
        EXPECT_LT(std::abs(d.pkoeff[static_cast<std::size_t>(k)]), 9999);
        if (k >= d.n) {
            EXPECT_EQ(d.pkoeff[static_cast<std::size_t>(k)], 0);
        }
    }
}

TEST(Streckung, JunkInAnyFieldNeverExportsAWrongPolynomial) {
    std::mt19937 zufall(4711);
    const std::vector<std::string> bausteine = {
        "0",          "1", "2",     "3",   "-1", "-2", "0.5",   ",25", "1e-9",         "1e9",
        "abc",        "",  " ",     "--3", "+",  ".",  "1.5.3", "ä",   "999999999999", "0.000000001",
        "1000000000", "7", "-4.75", "12"};
    std::uniform_int_distribution<std::size_t> wahl(0, bausteine.size() - 1);
    std::uniform_int_distribution<int> anzahl(-5, 1000);
    for (int runde = 0; runde < 300; ++runde) {
        Eingaben e;
        for (std::size_t i = 0; i < 10; ++i) {
            e.x[i] = bausteine[wahl(zufall)] + (runde % 3 == 0 ? bausteine[wahl(zufall)] : "");
            e.y[i] = bausteine[wahl(zufall)];
            e.argumente[i] = bausteine[wahl(zufall)];
        }
        InterpolationsDaten d;
        d.n = StuetzstellenAnzahl(std::to_string(anzahl(zufall) % 14 - 3)).n;
        d.Strecken = runde % 2 == 0;
        const auto a = Interpolation(d, e);
        if (a && a->exportMoeglich) pruefeExport(d);
    }
}

// Points of random small polynomials at whole and half abscissas, some with one ordinate moved:
// many of these are offered for export, and every offer must be right.
TEST(Streckung, NearlyExportablePointsExportOnlyTheRightPolynomial) {
    std::mt19937 zufall(815);
    std::uniform_int_distribution<int> koeff(-3, 3), grad(2, 6), extra(0, 2), wuerfel(0, 2), abszisse(-6, 8);
    int exporte = 0;
    for (int runde = 0; runde < 300; ++runde) {
        std::vector<mpq_class> c(static_cast<std::size_t>(grad(zufall)) + 1);
        for (auto& ck : c) ck = mpq_class(koeff(zufall), 1 + wuerfel(zufall));
        const int n = std::min(10, static_cast<int>(c.size()) + extra(zufall) - 1);
        std::vector<int> halbe;
        while (static_cast<int>(halbe.size()) < n) {
            const int h = abszisse(zufall) * (runde % 2 == 0 ? 2 : 1);
            if (std::find(halbe.begin(), halbe.end(), h) == halbe.end()) halbe.push_back(h);
        }
        std::vector<Punkt> punkte;
        for (int h : halbe) {
            const mpq_class x(h, 2);
            mpq_class y = 0;
            for (std::size_t k = c.size(); k-- > 0;) y = y * x + c[k];
            if (wuerfel(zufall) == 0 && punkte.empty()) y += mpq_class(1, 2);
            // Written with six decimals; where y needs more, the point moves slightly off p.
            const mpq_class skaliert = y * 1000000;
            mpz_class gerundet = skaliert.get_num() / skaliert.get_den();
            punkte.push_back({testing::dezimal(h * 500000, 6), testing::dezimal(gerundet.get_si(), 6)});
        }
        Gestreckt g = strecke(punkte);
        if (!g.a.exportMoeglich) continue;
        ++exporte;
        pruefeExport(g.d);
    }
    EXPECT_GT(exporte, 30);
}

} // namespace
} // namespace quadrova::interpolation
