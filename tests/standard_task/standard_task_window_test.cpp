#include "standard_task/standard_task_window.h"

#include "app/dialog_hook.h"
#include "app/window_access.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class AufgabenFensterTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogHook::meldung = [this](QWidget*, const QString& text) {
            meldungen.push_back(text.toStdString());
        };
    }
    void TearDown() override { DialogHook::standard(); }

    void Setze(const char* xA, const char* xB, const char* xP, const char* yP, const char* xE) {
        w.xATF()->setText(xA);
        w.xBTF()->setText(xB);
        w.xPTF()->setText(xP);
        w.yPTF()->setText(yP);
        w.xETF()->setText(xE);
    }
    std::string Ergebnis() const { return w.ErgebnisF()->toPlainText().toStdString(); }

    AufgF w;
    std::vector<std::string> meldungen;
};

TEST_F(AufgabenFensterTest, StartValuesGiveTheTextbookCubic) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Standardaufgabe 1"));
    EXPECT_EQ(w.xATF()->text(), "1");
    EXPECT_EQ(w.xBTF()->text(), "2");
    EXPECT_EQ(w.xPTF()->text(), "0");
    EXPECT_EQ(w.yPTF()->text(), "-4");
    EXPECT_EQ(w.xETF()->text(), "2");
    EXPECT_TRUE(w.PushButton1()->isDefault());
    w.PushButton1()->click();
    EXPECT_EQ(Ergebnis(), "a = 1,     b = -5,     c = 8,     d = -4 .");
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(AufgabenFensterTest, Parabola) {
    Setze("-2", "2", "0", "4", "0");
    w.PushButton1()->click();
    EXPECT_EQ(Ergebnis(), "a = 0,     b = -1,     c = 0,     d = 4 .");
}

TEST_F(AufgabenFensterTest, RefusalsLeaveTheResultAsItWas) {
    w.ErgebnisF()->setPlainText("alt");
    const struct {
        const char* xA;
        const char* xE;
        const char* meldung;
    } faelle[] = {
        {"1", "2", "Systemdeterminante darf nicht null sein"}, // x_A = x_B
        {"2", "99999999999", "Bitte ganze Zahlen im Bereich von -2147483648 bis 2147483647 eingeben"},
    };
    for (const auto& f : faelle) {
        meldungen.clear();
        Setze(f.xA, "1", "0", "-4", f.xE);
        w.PushButton1()->click();
        EXPECT_EQ(meldungen, std::vector<std::string>{f.meldung});
        EXPECT_EQ(Ergebnis(), "alt");
    }
}

TEST_F(AufgabenFensterTest, ReturnEvaluatesAndEscapeHides) {
    w.show();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w.xETF(), &enter);
    EXPECT_EQ(Ergebnis(), "a = 1,     b = -5,     c = 8,     d = -4 .");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w.xATF(), &escape);
    EXPECT_FALSE(w.isVisible());
}

TEST(AufgabenFensterZugang, CloseHidesAndKeepsTheFields) {
    AufgF& fenster = aufgF();
    EXPECT_EQ(&fenster, &aufgF());
    fenster.show();
    fenster.yPTF()->setText("12");
    fenster.ParamAuswB()->click();
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(aufgF().yPTF()->text(), "12");
    aufgF().yPTF()->setText("-4");
}

} // namespace
