#include "equation_solver/equation_solver_window.h"

#include "app/dialog_hook.h"
#include "app/window_access.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Fields x2F ... x9F and the labels right of them ("x^2 + " ... "x^9 + ").
struct Potenzplatz {
    int feldLinks, feldOben, feldBreite, textLinks, textBreite;
};
constexpr std::array<Potenzplatz, 8> kPotenzen{{
    {162, 70, 45, 210, 41},
    {251, 71, 47, 303, 41},
    {344, 71, 47, 392, 41},
    {434, 72, 45, 483, 44},
    {524, 72, 47, 572, 41},
    {615, 72, 47, 664, 41},
    {708, 72, 47, 758, 41},
    {804, 72, 47, 855, 41},
}};

QPushButton* Knopf(QWidget* eltern, const QString& text, int links, int oben, int breite) {
    auto* k = new QPushButton(text, eltern);
    k->setGeometry(links, oben, breite, 22);
    return k;
}

QLabel* Text(QWidget* eltern, const QString& text, int links, int oben, int breite) {
    auto* l = new QLabel(text, eltern);
    l->setGeometry(links, oben, breite, 20);
    return l;
}

QLineEdit* Feld(QWidget* eltern, int links, int oben, int breite) {
    auto* f = new QLineEdit(eltern);
    f->setGeometry(links, oben, breite, 22);
    return f;
}

} // namespace

GleichungsF::GleichungsF(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Gleichungs-Löser"));
    resize(1044, 362);
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    setAutoFillBackground(true);

    Text(this, QStringLiteral("Lösung der Gleichung "), 32, 28, 150);
    m_quitB1 = Knopf(this, QStringLiteral("Neue Gleichung"), 288, 28, 134);
    m_berechneB1 = Knopf(this, QStringLiteral("Gleichung Einlesen"), 708, 28, 137);
    m_einleseB = Knopf(this, QStringLiteral("Lösungen Berechnen"), 860, 28, 164);
    m_einleseB->setEnabled(false);

    m_xF[0] = Feld(this, 32, 72, 41);
    Text(this, QStringLiteral("+"), 74, 73, 16);
    m_xF[1] = Feld(this, 85, 71, 47);
    Text(this, QStringLiteral("x + "), 137, 73, 23);
    for (std::size_t p = 0; p < kPotenzen.size(); ++p) {
        const auto& platz = kPotenzen[p];
        m_xF[p + 2] = Feld(this, platz.feldLinks, platz.feldOben, platz.feldBreite);
        Text(this, QStringLiteral("x^%1 + ").arg(p + 2), platz.textLinks, 73, platz.textBreite);
    }
    m_xF[10] = Feld(this, 901, 72, 45);
    Text(this, QStringLiteral("x^10 = 0"), 951, 73, 73);

    m_ausgabeF = new QPlainTextEdit(this);
    m_ausgabeF->setGeometry(31, 118, 993, 197);
    m_ausgabeF->setReadOnly(true);
    m_ausgabeF->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette gelb = m_ausgabeF->palette();
    gelb.setColor(QPalette::Base, QColor(255, 255, 204));
    m_ausgabeF->setPalette(gelb);

    m_quitB = Knopf(this, QStringLiteral("Fenster schließen"), 861, 320, 164);

    for (auto* f : m_xF) connect(f, &QLineEdit::textChanged, this, &GleichungsF::xF_TextChange);
    connect(m_einleseB, &QPushButton::clicked, this, &GleichungsF::EinleseB_Action);
    connect(m_berechneB1, &QPushButton::clicked, this, &GleichungsF::BerechneB1_Action);
    connect(m_quitB, &QPushButton::clicked, this, &GleichungsF::QuitB_Action);
    connect(m_quitB1, &QPushButton::clicked, this, &GleichungsF::QuitB1_Action);
}

// A changed equation has to be read again before it can be solved.
void GleichungsF::xF_TextChange() {
    m_einleseB->setEnabled(false);
}

void GleichungsF::EinleseB_Action() {
    m_loeser.Ableiten();
    m_loeser.NullstellenBerechnen();
    const QString gleichung = GleichungAusgeben();
    // The engine's answer repeats the equation; it is taken whole once the equation printed.
    if (!gleichung.isNull()) m_ausgabeF->setPlainText(qs(m_loeser.Antwort()));
}

void GleichungsF::BerechneB1_Action() {
    Init();
    if (!GleichungEinlesen()) return;
    const QString gleichung = GleichungAusgeben();
    if (gleichung.isNull()) return;
    m_ausgabeF->setPlainText(qs(m_loeser.leer[1]) + QStringLiteral("Eingegebene Gleichung:   ") + gleichung);
}

void GleichungsF::QuitB_Action() {
    hide();
}

void GleichungsF::QuitB1_Action() {
    const bool loeschen = DialogHook::frage(this, QStringLiteral(" Wirklich alle Koeffizienten löschen ? "),
                                            QStringLiteral("Alte Koeffizienten Löschen l"),
                                            QStringLiteral("Koeffizienten Behalten"));
    if (!loeschen) return;
    for (auto* f : m_xF) f->clear();
}

void GleichungsF::Init() {
    m_einleseB->setEnabled(false);
    m_loeser.Init();
}

bool GleichungsF::GleichungEinlesen() {
    quadrova::KoeffTexte texte;
    Einlesen(texte);
    const quadrova::Lesung lesung = m_loeser.GleichungEinlesen(texte);
    Einsetzen(texte);
    if (lesung == quadrova::Lesung::Ok) {
        m_einleseB->setEnabled(true);
        return true;
    }
    m_einleseB->setEnabled(false);
    DialogHook::meldung(this, lesung == quadrova::Lesung::ZuGross
                                  ? QStringLiteral("Die Koeffizienten sind zu groß.")
                                  : QStringLiteral("Bitte eine Gleichung mindestens ersten Grades eingeben"));
    return false;
}

void GleichungsF::Einlesen(quadrova::KoeffTexte& texte) const {
    for (std::size_t i = 0; i < texte.size(); ++i) texte[i] = m_xF[i]->text().toStdString();
}

void GleichungsF::Einsetzen(const quadrova::KoeffTexte& texte) {
    for (std::size_t i = 0; i < texte.size(); ++i) m_xF[i]->setText(qs(texte[i]));
}

// The equation as text; a null string (after the message) when it has no non-zero coefficient.
QString GleichungsF::GleichungAusgeben() {
    const auto text = m_loeser.GleichungAusgeben();
    if (text) return qs(*text);
    DialogHook::meldung(this, QStringLiteral("Schwerer Fehler"));
    return {};
}

GleichungsF& gleichungsF() {
    static GleichungsF* fenster = [] {
        auto* w = new GleichungsF;
        fensterBeimEndeLoeschen(w);
        return w;
    }();
    return *fenster;
}
