// The main window driven through its real controls: analysis start, examples, hidden activation,
// "Neu", quitting and the window layout.
#include "app/main_window.h"
#include "app/menus.h"
#include "app/window_access.h"
#include "core/build_config.h"
#include "equation_solver/equation_solver_window.h"
#include "interpolation/interpolation_window.h"
#include "standard_task/standard_task_window.h"
#include "tests/app/dialog_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kKopf = QStringLiteral("Untersuchung der Funktion f mit f(x) = ");
const QString kHinweis = QStringLiteral(
    "Wegen der Unvollständigkeit der Ergebnisse erfolgt keine Beschreibung des Kurvenverlaufs.");
const QString kTangenten = QStringLiteral("Gleichungen der in den kritischen Punkten angelegten Tangenten");

class HauptFensterTest : public DialogFixture {
protected:
    QString ausgabe() const { return w.AusgabeF()->toPlainText(); }
    HauptFenster w;
};

TEST_F(HauptFensterTest, TypedTermStartsWithReturnAndWithTheStartButton) {
    tippe(w.EingabeF(), QStringLiteral("x^3-6x^2"));
    ASSERT_EQ(w.EingabeF()->text(), QStringLiteral("x^3-6x^2"));
    taste(w.EingabeF(), Qt::Key_Return);
    const QString perReturn = ausgabe();
    EXPECT_TRUE(perReturn.startsWith(kKopf)) << perReturn.left(200).toStdString();
    EXPECT_TRUE(perReturn.contains(QStringLiteral("Menge der kritischen Stellen: ")));
    EXPECT_TRUE(w.state().SkizzeBereit);
    EXPECT_TRUE(meldungen.isEmpty());

    w.NeuKnopf()->click();
    EXPECT_TRUE(ausgabe().isEmpty());
    tippe(w.EingabeF(), QStringLiteral("x^3-6x^2"));
    w.Startknopf()->click();
    EXPECT_EQ(ausgabe(), perReturn);
}

TEST_F(HauptFensterTest, BadInputShowsTheMessageAndEmptiesBothFields) {
    const QString abgelehnt[] = {QString(),
                                 QStringLiteral("x^"),
                                 QStringLiteral("äöü€\t\\%"),
                                 QStringLiteral("x^7+1"),
                                 QString(32767, QChar('x')),
                                 QString(32767, QChar('('))};
    for (const QString& e : abgelehnt) {
        SCOPED_TRACE(e.left(20).toStdString());
        meldungen.clear();
        w.EingabeF()->setText(e);
        w.Startknopf()->click();
        ASSERT_FALSE(meldungen.isEmpty());
        EXPECT_EQ(meldungen.last(), QStringLiteral("Bitte Funktionsterm korrekt eingeben"));
        EXPECT_TRUE(w.EingabeF()->text().isEmpty());
        EXPECT_TRUE(ausgabe().isEmpty());
        EXPECT_FALSE(w.state().SkizzeBereit);
    }
    EXPECT_EQ(w.EingabeF()->maxLength(), 32767);
}

// Whatever is typed ends either in a report or in the input message, never in a crash or a hang.
TEST_F(HauptFensterTest, OddInputEndsInAReportOrTheMessage) {
    const QString eingaben[] = {
        QStringLiteral("1e308x^3+x"),         QStringLiteral("2147483647x^5-2147483648"),
        QStringLiteral("x^3 x^3 x^3 +-+- x"), QString(5000, QChar('+')) + "x^3",
        QStringLiteral("x^3\u0000+1"),        QString(16000, QChar('x')) + "^3"};
    antwort = true;
    for (const QString& e : eingaben) {
        SCOPED_TRACE(e.left(20).toStdString());
        meldungen.clear();
        w.EingabeF()->setText(e);
        w.Startknopf()->click();
        EXPECT_TRUE(ausgabe().startsWith(kKopf) ||
                    (!meldungen.isEmpty() &&
                     meldungen.last() == QStringLiteral("Bitte Funktionsterm korrekt eingeben")));
    }
}

struct Beispiel {
    const char* text;
    const char* polynom;
};

// The texts exactly as the example buttons must write them (only example 6 without a leading blank).
constexpr Beispiel kBeispiele[] = {
    {" xxxxx + xxx + x", "x^5 + x^3 + x"},
    {" 3xxxx-36xxx+138xx-180x", "3x^4 - 36x^3 + 138x^2 - 180x"},
    {" 4xxxxx-20xxx", "4x^5 - 20x^3"},
    {" xxxxx-32", "x^5 - 32"},
    {" xxxxx-7xxxx+19xxx-25xx+16x-4", "x^5 - 7x^4 + 19x^3 - 25x^2 + 16x - 4"},
    {"xxxxx-5xxxx+3xxx+17xx-28x+12", "x^5 - 5x^4 + 3x^3 + 17x^2 - 28x + 12"},
    {" xxxxx-9xxxx+23xxx-15xx", "x^5 - 9x^4 + 23x^3 - 15x^2"},
    {" 3xxxx-36xxx+138xx-180x+1", "3x^4 - 36x^3 + 138x^2 - 180x + 1"},
    {" xxxxx-9xxxx+31xxx-51xx+40x-12", "x^5 - 9x^4 + 31x^3 - 51x^2 + 40x - 12"},
};

TEST_F(HauptFensterTest, EachExampleWritesItsTextAndStarts) {
    QStringList geschrieben;
    QObject::connect(w.EingabeF(), &QLineEdit::textChanged, [&](const QString& t) { geschrieben << t; });
    for (int i = 1; i <= 9; ++i) {
        const Beispiel& b = kBeispiele[i - 1];
        SCOPED_TRACE(i);
        geschrieben.clear();
        fragen.clear();
        QPushButton* knopf = w.BeispileKnopf(i);
        EXPECT_EQ(knopf->text(), QString::number(i));
        const QString art =
            i <= 5 ? QStringLiteral("Beispiel fuer eine schuluebliche Kurvenuntersuchung:")
                   : QStringLiteral("Beispiel fuer eine nicht schuluebliche Kurvenuntersuchung:");
        EXPECT_EQ(knopf->toolTip(), art + "\nf(x) = " + QString::fromUtf8(b.polynom));

        knopf->click();
        ASSERT_FALSE(geschrieben.isEmpty());
        EXPECT_EQ(geschrieben.first(), QString::fromUtf8(b.text));
        EXPECT_TRUE(
            ausgabe().startsWith(kKopf + " " + QString::fromUtf8(b.polynom) + " mit schulüblichen Mitteln."))
            << ausgabe().left(120).toStdString();
        if (i <= 5) {
            EXPECT_TRUE(fragen.empty());
            EXPECT_TRUE(w.state().SkizzeBereit);
        } else {
            EXPECT_EQ(fragen.size(), 1U);
            EXPECT_TRUE(ausgabe().endsWith(kHinweis));
            EXPECT_FALSE(w.state().SkizzeBereit);
        }
    }
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(HauptFensterTest, ApproximationQuestionAnsweredBothWays) {
    antwort = false;
    w.BeispileKnopf(6)->click();
    ASSERT_EQ(fragen.size(), 1U);
    EXPECT_EQ(
        fragen[0].message,
        QStringLiteral("Nicht alle auftretenden Gleichungen können mit schulischen Mitteln gelöst werden.") +
            QChar(12) +
            QStringLiteral("Soll mit Hilfe approximativer Methoden eine vollständige "
                           "Kurvenuntersuchung erfolgen?"));
    EXPECT_EQ(fragen[0].action, QStringLiteral("Ja, auch Näherungsverfahren benutzen"));
    EXPECT_EQ(fragen[0].cancel, QStringLiteral("Nein danke"));
    EXPECT_TRUE(ausgabe().endsWith(kHinweis));
    w.ZeichneKnopf()->click();
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Erst Kurve untersuchen")});

    antwort = true;
    w.BeispileKnopf(6)->click();
    EXPECT_EQ(fragen.size(), 2U);
    EXPECT_TRUE(ausgabe().contains(QStringLiteral("Teilmenge der erkannten kritischen Stellen: ")));
    EXPECT_TRUE(ausgabe().contains(QString(107, QChar('_'))));
    EXPECT_FALSE(ausgabe().contains(kHinweis));
    EXPECT_TRUE(w.state().SkizzeBereit);
}

TEST_F(HauptFensterTest, SketchButtonRefusesBeforeACompletedAnalysis) {
    w.ZeichneKnopf()->click();
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Erst Kurve untersuchen")});
    w.EingabeF()->setText(QStringLiteral("x^7"));
    w.Startknopf()->click();
    meldungen.clear();
    w.ZeichneKnopf()->click();
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Erst Kurve untersuchen")});
}

TEST_F(HauptFensterTest, NeuEmptiesBothFieldsAndActivatesExtrasOnlyWithAlt) {
    w.BeispileKnopf(1)->click();
    ASSERT_FALSE(ausgabe().contains(kTangenten));
    w.NeuKnopf()->click();
    EXPECT_TRUE(w.EingabeF()->text().isEmpty());
    EXPECT_TRUE(ausgabe().isEmpty());
    EXPECT_FALSE(w.state().ExtrasAktiviert);
    EXPECT_TRUE(w.ExtraT()->isHidden());
    EXPECT_TRUE(w.AufgB1()->isHidden());

    w.EingabeF()->setText(QStringLiteral("x^3"));
    modifikatoren = Qt::AltModifier;
    w.NeuKnopf()->click();
    EXPECT_TRUE(w.state().ExtrasAktiviert);
    EXPECT_FALSE(w.ExtraT()->isHidden());
    EXPECT_EQ(w.ExtraT()->text(), QStringLiteral("Extras aktiviert"));
    EXPECT_FALSE(w.AufgB1()->isHidden());
    EXPECT_EQ(w.AufgB1()->toolTip(), w.BeispileKnopf(1)->toolTip());
    EXPECT_FALSE(w.interpolB()->isHidden());
    EXPECT_TRUE(w.EingabeF()->text().isEmpty());

    modifikatoren = Qt::NoModifier;
    w.BeispileKnopf(1)->click();
    EXPECT_TRUE(ausgabe().contains(kTangenten));
    w.NeuKnopf()->click(); // the switch stays on
    EXPECT_TRUE(w.state().ExtrasAktiviert);
    EXPECT_FALSE(w.ExtraT()->isHidden());
}

TEST_F(HauptFensterTest, AltWithExampleOneOpensTheStandardTaskOnly) {
    w.EingabeF()->setText(QStringLiteral("x^3+x"));
    modifikatoren = Qt::AltModifier | Qt::ShiftModifier;
    w.BeispileKnopf(1)->click();
    EXPECT_TRUE(aufgF().isVisible());
    EXPECT_EQ(w.EingabeF()->text(), QStringLiteral("x^3+x"));
    EXPECT_TRUE(ausgabe().isEmpty());
    aufgF().hide();

    modifikatoren = Qt::AltModifier;
    w.AufgB1()->click();
    EXPECT_TRUE(aufgF().isVisible());
    aufgF().hide();
}

TEST_F(HauptFensterTest, QuitAsksAndCancelKeepsEverything) {
    w.BeispileKnopf(1)->click();
    const QString bericht = ausgabe();
    const QString term = w.EingabeF()->text();
    antwort = false;
    w.Quitknopf()->click();
    ASSERT_EQ(fragen.size(), 1U);
    EXPECT_EQ(fragen[0].message, QStringLiteral("Beim Beenden gehen alle Daten verloren.") + QChar(12) +
                                     QStringLiteral(" Wirklich Beenden?"));
    EXPECT_EQ(fragen[0].action, QStringLiteral("Programm Beenden"));
    EXPECT_EQ(fragen[0].cancel, QStringLiteral("Im Programm Bleiben"));
    EXPECT_EQ(beendet, 0);
    EXPECT_EQ(ausgabe(), bericht);
    EXPECT_EQ(w.EingabeF()->text(), term);
    EXPECT_TRUE(w.state().SkizzeBereit);

    antwort = true;
    w.Quitknopf()->click();
    EXPECT_EQ(beendet, 1);
}

TEST_F(HauptFensterTest, WindowManagerCloseAsksTheSameQuestion) {
    w.show();
    antwort = false;
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(fragen.size(), 1U);
    EXPECT_EQ(fragen[0].action, QStringLiteral("Programm Beenden"));
    EXPECT_EQ(beendet, 0);

    antwort = true;
    EXPECT_TRUE(w.close());
    EXPECT_EQ(beendet, 1);
}

TEST_F(HauptFensterTest, QuitMenuItemEndsWithoutAsking) {
    auto* menues = qobject_cast<MenuBar1*>(w.menuBar());
    ASSERT_NE(menues, nullptr);
    menues->FileQuit->trigger();
    EXPECT_EQ(beendet, 1);
    EXPECT_TRUE(fragen.empty());
    w.show();
    EXPECT_TRUE(w.close()); // the program is ending: no second question
    EXPECT_TRUE(fragen.empty());
}

TEST_F(HauptFensterTest, MailAndHomepageOpenTheProjectsAddresses) {
    w.MailtoKnopf()->click();
    w.ZurHPKnopf()->click();
    ASSERT_EQ(urls.size(), 2U);
    EXPECT_EQ(urls[0].scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(urls[0].path().contains('@'));
    EXPECT_TRUE(urls[1].scheme().startsWith(QStringLiteral("http")));
    EXPECT_EQ(w.MailtoKnopf()->toolTip(), QStringLiteral("Email an den Entwickler"));
    w.InfoKnopf()->click();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("V0.2")));
    // The info box carries the credit line with the project's mail address.
    EXPECT_TRUE(meldungen[0].contains(QString::fromUtf8(quadrova::config::mail)));
}

TEST_F(HauptFensterTest, ControlsHaveTheirCaptionsPlacesAndSizes) {
    struct Ort {
        QWidget* widget;
        const char* text;
        QRect ort;
    };
    const Ort orte[] = {
        {w.AusgabeF(), "", {4, 100, 1114, 784}},
        {w.Startknopf(), "Verlauf Untersuchen", {604, 3, 163, 36}},
        {w.Quitknopf(), "Beenden", {992, 3, 107, 85}},
        {w.InsKlemmbrettKnopf(), "Beschreibung ins Klemmbrett", {779, 50, 201, 37}},
        {w.InfoKnopf(), "Info", {542, 3, 50, 37}},
        {w.NeuKnopf(), "Neu", {542, 51, 50, 34}},
        {w.MailtoKnopf(), "Fehlerhinweise, Kritik und Anregungen", {844, 892, 272, 26}},
        {w.ZurHPKnopf(), "Zur Homepage des Entwicklers", {622, 892, 209, 26}},
        {w.EingabeF(), "", {84, 50, 439, 36}},
        {w.SaveKnopf(), "Beschreibung Speichern", {604, 51, 165, 37}},
        {w.ZeichneKnopf(), "Zum Kurvenzeichner", {779, 3, 201, 35}},
        {w.ExtraT(), "Extras aktiviert", {4, 3, 112, 20}},
        {w.interpolB(), "Interpolation", {153, 892, 107, 23}},
        {w.AufgB1(), "A1", {20, 892, 35, 26}},
        {w.interpolB1(), "Gl-Löser", {67, 892, 79, 23}},
        {w.BeispileKnopf(1), "1", {327, 892, 35, 26}},
        {w.BeispileKnopf(6), "6", {492, 892, 35, 26}},
        {w.BeispileKnopf(9), "9", {579, 892, 35, 26}},
    };
    for (const Ort& o : orte) {
        SCOPED_TRACE(o.text);
        EXPECT_EQ(o.widget->geometry(), o.ort);
        if (auto* k = qobject_cast<QPushButton*>(o.widget)) {
            EXPECT_EQ(k->text(), QString::fromUtf8(o.text));
        }
        if (auto* l = qobject_cast<QLabel*>(o.widget)) {
            EXPECT_EQ(l->text(), QString::fromUtf8(o.text));
        }
    }
    EXPECT_EQ(w.centralWidget()->size(), QSize(1136, 925));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quadrova"));
    EXPECT_TRUE(w.AusgabeF()->isReadOnly());
    EXPECT_TRUE(QFontInfo(w.AusgabeF()->font()).fixedPitch());
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    // Start2 below the window's lower edge can be neither seen, clicked nor reached by Tab.
    int start2 = 0;
    for (auto* k : w.findChildren<QPushButton*>()) {
        if (k->text() != QStringLiteral("Start2")) continue;
        ++start2;
        EXPECT_TRUE(k->isHidden() && k->focusPolicy() == Qt::NoFocus);
    }
    EXPECT_EQ(start2, 1);
}

TEST_F(HauptFensterTest, SecondaryWindowButtonsShowTheOneInstanceAgain) {
    QWidget* interpolation = &intFenster();
    QWidget* loeser = &gleichungsF();
    w.interpolB()->click();
    w.interpolB1()->click();
    EXPECT_TRUE(interpolation->isVisible());
    EXPECT_TRUE(loeser->isVisible());
    interpolation->hide();
    loeser->hide();
    w.interpolB()->click();
    w.interpolB1()->click();
    EXPECT_EQ(&intFenster(), interpolation);
    EXPECT_EQ(&gleichungsF(), loeser);
    EXPECT_TRUE(interpolation->isVisible() && loeser->isVisible());
    interpolation->hide();
    loeser->hide();
}

} // namespace
