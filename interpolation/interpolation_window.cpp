#include "interpolation/interpolation_window.h"

#include "app/dialog_hook.h"
#include "app/main_window.h"
#include "app/window_access.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace {

namespace ip = quadrova::interpolation;

constexpr int kBreite = 754;
constexpr int kHoehe = 567;
const QColor kEingabeFarbe(204, 255, 204); // fields the user types into
const QColor kAusgabeFarbe(Qt::white);     // fields the program writes

// Coefficient fields: x^0 ... x^4 in the upper row, x^5 ... x^9 below with the same columns.
constexpr std::array<int, 5> kKoeffLinks{48, 150, 250, 343, 439};
constexpr std::array<int, 5> kKoeffBreiten{100, 98, 94, 94, 96};

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QLineEdit* feld(QWidget* eltern, const QRect& ort, const QColor& farbe, const QString& text = {}) {
    auto* f = new QLineEdit(text, eltern);
    f->setGeometry(ort);
    QPalette p = f->palette();
    p.setColor(QPalette::Base, farbe);
    f->setPalette(p);
    return f;
}

QLabel* beschriftung(QWidget* eltern, const QString& text, const QRect& ort) {
    auto* l = new QLabel(text, eltern);
    l->setGeometry(ort);
    return l;
}

QPushButton* knopf(QWidget* eltern, const QString& text, const QRect& ort, bool fett) {
    auto* k = new QPushButton(text, eltern);
    k->setGeometry(ort);
    if (fett) {
        QFont f = k->font();
        f.setBold(true);
        k->setFont(f);
    }
    return k;
}

void trennlinie(QWidget* eltern, const QRect& ort) {
    auto* linie = new QFrame(eltern);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(ort);
}

ip::TextFelder texte(const std::array<QLineEdit*, ip::kMaxPunkte>& felder) {
    ip::TextFelder t;
    for (std::size_t i = 0; i < felder.size(); ++i) t[i] = felder[i]->text().toStdString();
    return t;
}

} // namespace

IntFenster::IntFenster(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Interpolationspolynom"));
    resize(kBreite, kHoehe);
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    setAutoFillBackground(true);

    baueSteuerelemente();

    connect(m_sstellen, &QLineEdit::textChanged, this, &IntFenster::sstellen_TextChange);
    connect(m_pushButton1, &QPushButton::clicked, this, [this] { berechnen(false); });
    connect(m_pushButton2, &QPushButton::clicked, this, [this] { berechnen(true); });
    connect(m_exportB, &QPushButton::clicked, this, &IntFenster::ExportB_Action);
    connect(m_bevelButton3, &QPushButton::clicked, this, &IntFenster::BevelButton3_Action);

    // sstellen_Open: the window opens with two points.
    m_sstellen->setText(QStringLiteral("2"));
}

void IntFenster::baueSteuerelemente() {
    beschriftung(this, QStringLiteral("Anzahl der Stuetzstellen:"), {48, 50, 165, 27});
    m_sstellen = feld(this, {219, 50, 41, 27}, kEingabeFarbe, QStringLiteral("4"));

    beschriftung(this, QStringLiteral("x"), {60, 89, 25, 22});
    beschriftung(this, QStringLiteral("y"), {60, 113, 25, 22});
    const std::array<const char*, 4> startwerte{"1", "2", "3", "4"};
    for (int i = 0; i < kFelder; ++i) {
        const QString text = i < 4 ? QString::fromLatin1(startwerte[idx(i)]) : QString();
        m_xF[idx(i)] = feld(this, {97 + 59 * i, 89, 47, 22}, kEingabeFarbe, text);
        m_yF[idx(i)] = feld(this, {97 + 59 * i, 113, 47, 22}, kEingabeFarbe);
    }
    trennlinie(this, {33, 156, 642, 5});

    // Argument slots 0 ... 4 in the first row (slot 0 fixed at 0), 5 ... 9 in the second.
    beschriftung(this, QStringLiteral("Funktionswerte des Interpolationspolynoms"), {48, 189, 285, 20});
    for (int zeile = 0; zeile < 2; ++zeile) {
        const int oben = zeile == 0 ? 221 : 293;
        beschriftung(this, QStringLiteral("x"), {60, oben, 25, 22});
        beschriftung(this, QStringLiteral("y"), {60, oben + 24, 25, 22});
        for (int j = 0; j < 5; ++j) {
            const int slot = 5 * zeile + j;
            const int links = 97 + 59 * j;
            const bool fest = slot == 0;
            m_argF[idx(slot)] = feld(this, {links, oben, 59, 22}, fest ? kAusgabeFarbe : kEingabeFarbe,
                                     fest ? QStringLiteral("0") : QString());
            m_argF[idx(slot)]->setReadOnly(fest);
            m_wertF[idx(slot)] = feld(this, {links, oben + 24, 59, 22}, kAusgabeFarbe);
            m_wertF[idx(slot)]->setReadOnly(zeile == 0);
        }
    }
    trennlinie(this, {33, 372, 642, 2});

    // The caption ends in a line break; top-aligned, its text line stays inside the 20-pixel label
    // instead of being centred with the empty second line and cut off at the top.
    m_staticText3 =
        beschriftung(this, QStringLiteral("Koeffizienten des Interpolationspolynoms\n"), {48, 386, 282, 20});
    m_staticText3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int k = 0; k < kFelder; ++k) {
        const int spalte = k % 5;
        const int oben = k < 5 ? 418 : 502;
        const int links = kKoeffLinks[idx(spalte)];
        const int breite = kKoeffBreiten[idx(spalte)];
        m_KF[idx(k)] = feld(this, {links, oben, breite, 22}, kAusgabeFarbe);
        m_KF[idx(k)]->setReadOnly(true);
        m_xS[idx(k)] =
            beschriftung(this, QStringLiteral("x^%1").arg(k), {links, k < 5 ? 441 : 527, breite, 20});
    }

    m_pushButton1 = knopf(this, QStringLiteral("Berechnen"), {465, 221, 217, 46}, false);
    m_pushButton2 = knopf(this, QStringLiteral("Berechnen und ggf. Strecken"), {465, 289, 217, 50}, false);
    m_streckanzeige = beschriftung(this, QString(), {465, 351, 210, 23});
    m_streckanzeige->hide();
    m_exportB = knopf(this, QStringLiteral("Kurvenuntersuchung"), {557, 397, 155, 43}, true);
    m_exportB->hide();
    m_bevelButton3 = knopf(this, QStringLiteral("Fenster schließen"), {557, 473, 155, 64}, true);
}

void IntFenster::sstellen_TextChange() {
    const ip::Anzahl anzahl = ip::StuetzstellenAnzahl(m_sstellen->text().toStdString());
    m_daten.n = anzahl.n;
    // Setting the text changes it again; "10" then reads as 10 and leaves it alone.
    if (anzahl.zuGross) m_sstellen->setText(QStringLiteral("10"));
    for (int k = 0; k < kFelder; ++k) {
        const bool sichtbar = k < 2 || m_daten.n > k;
        m_xF[idx(k)]->setVisible(sichtbar);
        m_yF[idx(k)]->setVisible(sichtbar);
    }
}

void IntFenster::berechnen(bool strecken) {
    m_daten.Strecken = strecken;
    m_streckanzeige->hide();
    m_exportB->hide();
    Interpolation();
}

void IntFenster::ExportB_Action() {
    Polynomexport();
}

void IntFenster::BevelButton3_Action() {
    if (DialogHook::frage(this, QStringLiteral("Wirklich dieses Fenster schließen? "),
                          QStringLiteral("Ja, Fenster Schließen"),
                          QStringLiteral("Nein, Interpolationsfenster noch offen Lassen"))) {
        hide();
    }
}

void IntFenster::closeEvent(QCloseEvent* event) {
    m_exportB->hide();
    QWidget::closeEvent(event);
}

void IntFenster::Interpolation() {
    const ip::Eingaben eingaben{texte(m_xF), texte(m_yF), texte(m_argF)};
    const auto anzeige = ip::Interpolation(m_daten, eingaben);
    if (!anzeige) {
        DialogHook::meldung(this, qs(std::string(ip::kMeldungGleicheStuetzstellen)));
        return;
    }
    Entbirg();
    for (int i = 0; i < kFelder; ++i) m_wertF[idx(i)]->setText(qs(anzeige->werte[idx(i)]));
    for (int k = 0; k < kFelder; ++k) m_KF[idx(k)]->setText(qs(anzeige->koeffizienten[idx(k)]));
    if (!anzeige->streckanzeige.empty()) {
        m_streckanzeige->setText(qs(anzeige->streckanzeige));
        m_streckanzeige->show();
    }
    if (anzeige->exportMoeglich) m_exportB->show();
    for (int k = kFelder - 1; k > anzeige->sichtbarBis; --k) Verbirg(k);
}

void IntFenster::Entbirg() {
    for (int k = 1; k < kFelder; ++k) {
        m_KF[idx(k)]->show();
        m_xS[idx(k)]->show();
    }
}

void IntFenster::Verbirg(int k) {
    if (k < 1 || k >= kFelder) return;
    m_KF[idx(k)]->hide();
    m_xS[idx(k)]->hide();
}

void IntFenster::Polynomexport() {
    HauptFenster& haupt = hauptFenster();
    haupt.setEingabeText(ip::ExportTerm(m_daten.pkoeff));
    hide();
    m_exportB->hide();
    haupt.raise();
    haupt.activateWindow();
    haupt.starteAnalyse();
}

IntFenster& intFenster() {
    static IntFenster* fenster = [] {
        auto* w = new IntFenster;
        fensterBeimEndeLoeschen(w);
        return w;
    }();
    return *fenster;
}
