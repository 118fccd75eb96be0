#include "sketch/sketch_window.h"

#include "app/dialog_hook.h"
#include "app/main_window.h"
#include "app/window_access.h"
#include "sketch/sketch_renderer.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The drawing surface: replays the picture of the last request whenever the platform repaints,
// so the sketch survives being covered by another window.
class Zeichenflaeche : public QWidget {
public:
    Zeichenflaeche(const QPicture& bild, QWidget* parent) : QWidget(parent), m_bild(bild) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter g(this);
        g.fillRect(rect(), Qt::white);
        g.setRenderHint(QPainter::Antialiasing, true);
        g.drawPicture(0, 0, m_bild);
    }

private:
    const QPicture& m_bild;
};

QPushButton* knopf(QWidget* parent, const QString& text, QRect ort) {
    auto* k = new QPushButton(text, parent);
    k->setGeometry(ort);
    return k;
}

} // namespace

GrafikFenster::GrafikFenster(const quadrova::AnalysisState& st, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint),
      m_st(st) {
    setFixedSize(kBreite, kHoehe);
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    setAutoFillBackground(true);

    m_grafikK1 = knopf(this, QStringLiteral("Kurve Skizzieren"), QRect(20, 5, 123, 45));
    m_canvas = new Zeichenflaeche(m_bild, this);
    m_canvas->setGeometry(20, 62, SketchRenderer::kCanvas.width(), SketchRenderer::kCanvas.height());
    m_backK = knopf(this, QStringLiteral("Zurueck zum Berechnungsprogramm"), QRect(349, 5, 252, 45));
    m_quitK = knopf(this, QStringLiteral("Programm Beenden"), QRect(613, 5, 132, 45));
    m_nurKritischKnopf = new QRadioButton(QStringLiteral("Nur kritische Punkte"), this);
    m_nurKritischKnopf->setGeometry(155, 5, 182, 20);
    m_erweitertKnopf = new QRadioButton(QStringLiteral("Erweitertes Intervall"), this);
    m_erweitertKnopf->setGeometry(155, 30, 182, 20);
    m_erweitertKnopf->setChecked(true);

    connect(m_grafikK1, &QPushButton::clicked, this, &GrafikFenster::KurveZeichnen);
    connect(m_nurKritischKnopf, &QRadioButton::clicked, this, &GrafikFenster::KurveZeichnen);
    connect(m_erweitertKnopf, &QRadioButton::clicked, this, &GrafikFenster::KurveZeichnen);
    connect(m_backK, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_quitK, &QPushButton::clicked, this, &GrafikFenster::QuitK_Action);
}

bool GrafikFenster::erweitert() const {
    return m_erweitertKnopf->isChecked();
}

void GrafikFenster::KurveZeichnen() {
    QPicture bild;
    {
        QPainter g(&bild);
        SketchRenderer(m_st, erweitert()).KurveZeichnen(g);
    }
    m_bild = bild;
    m_canvas->update();
}

void GrafikFenster::QuitK_Action() {
    const QString text = QStringLiteral("Beim Beenden gehen alle Daten verloren.") + QChar(12) +
                         QStringLiteral(" Wirklich Beenden?");
    if (DialogHook::frage(this, text, QStringLiteral("Ja, Programm Beendenl"),
                          QStringLiteral("Im Programm bleiben")))
        hauptFenster().programmBeenden();
}

GrafikFenster& grafikFenster() {
    static GrafikFenster* fenster = [] {
        auto* w = new GrafikFenster(hauptFenster().state());
        fensterBeimEndeLoeschen(w);
        return w;
    }();
    return *fenster;
}
