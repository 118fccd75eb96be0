#include "equation_solver/equation_solver_window.h"

#include "app/dialog_hook.h"
#include "app/window_access.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A fresh window per test; message boxes and the question are recorded instead of shown.
class GleichungsFensterTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogHook::meldung = [this](QWidget*, const QString& text) {
            meldungen.push_back(text.toStdString());
        };
        DialogHook::frage = [this](QWidget*, const QString& m, const QString& a, const QString& c) {
            fragen.push_back((m + "|" + a + "|" + c).toStdString());
            return antwort;
        };
    }
    void TearDown() override { DialogHook::standard(); }

    void Eingeben(const std::vector<QString>& felder) {
        for (int i = 0; i <= quadrova::MaxGrad; ++i)
            w.xF(i)->setText(static_cast<std::size_t>(i) < felder.size() ? felder[static_cast<std::size_t>(i)]
                                                                         : "");
    }
    std::string Ausgabe() const { return w.AusgabeF()->toPlainText().toStdString(); }

    GleichungsF w;
    std::vector<std::string> meldungen;
    std::vector<std::string> fragen;
    bool antwort = true;
};

TEST_F(GleichungsFensterTest, StartState) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Gleichungs-Löser"));
    EXPECT_FALSE(w.EinleseB()->isEnabled());
    EXPECT_TRUE(w.BerechneB1()->isEnabled());
    EXPECT_TRUE(w.QuitB1()->isEnabled());
    EXPECT_TRUE(w.QuitB()->isEnabled());
    EXPECT_EQ(w.EinleseB()->text(), QStringLiteral("Lösungen Berechnen"));
    for (int i = 0; i <= quadrova::MaxGrad; ++i) EXPECT_TRUE(w.xF(i)->text().isEmpty());
    EXPECT_TRUE(w.AusgabeF()->isReadOnly());
    EXPECT_EQ(Ausgabe(), "");
}

TEST_F(GleichungsFensterTest, EquationsWithoutAPowerOfXAreRefused) {
    for (const std::vector<QString>& felder : {std::vector<QString>{}, std::vector<QString>{"5"}}) {
        meldungen.clear();
        w.AusgabeF()->setPlainText("vorher");
        Eingeben(felder);
        w.BerechneB1()->click();
        EXPECT_EQ(meldungen,
                  std::vector<std::string>{"Bitte eine Gleichung mindestens ersten Grades eingeben"});
        EXPECT_FALSE(w.EinleseB()->isEnabled());
        EXPECT_EQ(Ausgabe(), "vorher");
        EXPECT_EQ(w.xF(1)->text(), "0");
        EXPECT_EQ(w.xF(10)->text(), "0");
    }
    EXPECT_EQ(w.xF(0)->text(), "5");
}

TEST_F(GleichungsFensterTest, ReadThenSolveShowsTheAnswer) {
    const struct {
        std::vector<QString> felder;
        const char* echo;
        const char* antwort;
    } faelle[] = {
        {{"-4", "2"},
         "\nEingegebene Gleichung:    -4 + 2x   =  0 ",
         "\nDie Gleichung     -4 + 2x   =  0 hat als einzige Lösung           x1  =  2 ."},
        {{"1", "", "1"},
         "\nEingegebene Gleichung:   1 + x^2   =  0 ",
         "\nDie Gleichung    1 + x^2   =  0 hat keine Lösungen."},
        {{"", "-2", "1"},
         "\nEingegebene Gleichung:    -2x + x^2   =  0 ",
         "\nDie Gleichung     -2x + x^2   =  0 hat die Lösungen \n\n          x1  =  0 ,\n          x2  =  2 "
         "."},
    };
    for (const auto& f : faelle) {
        Eingeben(f.felder);
        w.BerechneB1()->click();
        EXPECT_EQ(Ausgabe(), f.echo);
        ASSERT_TRUE(w.EinleseB()->isEnabled());
        w.EinleseB()->click();
        EXPECT_EQ(Ausgabe(), f.antwort);
        w.EinleseB()->click(); // stays enabled and answers the same again
        EXPECT_TRUE(w.EinleseB()->isEnabled());
        EXPECT_EQ(Ausgabe(), f.antwort);
    }
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(GleichungsFensterTest, FieldsShowTheNumbersAsReadAndEditingDisablesSolving) {
    Eingeben({"x-1,5", "2a"});
    w.BerechneB1()->click();
    EXPECT_EQ(w.xF(0)->text(), "-1.5");
    EXPECT_EQ(w.xF(1)->text(), "2");
    EXPECT_EQ(w.xF(2)->text(), "0");
    EXPECT_TRUE(w.EinleseB()->isEnabled());
    w.xF(7)->insert("3");
    EXPECT_FALSE(w.EinleseB()->isEnabled());
}

TEST_F(GleichungsFensterTest, TooLargeCoefficientsAreRefused) {
    Eingeben({"1", QString(10000, '9'), "1"});
    w.BerechneB1()->click();
    EXPECT_EQ(meldungen, std::vector<std::string>{"Die Koeffizienten sind zu groß."});
    EXPECT_FALSE(w.EinleseB()->isEnabled());
}

TEST_F(GleichungsFensterTest, NewEquationAsksFirst) {
    Eingeben({"-4", "2"});
    w.BerechneB1()->click();
    w.EinleseB()->click();
    const std::string antwortText = Ausgabe();

    antwort = false;
    w.QuitB1()->click();
    ASSERT_EQ(fragen.size(), 1u);
    EXPECT_EQ(fragen[0],
              " Wirklich alle Koeffizienten löschen ? |Alte Koeffizienten Löschen l|Koeffizienten Behalten");
    EXPECT_EQ(w.xF(0)->text(), "-4");
    EXPECT_TRUE(w.EinleseB()->isEnabled());

    antwort = true;
    w.QuitB1()->click();
    for (int i = 0; i <= quadrova::MaxGrad; ++i) EXPECT_TRUE(w.xF(i)->text().isEmpty());
    EXPECT_EQ(Ausgabe(), antwortText);
    EXPECT_FALSE(w.EinleseB()->isEnabled());
}

TEST(GleichungsFensterZugang, OneInstanceThatKeepsItsFieldsWhileHidden) {
    GleichungsF& fenster = gleichungsF();
    EXPECT_EQ(&fenster, &gleichungsF());
    fenster.show();
    fenster.xF(3)->setText("8");
    fenster.QuitB()->click();
    EXPECT_FALSE(fenster.isVisible());
    gleichungsF().show();
    EXPECT_EQ(gleichungsF().xF(3)->text(), "8");
    gleichungsF().hide();
}

} // namespace
