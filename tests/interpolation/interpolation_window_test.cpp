// The window "Interpolationspolynom" under the offscreen platform: its controls, the count field,
// both compute buttons, the stretch display, the export into the main window's analysis and the
// close dialog.
#include "interpolation/interpolation_window.h"

#include "app/main_window.h"
#include "app/window_access.h"
#include "interpolation_test_points.h"
#include "tests/app/dialog_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <random>

namespace {

using quadrova::interpolation::testing::Punkt;
using quadrova::interpolation::testing::punkteVon;

class IntFensterTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        w.show();
    }

    void punkte(const std::vector<Punkt>& p) {
        w.sstellen()->setText(QString::number(p.size()));
        for (int i = 0; i < IntFenster::kFelder; ++i) {
            const bool belegt = static_cast<std::size_t>(i) < p.size();
            w.xF(i)->setText(belegt ? QString::fromStdString(p[static_cast<std::size_t>(i)].x) : QString());
            w.yF(i)->setText(belegt ? QString::fromStdString(p[static_cast<std::size_t>(i)].y) : QString());
        }
    }

    static bool sichtbar(const QWidget* c) { return !c->isHidden(); }

    void erwarteKoeffizienten(const std::vector<QString>& texte) {
        for (int k = 0; k < IntFenster::kFelder; ++k) {
            SCOPED_TRACE(k);
            const bool gezeigt = static_cast<std::size_t>(k) < texte.size();
            EXPECT_EQ(sichtbar(w.KF(k)), gezeigt);
            EXPECT_EQ(sichtbar(w.xS(k)), gezeigt);
            if (gezeigt) {
                EXPECT_EQ(w.KF(k)->text(), texte[static_cast<std::size_t>(k)]);
            }
        }
    }

    // Exports and returns every text the main window's input field received on the way.
    QStringList exportiere() {
        QStringList eingaben;
        QObject empfaenger;
        QObject::connect(hauptFenster().EingabeF(), &QLineEdit::textChanged, &empfaenger,
                         [&eingaben](const QString& t) { eingaben << t; });
        w.ExportB()->click();
        return eingaben;
    }

    IntFenster w;
};

const std::vector<Punkt> kWuerfel{{"0", "0"}, {"1", "1"}, {"2", "8"}, {"3", "27"}};

TEST_F(IntFensterTest, OpensWithTwoPointsAndItsInitialTexts) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Interpolationspolynom"));
    EXPECT_EQ(w.size(), QSize(754, 567));
    EXPECT_EQ(w.sstellen()->text(), QStringLiteral("2"));
    EXPECT_EQ(w.daten().n, 2);
    const QStringList startwerte{"1", "2", "3", "4"};
    for (int i = 0; i < IntFenster::kFelder; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.xF(i)->text(), i < 4 ? startwerte[i] : QString());
        EXPECT_TRUE(w.yF(i)->text().isEmpty());
        EXPECT_EQ(sichtbar(w.xF(i)), i < 2);
        EXPECT_EQ(sichtbar(w.yF(i)), i < 2);
        EXPECT_EQ(w.argumentF(i)->isReadOnly(), i == 0);
        EXPECT_EQ(w.wertF(i)->isReadOnly(), i < 5);
        EXPECT_TRUE(w.KF(i)->isReadOnly());
        EXPECT_EQ(w.xS(i)->text(), QStringLiteral("x^%1").arg(i));
    }
    EXPECT_EQ(w.argumentF(0)->text(), QStringLiteral("0"));
    EXPECT_FALSE(sichtbar(w.Streckanzeige()));
    EXPECT_FALSE(sichtbar(w.ExportB()));
    EXPECT_EQ(w.PushButton1()->text(), QStringLiteral("Berechnen"));
    EXPECT_EQ(w.PushButton2()->text(), QStringLiteral("Berechnen und ggf. Strecken"));
    EXPECT_EQ(w.ExportB()->text(), QStringLiteral("Kurvenuntersuchung"));
    EXPECT_EQ(w.BevelButton3()->text(), QStringLiteral("Fenster schließen"));
    EXPECT_TRUE(w.BevelButton3()->font().bold());
    EXPECT_TRUE(w.ExportB()->font().bold());
}

TEST_F(IntFensterTest, CountFieldShowsThePointColumns) {
    struct Fall {
        QString text;
        QString danach;
        int n;
    };
    const Fall faelle[] = {{"12", "10", 10},   {"3", "3", 3},    {"-5", "-5", 0}, {"abc", "abc", 0},
                           {"1000", "10", 10}, {"10", "10", 10}, {"0", "0", 0},   {"2.9", "2.9", 2}};
    w.xF(5)->setText("6");
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text.toStdString());
        w.sstellen()->setText(f.text);
        EXPECT_EQ(w.sstellen()->text(), f.danach);
        EXPECT_EQ(w.daten().n, f.n);
        for (int k = 0; k < IntFenster::kFelder; ++k) {
            EXPECT_EQ(sichtbar(w.xF(k)), k < 2 || k < f.n) << k;
            EXPECT_EQ(sichtbar(w.yF(k)), k < 2 || k < f.n) << k;
        }
    }
    EXPECT_EQ(w.xF(5)->text(), QStringLiteral("6")); // hidden columns keep their texts
    // Typed key by key: "1" and then "12", which is corrected at once.
    w.sstellen()->clear();
    w.sstellen()->setFocus();
    tippe(w.sstellen(), "12");
    EXPECT_EQ(w.sstellen()->text(), QStringLiteral("10"));
}

// The caption above the coefficient fields ends in a line break. In its 20-pixel label it has to
// show its text line exactly as a one-line caption would, not centred with the empty second line
// and cut off at the top.
TEST_F(IntFensterTest, CoefficientCaptionIsNotCutOff) {
    QLabel* beschriftung = w.StaticText3();
    EXPECT_EQ(beschriftung->text(), QStringLiteral("Koeffizienten des Interpolationspolynoms\n"));
    EXPECT_EQ(beschriftung->geometry(), QRect(48, 386, 282, 20));
    QLabel einzeilig(QStringLiteral("Koeffizienten des Interpolationspolynoms"), &w);
    einzeilig.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    einzeilig.resize(beschriftung->size());
    EXPECT_EQ(beschriftung->grab().toImage(), einzeilig.grab().toImage());
}

TEST_F(IntFensterTest, ComputeShowsCoefficientsAndHidesLeadingZeros) {
    punkte(kWuerfel);
    w.PushButton1()->click();
    erwarteKoeffizienten({"0", "0", "0", "1"});
    EXPECT_FALSE(sichtbar(w.ExportB()));
    EXPECT_FALSE(sichtbar(w.Streckanzeige()));
    EXPECT_EQ(w.wertF(0)->text(), QStringLiteral("0"));

    // A later run with a higher degree shows the fields again.
    punkte(punkteVon({1, 0, 0, 0, 0, 0, 0, 0, 0, 2}, 0, -4, 10));
    w.PushButton1()->click();
    erwarteKoeffizienten({"1", "0", "0", "0", "0", "0", "0", "0", "0", "2"});
    punkte({{"5", "7"}});
    w.PushButton1()->click();
    erwarteKoeffizienten({"7"});
}

TEST_F(IntFensterTest, StretchedCubeIsExportedAndAnalysed) {
    punkte(kWuerfel);
    w.PushButton2()->click();
    erwarteKoeffizienten({"0", "0", "0", "1"});
    EXPECT_FALSE(sichtbar(w.Streckanzeige()));
    ASSERT_TRUE(sichtbar(w.ExportB()));

    const QStringList eingaben = exportiere();
    ASSERT_FALSE(eingaben.isEmpty());
    EXPECT_EQ(eingaben.first(), QStringLiteral("+0x^5+0x^4+1x^3+0x^2+0x+0"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(sichtbar(w.ExportB()));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(hauptFenster().EingabeF()->text(), QStringLiteral(" x^3"));
    EXPECT_TRUE(hauptFenster().AusgabeF()->toPlainText().startsWith(
        QStringLiteral("Untersuchung der Funktion f mit f(x) =  x^3 mit schulüblichen Mitteln.")));
}

TEST_F(IntFensterTest, StretchFactorIsShownOnlyWhenItIsNotOne) {
    punkte({{"0", "0"}, {"1", "1"}, {"2", "3"}});
    w.PushButton2()->click();
    erwarteKoeffizienten({"0", "1", "1"});
    EXPECT_TRUE(sichtbar(w.Streckanzeige()));
    EXPECT_EQ(w.Streckanzeige()->text(), QStringLiteral("Streckfaktor = 2"));
    EXPECT_FALSE(sichtbar(w.ExportB())); // degree 2

    punkte({{"0", "0"}, {"1", "2"}, {"2", "6"}});
    w.PushButton2()->click();
    erwarteKoeffizienten({"0", "1", "1"});
    EXPECT_FALSE(sichtbar(w.Streckanzeige()));

    // Without stretching the same points show the halves.
    punkte({{"0", "0"}, {"1", "1"}, {"2", "3"}});
    w.PushButton1()->click();
    erwarteKoeffizienten({"0", "0.5", "0.5"});
    EXPECT_FALSE(sichtbar(w.Streckanzeige()));
}

TEST_F(IntFensterTest, ExportOfferedOnlyBelow9999AndForDegreeThreeToFive) {
    struct Fall {
        const char* name;
        std::vector<Punkt> punkte;
        bool angeboten;
    };
    const std::vector<Fall> faelle = {
        {"9998 x^3", punkteVon({0, 0, 0, 9998}, 0, 0, 4), true},
        {"9999 x^3", punkteVon({0, 0, 0, 9999}, 0, 0, 4), false},
        {"x^5 + x", punkteVon({0, 1, 0, 0, 0, 1}, 0, 0, 6), true},
        {"degree 6", punkteVon({0, 0, 0, 0, 0, 0, 1}, 0, -3, 7), false},
        {"not stretched", kWuerfel, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        punkte(f.punkte);
        (std::string(f.name) == "not stretched" ? w.PushButton1() : w.PushButton2())->click();
        EXPECT_EQ(sichtbar(w.ExportB()), f.angeboten);
    }
}

TEST_F(IntFensterTest, QuinticAndHalfAbscissasReachTheAnalysis) {
    struct Fall {
        std::vector<Punkt> punkte;
        QString term, streck, kopf;
    };
    const Fall faelle[] = {
        {punkteVon({0, 1, 0, 0, 0, 1}, 0, 0, 6), "+1x^5+0x^4+0x^3+0x^2+1x+0", "", " x^5 + x mit"},
        // p = x^3/8 + x/4 through abscissas that are not whole, typed with decimal commas.
        {{{"0,5", "0,140625"}, {"1,5", "0,796875"}, {"2,5", "2,578125"}, {"3,5", "6,234375"}},
         "+0x^5+0x^4+1x^3+0x^2+2x+0",
         "Streckfaktor = 8",
         " x^3 + 2x mit"},
        // Eight whole abscissas, p = x^5/4 + x/5.
        {punkteVon({0, 20, 0, 0, 0, 25}, 2, -3, 8), "+5x^5+0x^4+0x^3+0x^2+4x+0", "Streckfaktor = 20",
         " 5x^5 + 4x mit"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.term.toStdString());
        w.show();
        punkte(f.punkte);
        w.PushButton2()->click();
        EXPECT_EQ(w.Streckanzeige()->isHidden(), f.streck.isEmpty());
        if (!f.streck.isEmpty()) {
            EXPECT_EQ(w.Streckanzeige()->text(), f.streck);
        }
        ASSERT_TRUE(sichtbar(w.ExportB()));
        const QStringList eingaben = exportiere();
        ASSERT_FALSE(eingaben.isEmpty());
        EXPECT_EQ(eingaben.first(), f.term);
        EXPECT_TRUE(hauptFenster().AusgabeF()->toPlainText().startsWith(
            QStringLiteral("Untersuchung der Funktion f mit f(x) = ") + f.kopf));
    }
}

TEST_F(IntFensterTest, EqualAbscissasKeepThePreviousOutput) {
    punkte(kWuerfel);
    w.PushButton2()->click();
    ASSERT_TRUE(sichtbar(w.ExportB()));
    punkte({{"1", "2"}, {"1", "3"}});
    w.PushButton2()->click();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen.first(), QStringLiteral("Die Stützstellen muessen paarweise verschieden sein "));
    EXPECT_FALSE(sichtbar(w.ExportB()));
    EXPECT_FALSE(sichtbar(w.Streckanzeige()));
    erwarteKoeffizienten({"0", "0", "0", "1"});
}

TEST_F(IntFensterTest, ArgumentSlots) {
    punkte({{"0", "1"}, {"1", "3"}}); // p(x) = 2x + 1
    w.argumentF(0)->setText("5");
    w.argumentF(1)->setText("2");
    w.argumentF(2)->setText("");
    w.argumentF(3)->setText("0");
    w.argumentF(7)->setText("-1.5");
    w.wertF(2)->setText("alt");
    w.PushButton1()->click();
    EXPECT_EQ(w.wertF(0)->text(), QStringLiteral("1"));
    EXPECT_EQ(w.wertF(1)->text(), QStringLiteral("5"));
    EXPECT_EQ(w.wertF(2)->text(), QString());
    EXPECT_EQ(w.wertF(3)->text(), QString());
    EXPECT_EQ(w.wertF(7)->text(), QStringLiteral("-2"));
}

TEST_F(IntFensterTest, CloseButtonAsksAndOnlyHides) {
    punkte(kWuerfel);
    w.PushButton2()->click();
    antwort = false;
    w.BevelButton3()->click();
    ASSERT_EQ(fragen.size(), 1u);
    EXPECT_EQ(fragen[0].message, QStringLiteral("Wirklich dieses Fenster schließen? "));
    EXPECT_EQ(fragen[0].action, QStringLiteral("Ja, Fenster Schließen"));
    EXPECT_EQ(fragen[0].cancel, QStringLiteral("Nein, Interpolationsfenster noch offen Lassen"));
    EXPECT_TRUE(w.isVisible());

    antwort = true;
    w.BevelButton3()->click();
    EXPECT_FALSE(w.isVisible());
    w.show();
    EXPECT_EQ(w.KF(3)->text(), QStringLiteral("1"));
    EXPECT_TRUE(sichtbar(w.ExportB()));

    // The window's own close box hides the export button as well.
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(sichtbar(w.ExportB()));
}

TEST_F(IntFensterTest, OpenedFromTheMainWindow) {
    hauptFenster().interpolB()->click();
    EXPECT_TRUE(intFenster().isVisible());
    intFenster().hide();
}

TEST_F(IntFensterTest, AnyTextInAnyFieldIsHandled) {
    std::mt19937 zufall(99);
    const QStringList bausteine = {"0",
                                   "1",
                                   "-2",
                                   "0,5",
                                   "1e-9",
                                   "1e9",
                                   "abc",
                                   "",
                                   " ",
                                   "--3",
                                   "+",
                                   ".",
                                   "ä",
                                   "7",
                                   "-4.75",
                                   "1000000000",
                                   "0.000000001",
                                   "99999",
                                   "12345678901234567890"};
    std::uniform_int_distribution<qsizetype> wahl(0, bausteine.size() - 1);
    std::uniform_int_distribution<int> anzahl(-5, 1000);
    for (int runde = 0; runde < 60; ++runde) {
        w.sstellen()->setText(QString::number(runde % 4 == 0 ? anzahl(zufall) : runde % 12));
        for (int i = 0; i < IntFenster::kFelder; ++i) {
            w.xF(i)->setText(bausteine[wahl(zufall)]);
            w.yF(i)->setText(bausteine[wahl(zufall)]);
            if (i > 0) w.argumentF(i)->setText(bausteine[wahl(zufall)]);
        }
        (runde % 2 == 0 ? w.PushButton1() : w.PushButton2())->click();
        EXPECT_LE(w.daten().n, 10);
        if (sichtbar(w.ExportB())) {
            const auto& p = w.daten().pkoeff;
            EXPECT_TRUE(p[3] != 0 || p[4] != 0 || p[5] != 0);
            for (auto c : p) EXPECT_LT(std::abs(c), 9999);
        }
    }
}

} // namespace
