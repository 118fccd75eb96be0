// The sketch window: default view, redraw on request, the picture kept for repaints, back and
// quit; and the main window's ways into it.
#include "app/main_window.h"
#include "app/window_access.h"
#include "core/recording_surface.h"
#include "report/analysis_driver.h"
#include "sketch/sketch_window.h"
#include "tests/app/dialog_fixture.h"

#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

int blauePixel(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            if (qBlue(p) > 150 && qRed(p) < 120 && qGreen(p) < 120) ++n;
        }
    return n;
}

QByteArray bildDaten(const GrafikFenster& g) {
    return QByteArray(g.bild().data(), static_cast<qsizetype>(g.bild().size()));
}

class GrafikFensterTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        quadrova::RecordingSurface ui;
        ui.eingabe = "x^3-6x^2";
        quadrova::Start(st, ui);
        ASSERT_TRUE(st.SkizzeBereit);
    }
    quadrova::AnalysisState st;
};

TEST_F(GrafikFensterTest, ExtendedViewIsSelectedAndTheControlsSitInPlace) {
    GrafikFenster g(st);
    EXPECT_TRUE(g.erweitert());
    EXPECT_TRUE(g.ErweitertKnopf()->isChecked());
    EXPECT_FALSE(g.NurKritischKnopf()->isChecked());
    EXPECT_EQ(g.size(), QSize(768, 759));
    EXPECT_EQ(g.GraphCansas()->geometry(), QRect(20, 62, 725, 677));
    EXPECT_EQ(g.GrafikK1()->text(), QStringLiteral("Kurve Skizzieren"));
    EXPECT_EQ(g.GrafikK1()->geometry(), QRect(20, 5, 123, 45));
    EXPECT_EQ(g.BackK()->text(), QStringLiteral("Zurueck zum Berechnungsprogramm"));
    EXPECT_EQ(g.BackK()->geometry(), QRect(349, 5, 252, 45));
    EXPECT_EQ(g.QuitK()->text(), QStringLiteral("Programm Beenden"));
    EXPECT_EQ(g.QuitK()->geometry(), QRect(613, 5, 132, 45));
    EXPECT_EQ(g.NurKritischKnopf()->text(), QStringLiteral("Nur kritische Punkte"));
    EXPECT_EQ(g.NurKritischKnopf()->geometry(), QRect(155, 5, 182, 20));
    EXPECT_EQ(g.ErweitertKnopf()->text(), QStringLiteral("Erweitertes Intervall"));
    EXPECT_EQ(g.ErweitertKnopf()->geometry(), QRect(155, 30, 182, 20));
}

TEST_F(GrafikFensterTest, PictureOfTheLastRequestSurvivesRepaints) {
    GrafikFenster g(st);
    g.show();
    EXPECT_EQ(blauePixel(g.GraphCansas()->grab().toImage()), 0); // nothing drawn before a request
    g.GrafikK1()->click();
    const QImage erweitert = g.GraphCansas()->grab().toImage();
    EXPECT_GT(blauePixel(erweitert), 500);
    // A second repaint (an expose after another window covered the canvas) shows the same picture.
    EXPECT_EQ(g.GraphCansas()->grab().toImage(), erweitert);

    g.NurKritischKnopf()->click();
    EXPECT_FALSE(g.erweitert());
    const QImage kritisch = g.GraphCansas()->grab().toImage();
    EXPECT_GT(blauePixel(kritisch), 500);
    EXPECT_NE(kritisch, erweitert);
    g.ErweitertKnopf()->click();
    EXPECT_EQ(g.GraphCansas()->grab().toImage(), erweitert);
}

TEST_F(GrafikFensterTest, BackHidesAndQuitAsksFirst) {
    GrafikFenster g(st);
    g.show();
    g.BackK()->click();
    EXPECT_FALSE(g.isVisible());

    antwort = false;
    g.QuitK()->click();
    ASSERT_EQ(fragen.size(), 1U);
    EXPECT_EQ(fragen[0].message, QStringLiteral("Beim Beenden gehen alle Daten verloren.") + QChar(12) +
                                     QStringLiteral(" Wirklich Beenden?"));
    EXPECT_EQ(fragen[0].action, QStringLiteral("Ja, Programm Beendenl"));
    EXPECT_EQ(fragen[0].cancel, QStringLiteral("Im Programm bleiben"));
    EXPECT_EQ(beendet, 0);
    antwort = true;
    g.QuitK()->click();
    EXPECT_EQ(beendet, 1);
}

// The program's own instances: the main window's sketch button and its space-bar path.
TEST_F(GrafikFensterTest, MainWindowOpensAndDrawsTheSketchOnlyWhenReady) {
    HauptFenster& haupt = hauptFenster();
    GrafikFenster& skizze = grafikFenster();
    EXPECT_EQ(&grafikFenster(), &skizze);
    haupt.EingabeF()->setText(QStringLiteral("x^9"));
    haupt.Startknopf()->click(); // a failed run leaves the sketch locked
    ASSERT_FALSE(haupt.state().SkizzeBereit);
    meldungen.clear();

    const QByteArray leer = bildDaten(skizze);
    QFocusEvent fokus(QEvent::FocusIn, Qt::TabFocusReason);
    leertaste = true;
    QApplication::sendEvent(haupt.ZeichneKnopf(), &fokus);
    EXPECT_EQ(bildDaten(skizze), leer);
    haupt.ZeichneKnopf()->click();
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Erst Kurve untersuchen")});
    EXPECT_FALSE(skizze.isVisible());

    haupt.EingabeF()->setText(QStringLiteral("x^3-6x^2"));
    haupt.Startknopf()->click();
    leertaste = false;
    QApplication::sendEvent(haupt.ZeichneKnopf(), &fokus);
    EXPECT_EQ(bildDaten(skizze), leer);
    leertaste = true;
    QApplication::sendEvent(haupt.ZeichneKnopf(), &fokus);
    EXPECT_NE(bildDaten(skizze), leer);
    EXPECT_FALSE(skizze.isVisible()); // the space-bar path draws without showing the window

    haupt.ZeichneKnopf()->click();
    EXPECT_TRUE(skizze.isVisible());
    EXPECT_GT(blauePixel(skizze.GraphCansas()->grab().toImage()), 500);
    EXPECT_EQ(haupt.xBild(-1), 20);
    EXPECT_EQ(haupt.yBild(-32), 630);
    skizze.NurKritischKnopf()->click();
    EXPECT_EQ(haupt.xBild(6), 710); // both windows agree on the view
    skizze.ErweitertKnopf()->setChecked(true);
    skizze.hide();
}

} // namespace
