#include "app/main_window.h"

#include "app/dialog_hook.h"
#include "app/menus.h"
#include "app/window_access.h"
#include "core/build_config.h"
#include "equation_solver/equation_solver_window.h"
#include "interpolation/interpolation_window.h"
#include "report/analysis_driver.h"
#include "report/approximation.h"
#include "sketch/sketch_mapping.h"
#include "sketch/sketch_window.h"
#include "standard_task/standard_task_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>

namespace {

struct Beispiel {
    const char* text; // written into EingabeF
    const char* tag;  // the polynomial in the help tag
};

constexpr std::array<Beispiel, HauptFenster::kBeispiele> kBeispielTabelle{{
    {" xxxxx + xxx + x", "x^5 + x^3 + x"},
    {" 3xxxx-36xxx+138xx-180x", "3x^4 - 36x^3 + 138x^2 - 180x"},
    {" 4xxxxx-20xxx", "4x^5 - 20x^3"},
    {" xxxxx-32", "x^5 - 32"},
    {" xxxxx-7xxxx+19xxx-25xx+16x-4", "x^5 - 7x^4 + 19x^3 - 25x^2 + 16x - 4"},
    {"xxxxx-5xxxx+3xxx+17xx-28x+12", "x^5 - 5x^4 + 3x^3 + 17x^2 - 28x + 12"},
    {" xxxxx-9xxxx+23xxx-15xx", "x^5 - 9x^4 + 23x^3 - 15x^2"},
    {" 3xxxx-36xxx+138xx-180x+1", "3x^4 - 36x^3 + 138x^2 - 180x + 1"},
    {" xxxxx-9xxxx+31xxx-51xx+40x-12", "x^5 - 9x^4 + 31x^3 - 51x^2 + 40x - 12"},
}};
constexpr std::array<int, HauptFenster::kBeispiele> kBeispielLinks{327, 356, 385, 414, 443,
                                                                   492, 521, 550, 579};
constexpr int kSchulueblich = 5; // examples 1..5 can be solved by school methods

QString qs(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string utf8(const QString& s) {
    return s.toUtf8().toStdString();
}

QPushButton* knopf(QWidget* parent, const char* text, QRect ort) {
    auto* k = new QPushButton(QString::fromUtf8(text), parent);
    k->setGeometry(ort);
    return k;
}

QLabel* beschriftung(QWidget* parent, const char* text, QRect ort, bool fett, bool zentriert) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setGeometry(ort);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    if (zentriert) l->setAlignment(Qt::AlignCenter);
    return l;
}

// "Courier" where the system has it, otherwise the system's fixed-pitch font: the report's table
// cells only line up in a fixed-pitch font.
QFont berichtsschrift() {
    QFont fest = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontDatabase::families().contains(QStringLiteral("Courier"))) {
        QFont courier(QStringLiteral("Courier"));
        courier.setPointSizeF(fest.pointSizeF());
        courier.setStyleHint(QFont::TypeWriter);
        courier.setFixedPitch(true);
        return courier;
    }
    return fest;
}

} // namespace

QString HauptFenster::beispielText(int i) {
    return QString::fromUtf8(kBeispielTabelle.at(static_cast<std::size_t>(i - 1)).text);
}

QString HauptFenster::beispielTag(int i) {
    const char* art = i <= kSchulueblich ? "Beispiel fuer eine schuluebliche Kurvenuntersuchung:"
                                         : "Beispiel fuer eine nicht schuluebliche Kurvenuntersuchung:";
    return QString::fromUtf8(art) + QChar('\n') + QStringLiteral("f(x) = ") +
           QString::fromUtf8(kBeispielTabelle.at(static_cast<std::size_t>(i - 1)).tag);
}

HauptFenster::HauptFenster(QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint) {
    setWindowTitle(QStringLiteral("Quadrova"));
    baueMenues();
    baueSteuerelemente();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    DialogHook::tastenBeobachten();
}

void HauptFenster::baueMenues() {
    setMenuBar(new MenuBar1([this] { programmBeenden(); }, this));
}

void HauptFenster::baueSteuerelemente() {
    auto* flaeche = new QWidget(this);
    flaeche->setFixedSize(kBreite, kHoehe);
    QPalette weiss = flaeche->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    flaeche->setPalette(weiss);
    flaeche->setAutoFillBackground(true);
    setCentralWidget(flaeche);

    m_ausgabeF = new QPlainTextEdit(flaeche);
    m_ausgabeF->setGeometry(4, 100, 1114, 784);
    m_ausgabeF->setReadOnly(true);
    m_ausgabeF->setFont(berichtsschrift());
    m_ausgabeF->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_ausgabeF->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ausgabeF->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette schwarzAufWeiss = m_ausgabeF->palette();
    schwarzAufWeiss.setColor(QPalette::Base, Qt::white);
    schwarzAufWeiss.setColor(QPalette::Text, Qt::black);
    m_ausgabeF->setPalette(schwarzAufWeiss);

    m_startknopf = knopf(flaeche, "Verlauf Untersuchen", {604, 3, 163, 36});
    beschriftung(flaeche, "f(x) = ", {22, 50, 53, 36}, false, false);
    m_quitknopf = knopf(flaeche, "Beenden", {992, 3, 107, 85});
    m_klemmbrettKnopf = knopf(flaeche, "Beschreibung ins Klemmbrett", {779, 50, 201, 37});
    beschriftung(flaeche, "Kurvenuntersuchung: Polynome 3. bis 5. Grades,", {84, 3, 439, 23}, true, true);
    m_infoKnopf = knopf(flaeche, "Info", {542, 3, 50, 37});
    m_neuKnopf = knopf(flaeche, "Neu", {542, 51, 50, 34});
    m_mailtoKnopf = knopf(flaeche, "Fehlerhinweise, Kritik und Anregungen", {844, 892, 272, 26});
    m_mailtoKnopf->setToolTip(QStringLiteral("Email an den Entwickler"));
    // Lies below the window's lower edge in the layout and stays out of reach (hidden, no focus).
    m_bevelButton7 = knopf(flaeche, "Start2", {791, 1683, 308, 37});
    m_bevelButton7->setFocusPolicy(Qt::NoFocus);
    m_bevelButton7->hide();
    m_zurHPKnopf = knopf(flaeche, "Zur Homepage des Entwicklers", {622, 892, 209, 26});

    m_eingabeF = new QLineEdit(flaeche);
    m_eingabeF->setGeometry(84, 50, 439, 36);
    m_eingabeF->setMaxLength(32767);

    beschriftung(flaeche, "Beispiele:", {264, 892, 61, 26}, false, true);
    for (int i = 1; i <= kBeispiele; ++i) {
        const auto idx = static_cast<std::size_t>(i - 1);
        QPushButton* b = knopf(flaeche, std::to_string(i).c_str(), {kBeispielLinks.at(idx), 892, 35, 26});
        b->setToolTip(beispielTag(i));
        m_beispiele.at(idx) = b;
        connect(b, &QPushButton::clicked, this, [this, i] { BeispileKnopf_Action(i); });
    }
    auto* linie = new QFrame(flaeche);
    linie->setGeometry(484, 892, 1, 26);
    linie->setStyleSheet(QStringLiteral("background-color: black;"));

    m_saveKnopf = knopf(flaeche, "Beschreibung Speichern", {604, 51, 165, 37});
    m_zeichneKnopf = knopf(flaeche, "Zum Kurvenzeichner", {779, 3, 201, 35});
    beschriftung(flaeche, "deren Koeffizienten alle ganzzahlig sind", {84, 25, 439, 20}, true, true);
    m_extraT = beschriftung(flaeche, "Extras aktiviert", {4, 3, 112, 20}, true, false);
    m_extraT->hide();
    m_interpolB = knopf(flaeche, "Interpolation", {153, 892, 107, 23});
    m_aufgB1 = knopf(flaeche, "A1", {20, 892, 35, 26});
    m_aufgB1->setToolTip(beispielTag(1));
    m_aufgB1->hide();
    m_interpolB1 = knopf(flaeche, "Gl-Löser", {67, 892, 79, 23});

    connect(m_startknopf, &QPushButton::clicked, this, &HauptFenster::Startknopf_Action);
    connect(m_eingabeF, &QLineEdit::returnPressed, this, &HauptFenster::starteAnalyse);
    connect(m_neuKnopf, &QPushButton::clicked, this, &HauptFenster::NeuKnopf_Action);
    connect(m_infoKnopf, &QPushButton::clicked, this, &HauptFenster::InfoKnopf_Action);
    connect(m_quitknopf, &QPushButton::clicked, this, &HauptFenster::Quitknopf_Action);
    connect(m_klemmbrettKnopf, &QPushButton::clicked, this, &HauptFenster::InsKlemmbrettKnopf_Action);
    connect(m_saveKnopf, &QPushButton::clicked, this, &HauptFenster::SaveKnopf_Action);
    connect(m_zeichneKnopf, &QPushButton::clicked, this, &HauptFenster::ZeichneKnopf_Action);
    m_zeichneKnopf->installEventFilter(this);
    connect(m_bevelButton7, &QPushButton::clicked, this, &HauptFenster::BevelButton7_Action);
    connect(m_mailtoKnopf, &QPushButton::clicked, this, [] {
        DialogHook::oeffneUrl(QUrl(QStringLiteral("mailto:") + QString::fromUtf8(quadrova::config::mail)));
    });
    connect(m_zurHPKnopf, &QPushButton::clicked, this,
            [] { DialogHook::oeffneUrl(QUrl(QString::fromUtf8(quadrova::config::homepage))); });
    connect(m_interpolB, &QPushButton::clicked, this, [] { intFenster().show(); });
    connect(m_interpolB1, &QPushButton::clicked, this, [] { gleichungsF().show(); });
    connect(m_aufgB1, &QPushButton::clicked, this, [] { aufgF().show(); });
}

std::string HauptFenster::eingabeText() const {
    return utf8(m_eingabeF->text());
}
void HauptFenster::setEingabeText(const std::string& text) {
    m_eingabeF->setText(qs(text));
}
std::string HauptFenster::ausgabeText() const {
    return utf8(m_ausgabeF->toPlainText());
}
void HauptFenster::setAusgabeText(const std::string& text) {
    m_ausgabeF->setPlainText(qs(text));
}
void HauptFenster::meldung(const std::string& text) {
    DialogHook::meldung(this, qs(text));
}

bool HauptFenster::frage(const std::string& message, const std::string& action, const std::string& cancel) {
    return DialogHook::frage(this, qs(message), qs(action), qs(cancel));
}

void HauptFenster::starteAnalyse() {
    quadrova::Start(m_state, *this);
}

double HauptFenster::xBild(double x) const {
    return quadrova::xBild(quadrova::SketchAnsicht(m_state, grafikFenster().erweitert()), x);
}

double HauptFenster::yBild(double y) const {
    return quadrova::yBild(quadrova::SketchAnsicht(m_state, grafikFenster().erweitert()), y);
}

void HauptFenster::extrasAktivieren() {
    m_state.ExtrasAktiviert = true;
    m_extraT->show();
    m_interpolB->show();
    m_aufgB1->show();
}

void HauptFenster::programmBeenden() {
    m_beendet = true;
    DialogHook::programmEnde();
}

void HauptFenster::Startknopf_Action() {
    starteAnalyse();
}

void HauptFenster::BeispileKnopf_Action(int i) {
    if (i == 1 && DialogHook::modifikatoren().testFlag(Qt::AltModifier)) {
        aufgF().show();
        return;
    }
    m_eingabeF->setText(beispielText(i));
    starteAnalyse();
}

void HauptFenster::NeuKnopf_Action() {
    if (DialogHook::modifikatoren().testFlag(Qt::AltModifier)) extrasAktivieren();
    m_eingabeF->clear();
    m_ausgabeF->clear();
    m_eingabeF->setFocus();
}

void HauptFenster::InfoKnopf_Action() {
    DialogHook::meldung(this, QStringLiteral("Quadrova ") + QString::fromUtf8(quadrova::config::version) +
                                  QStringLiteral("\nKurvenuntersuchung von Polynomen 3. bis 5. Grades "
                                                 "mit schulüblichen Mitteln\n\n"
                                                 "Entwickelt vom Quadrova-Projekt\n"
                                                 "E-Mail: ") +
                                  QString::fromUtf8(quadrova::config::mail) + QChar('\n') +
                                  QString::fromUtf8(quadrova::config::homepage));
}

bool HauptFenster::beendenBestaetigt() {
    const QString text = QStringLiteral("Beim Beenden gehen alle Daten verloren.") + QChar(12) +
                         QStringLiteral(" Wirklich Beenden?");
    return DialogHook::frage(this, text, QStringLiteral("Programm Beenden"),
                             QStringLiteral("Im Programm Bleiben"));
}

void HauptFenster::Quitknopf_Action() {
    if (beendenBestaetigt()) programmBeenden();
}

// The window asks for no close box, but a window manager may offer one anyway: it must not end
// the program without the same question as "Beenden".
void HauptFenster::closeEvent(QCloseEvent* event) {
    if (m_beendet) {
        event->accept();
        return;
    }
    if (beendenBestaetigt()) {
        event->accept();
        programmBeenden();
    } else {
        event->ignore();
    }
}

void HauptFenster::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) m_eingabeF->setFocus();
    QMainWindow::changeEvent(event);
}

bool HauptFenster::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_zeichneKnopf && event->type() == QEvent::FocusIn) ZeichneKnopf_GotFocus();
    return QMainWindow::eventFilter(watched, event);
}

void HauptFenster::InsKlemmbrettKnopf_Action() {
    QGuiApplication::clipboard()->setText(m_ausgabeF->toPlainText());
}

void HauptFenster::SaveKnopf_Action() {
    const QString text = m_ausgabeF->toPlainText();
    if (!text.isEmpty()) Speichern(text);
}

void HauptFenster::Speichern(const QString& s) {
    const QString pfad = DialogHook::speicherDatei(this, QStringLiteral("Polynomdaten"));
    if (pfad.isEmpty()) return;
    // QSaveFile writes beside the target and renames only after a complete write, so a failure
    // never leaves a half-written or emptied file behind.
    QSaveFile datei(pfad);
    QString grund;
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        grund = datei.errorString();
    } else {
        // Unbuffered, so that a short write (disk full) shows up here and not as a silently
        // shortened file at commit; writing the rest again makes the system state its reason.
        const QByteArray inhalt = s.toUtf8() + '\n';
        qint64 geschrieben = 0;
        while (geschrieben < inhalt.size()) {
            const qint64 n = datei.write(inhalt.constData() + geschrieben, inhalt.size() - geschrieben);
            if (n <= 0) break;
            geschrieben += n;
        }
        if (geschrieben < inhalt.size()) {
            grund = datei.errorString();
            datei.cancelWriting();
            datei.commit(); // only removes the temporary file
        } else if (!datei.commit()) {
            grund = datei.errorString();
        }
    }
    if (!grund.isEmpty())
        DialogHook::meldung(this, QStringLiteral("Die Datei konnte nicht gespeichert werden: ") + grund);
}

void HauptFenster::ZeichneKnopf_Action() {
    if (!m_state.SkizzeBereit) {
        DialogHook::meldung(this, QStringLiteral("Erst Kurve untersuchen"));
        return;
    }
    GrafikFenster& skizze = grafikFenster();
    skizze.show();
    skizze.raise();
    skizze.KurveZeichnen();
}

// Space held while the button takes the focus draws at once; only a completed analysis has
// usable ranges.
void HauptFenster::ZeichneKnopf_GotFocus() {
    if (DialogHook::leertasteGedrueckt() && m_state.SkizzeBereit) grafikFenster().KurveZeichnen();
}

void HauptFenster::BevelButton7_Action() {
    quadrova::Start2(m_state, *this);
}

HauptFenster& hauptFenster() {
    static HauptFenster* fenster = [] {
        auto* w = new HauptFenster;
        fensterBeimEndeLoeschen(w);
        return w;
    }();
    return *fenster;
}
