#include "standard_task/standard_task_window.h"

#include "app/dialog_hook.h"
#include "app/window_access.h"
#include "standard_task/standard_task.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The five input fields with their start values (they describe (x - 1)(x - 2)^2) and labels.
struct Eingabefeld {
    const char* start;
    const char* beschriftung;
    int links, beschriftungLinks;
};
constexpr std::array<Eingabefeld, 5> kFelder{{
    {"1", "x_A", 28, 28},
    {"2", "x_B", 132, 132},
    {"0", "x_P", 246, 239},
    {"-4", "y_P", 361, 361},
    {"2", "x_E", 473, 473},
}};

} // namespace

AufgF::AufgF(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Standardaufgabe 1"));
    resize(600, 356);
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    setAutoFillBackground(true);

    auto* aufgabe =
        new QLabel(QStringLiteral("Eine Parabel höchstens dritter Ordnung verläuft durch den Punkt P, "
                                  "schneidet die x-Achse in den Punkten A und B, und hat bei E ein "
                                  "Extremum. Gegeben sind:  xA, xB, xP, yP und xE."),
                   this);
    aufgabe->setWordWrap(true);
    aufgabe->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    aufgabe->setGeometry(28, 28, 544, 55);

    for (std::size_t i = 0; i < kFelder.size(); ++i) {
        const auto& f = kFelder[i];
        m_felder[i] = new QLineEdit(QString::fromUtf8(f.start), this);
        m_felder[i]->setGeometry(f.links, 102, 80, 22);
        auto* label = new QLabel(QString::fromUtf8(f.beschriftung), this);
        label->setGeometry(f.beschriftungLinks, 136, 80, 24);
    }

    auto* linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setGeometry(20, 165, 560, 1);

    auto* ergebnisText = new QLabel(
        QStringLiteral("Die Koeffizienten der Funktionsgleichung f(x) = ax^3+bx^2+cx+d haben die Werte\n"),
        this);
    ergebnisText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ergebnisText->setGeometry(28, 189, 552, 32);

    m_ergebnisF = new QPlainTextEdit(this);
    m_ergebnisF->setGeometry(28, 212, 536, 47);

    m_pushButton1 = new QPushButton(QStringLiteral("Eingabeparameter auswerten"), this);
    m_pushButton1->setGeometry(28, 291, 270, 20);
    m_pushButton1->setDefault(true);
    m_paramAuswB = new QPushButton(QStringLiteral("Fenster schließen"), this);
    m_paramAuswB->setGeometry(310, 291, 270, 20);

    connect(m_pushButton1, &QPushButton::clicked, this, &AufgF::PushButton1_Action);
    connect(m_paramAuswB, &QPushButton::clicked, this, &AufgF::ParamAuswB_Action);
}

void AufgF::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_pushButton1->click();
        return;
    case Qt::Key_Escape:
        m_paramAuswB->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void AufgF::ParamAuswB_Action() {
    hide();
}

void AufgF::PushButton1_Action() {
    BerAufg1();
}

void AufgF::BerAufg1() {
    const auto text = [](const QLineEdit* f) { return f->text().toStdString(); };
    const auto ergebnis =
        quadrova::BerAufg1({text(xATF()), text(xBTF()), text(xPTF()), text(yPTF()), text(xETF())});
    if (!ergebnis.meldung.empty()) {
        DialogHook::meldung(this, QString::fromStdString(ergebnis.meldung));
        return;
    }
    m_ergebnisF->setPlainText(QString::fromStdString(ergebnis.text));
}

AufgF& aufgF() {
    static AufgF* fenster = [] {
        auto* w = new AufgF;
        fensterBeimEndeLoeschen(w);
        return w;
    }();
    return *fenster;
}
