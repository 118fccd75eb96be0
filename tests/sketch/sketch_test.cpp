// The curve sketch painted into an image: scale, curve, points and labels of both views, and the
// unusable ranges that must leave the canvas empty.
#include "core/calculus.h"
#include "core/recording_surface.h"
#include "report/analysis_driver.h"
#include "sketch/sketch_mapping.h"
#include "sketch/sketch_renderer.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using quadrova::AnalysisState;

AnalysisState analysiere(const char* term) {
    AnalysisState st;
    quadrova::RecordingSurface ui;
    ui.eingabe = term;
    ui.antwort = true;
    quadrova::Start(st, ui);
    EXPECT_TRUE(st.SkizzeBereit) << term;
    return st;
}

QImage male(const AnalysisState& st, bool erweitert) {
    QImage bild(SketchRenderer::kCanvas, QImage::Format_ARGB32);
    bild.fill(Qt::gray); // the drawing must erase it
    QPainter g(&bild);
    SketchRenderer(st, erweitert).KurveZeichnen(g);
    return bild;
}

bool blau(QRgb p) {
    return qBlue(p) > 150 && qRed(p) < 120 && qGreen(p) < 120;
}
bool rot(QRgb p) {
    return qRed(p) > 150 && qGreen(p) < 120 && qBlue(p) < 120;
}
bool dunkel(QRgb p) {
    return qRed(p) < 110 && qGreen(p) < 110 && qBlue(p) < 110;
}

// Number of pixels of one colour in the rectangle [x0, x1] x [y0, y1], leaving out the rows and
// columns given (the axes are black too).
template <typename Farbe>
int zaehle(const QImage& bild, QRect r, Farbe farbe, int ohneSpalte = -100, int ohneZeile = -100) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (bild.valid(x, y) && std::abs(x - ohneSpalte) > 1 && std::abs(y - ohneZeile) > 1 &&
                farbe(bild.pixel(x, y)))
                ++n;
    return n;
}

bool ganzWeiss(const QImage& bild) {
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

class SkizzeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { st = new AnalysisState(analysiere("x^3-6x^2")); }
    static void TearDownTestSuite() { delete st; }

    struct Punkt {
        double x;
        char label;
        bool unten; // label below the point
    };

    // Checks circle colour and label side of one point.
    static void pruefePunkt(const QImage& bild, const quadrova::SketchView& v, const Punkt& p,
                            bool roterKreis) {
        SCOPED_TRACE(p.label);
        const int px = quadrova::Pixel(quadrova::xBild(v, p.x));
        const int py = quadrova::Pixel(quadrova::yBild(v, quadrova::fn(*st, 0, p.x)));
        const QRect kreis(px - 4, py - 4, 9, 9);
        if (roterKreis) {
            EXPECT_GE(zaehle(bild, kreis, rot), 8);
        } else {
            EXPECT_EQ(zaehle(bild, kreis, rot), 0);
            EXPECT_GE(zaehle(bild, kreis, dunkel, px0(v), -100), 4);
        }
        const int y0 = quadrova::Pixel(quadrova::yBild(v, 0));
        const QRect unten(px - 3, py + 6, 14, 15);
        const QRect oben(px - 3, py - 26, 14, 15);
        const int dunkelUnten = zaehle(bild, unten, dunkel, px0(v), y0);
        const int dunkelOben = zaehle(bild, oben, dunkel, px0(v), y0);
        EXPECT_EQ(dunkelUnten > 5, p.unten) << dunkelUnten;
        EXPECT_EQ(dunkelOben > 5, !p.unten) << dunkelOben;
    }

    static int px0(const quadrova::SketchView& v) { return quadrova::Pixel(quadrova::xBild(v, 0)); }

    static AnalysisState* st;
};

AnalysisState* SkizzeTest::st = nullptr;

TEST_F(SkizzeTest, RangesOfTheAnalysisGiveTheScaleOfBothViews) {
    EXPECT_EQ(st->maxf, 0);
    EXPECT_EQ(st->minf, -32);
    EXPECT_EQ(st->erwmaxf, 49);
    EXPECT_EQ(st->erwminf, -32);
    const auto erw = quadrova::SketchAnsicht(*st, true);
    EXPECT_EQ(quadrova::xBild(erw, -1), 20);
    EXPECT_EQ(quadrova::xBild(erw, 7), 710);
    EXPECT_EQ(quadrova::yBild(erw, 49), 40);
    EXPECT_EQ(quadrova::yBild(erw, -32), 630);
    const auto krit = quadrova::SketchAnsicht(*st, false);
    EXPECT_EQ(quadrova::xBild(krit, 0), 20);
    EXPECT_EQ(quadrova::xBild(krit, 6), 710);
    EXPECT_EQ(quadrova::yBild(krit, 0), 40);
    EXPECT_EQ(quadrova::yBild(krit, -32), 630);
    // Rounded to the nearest pixel: x = 0 lies at 106.25, x = 6 at 623.75.
    EXPECT_EQ(quadrova::Pixel(quadrova::xBild(erw, 0)), 106);
    EXPECT_EQ(quadrova::Pixel(quadrova::xBild(erw, 6)), 624);
    EXPECT_EQ(quadrova::Pixel(-2.5), -3);
}

TEST_F(SkizzeTest, ExtendedViewShowsCurvePointsAndLabels) {
    const QImage bild = male(*st, true);
    const auto v = quadrova::SketchAnsicht(*st, true);
    for (double x = -1; x <= 7; x += 0.25) {
        const int px = quadrova::Pixel(quadrova::xBild(v, x));
        const int py = quadrova::Pixel(quadrova::yBild(v, quadrova::fn(*st, 0, x)));
        EXPECT_GE(zaehle(bild, QRect(px - 1, py - 1, 3, 3), blau), 1) << x;
    }
    EXPECT_EQ(bild.pixel(5, 5), qRgb(255, 255, 255));
    // x-axis at y = 0, y-axis at x = 0.
    const int y0 = quadrova::Pixel(quadrova::yBild(v, 0));
    EXPECT_TRUE(dunkel(bild.pixel(300, y0)));
    EXPECT_TRUE(dunkel(bild.pixel(px0(v), 600)));
    EXPECT_FALSE(dunkel(bild.pixel(300, y0 + 1)));
    // The x-axis runs from column 20 (x = -1) to 10 pixels beyond column 710 (x = 7).
    EXPECT_FALSE(dunkel(bild.pixel(18, y0)));
    EXPECT_TRUE(dunkel(bild.pixel(20, y0)));
    EXPECT_TRUE(dunkel(bild.pixel(719, y0)));

    const Punkt punkte[] = {{0, 'B', true}, {2, 'C', false}, {4, 'D', false}, {6, 'E', true}};
    for (const Punkt& p : punkte) pruefePunkt(bild, v, p, true);
    pruefePunkt(bild, v, {-1, 'A', false}, false);
    pruefePunkt(bild, v, {7, 'F', true}, false);
}

TEST_F(SkizzeTest, CriticalPointsViewSpansTheCriticalPointsOnly) {
    const QImage bild = male(*st, false);
    const auto v = quadrova::SketchAnsicht(*st, false);
    EXPECT_EQ(v.left, 0);
    EXPECT_EQ(v.right, 6);
    // B and E lie on the top edge of the plot, labels below them; C and D above.
    const Punkt punkte[] = {{0, 'B', true}, {2, 'C', false}, {4, 'D', false}, {6, 'E', true}};
    for (const Punkt& p : punkte) pruefePunkt(bild, v, p, true);
    EXPECT_EQ(quadrova::Pixel(quadrova::yBild(v, quadrova::fn(*st, 0, 0))), 40);
    EXPECT_GE(zaehle(bild, QRect(300, 0, 100, 677), blau), 10);
}

TEST(SkizzeEinzelpunkt, SingleCriticalPointSpansATenthOnEachSide) {
    const AnalysisState st = analysiere("x^3");
    ASSERT_EQ(st.Kritisch[0], 1);
    const auto v = quadrova::SketchAnsicht(st, false);
    EXPECT_DOUBLE_EQ(v.left, -0.1);
    EXPECT_DOUBLE_EQ(v.right, 0.1);
    ASSERT_TRUE(quadrova::Zeichenbar(v));
    for (bool erweitert : {false, true}) {
        const QImage bild = male(st, erweitert);
        const auto w = quadrova::SketchAnsicht(st, erweitert);
        const int px = quadrova::Pixel(quadrova::xBild(w, 0));
        const int py = quadrova::Pixel(quadrova::yBild(w, 0));
        EXPECT_GE(zaehle(bild, QRect(px - 4, py - 4, 9, 9), rot), 8) << erweitert;
        EXPECT_GE(zaehle(bild, bild.rect(), blau), 300) << erweitert;
    }
}

TEST(SkizzeUnbrauchbar, UnusableRangesLeaveTheCanvasEmpty) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    AnalysisState leer; // before any analysis: every range is 0
    EXPECT_FALSE(quadrova::Zeichenbar(quadrova::SketchAnsicht(leer, true)));
    EXPECT_TRUE(ganzWeiss(male(leer, true)));
    EXPECT_TRUE(ganzWeiss(male(leer, false)));

    struct Fall {
        const char* name;
        void (*setze)(AnalysisState&);
        bool erweitert;
    };
    const Fall faelle[] = {
        {"x-range of width 0", [](AnalysisState& s) { s.xrechts = s.xlinks; }, true},
        {"y-range of width 0", [](AnalysisState& s) { s.minf = s.maxf; }, false},
        {"NaN bound", [](AnalysisState& s) { s.erwmaxf = nan; }, true},
        {"infinite bound", [](AnalysisState& s) { s.xmax = inf; }, false},
        {"width below the smallest double", [](AnalysisState& s) { s.xrechts = s.xlinks + 1e-320; }, true},
    };
    for (const Fall& f : faelle) {
        AnalysisState st = analysiere("x^3-6x^2");
        f.setze(st);
        EXPECT_FALSE(quadrova::Zeichenbar(quadrova::SketchAnsicht(st, f.erweitert))) << f.name;
        EXPECT_TRUE(ganzWeiss(male(st, f.erweitert))) << f.name;
    }
    EXPECT_EQ(quadrova::Pixel(nan), 0);
    EXPECT_EQ(quadrova::Pixel(1e300), 1000000);
    EXPECT_EQ(quadrova::Pixel(-inf), -1000000);
}

TEST(SkizzeUnbrauchbar, FarOffRangesAndOddCountsStayDefined) {
    AnalysisState st = analysiere("x^3-6x^2");
    st.xlinks = 1e6; // the y-axis and the curve's values far outside the canvas
    st.xrechts = 1e6 + 1e-6;
    st.Kritisch[0] = 1e9; // a count beyond the array must not be read past its end
    const QImage bild = male(st, true);
    EXPECT_FALSE(ganzWeiss(bild));
    st.Kritisch[0] = -1;
    male(st, false);
}

} // namespace
