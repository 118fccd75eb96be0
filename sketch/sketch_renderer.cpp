#include "sketch/sketch_renderer.h"

#include "core/calculus.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

using quadrova::Pixel;

namespace {

constexpr int kPunktgroesse = 6;
constexpr int kSchriftgroesse = 18;

QPen stift(QColor farbe, int breite) {
    QPen p(farbe);
    p.setWidth(breite);
    return p;
}

} // namespace

SketchRenderer::SketchRenderer(const quadrova::AnalysisState& st, bool erweitert)
    : m_st(st), m_erweitert(erweitert), m_view(quadrova::SketchAnsicht(st, erweitert)) {}

void SketchRenderer::KurveZeichnen(QPainter& g) const {
    g.fillRect(QRect(QPoint(0, 0), kCanvas), Qt::white);
    if (!quadrova::Zeichenbar(m_view)) return;
    g.setRenderHint(QPainter::Antialiasing, true);
    // Integer canvas points at pixel centres: a 1-pixel line then covers exactly one pixel row or
    // column instead of two half-tinted ones.
    g.save();
    g.translate(0.5, 0.5);

    g.setPen(stift(Qt::black, 1));
    Achsenzeichnen(g);

    g.setPen(stift(QColor(0, 0, 255), 2));
    const double h = (m_view.right - m_view.left) / kSegmente;
    auto punkt = [this](double x) {
        return QPoint(Pixel(quadrova::xBild(m_view, x)),
                      Pixel(quadrova::yBild(m_view, quadrova::fn(m_st, 0, x))));
    };
    for (int i = 0; i <= kSegmente; ++i) {
        const double x1 = m_view.left + h * i;
        const double x2 = x1 + h;
        g.drawLine(punkt(x1), punkt(x2));
    }

    DrawKritPunkte(g);
    g.restore();
}

void SketchRenderer::Achsenzeichnen(QPainter& g) const {
    const int x0 = Pixel(quadrova::xBild(m_view, 0));
    const int y0 = Pixel(quadrova::yBild(m_view, 0));
    const int xr = Pixel(quadrova::xBild(m_view, m_view.right) + 10);
    const int yt = Pixel(quadrova::yBild(m_view, m_view.top) - 10);

    g.drawLine(x0, Pixel(quadrova::yBild(m_view, m_view.bottom)), x0, yt);
    g.drawLine(Pixel(quadrova::xBild(m_view, m_view.left)), y0, xr, y0);
    g.drawLine(xr, y0, xr - 8, y0 - 4);
    g.drawLine(xr, y0, xr - 8, y0 + 4);
    g.drawLine(x0, yt, x0 - 4, yt + 8);
    g.drawLine(x0, yt, x0 + 4, yt + 8);
}

void SketchRenderer::DrawKritPunkte(QPainter& g) const {
    QFont schrift = g.font();
    schrift.setPixelSize(kSchriftgroesse);
    g.setFont(schrift);
    const int breite = std::max(g.pen().width(), 1);

    // Element 0 is the count; the last letter (of the right end) must still fit the alphabet.
    const int n = std::clamp(static_cast<int>(std::floor(m_st.Kritisch[0])), 0, 24);
    for (int k = 1; k <= n; ++k) {
        g.setPen(stift(QColor(255, 0, 0), breite));
        Punkt(g, m_st.Kritisch[static_cast<std::size_t>(k)], QString(QChar(65 + k)));
    }
    if (!m_erweitert) return;
    g.setPen(stift(Qt::black, breite));
    Punkt(g, m_st.xlinks, QStringLiteral("A"));
    Punkt(g, m_st.xrechts, QString(QChar(n + 66)));
}

// Draws the circle in the current pen, then the letter in black: below the point when it lies at
// most 0.01 under the top of the critical-points view (or above it), otherwise above the point.
void SketchRenderer::Punkt(QPainter& g, double x, const QString& label) const {
    const double y = quadrova::fn(m_st, 0, x);
    const int px = Pixel(quadrova::xBild(m_view, x));
    const int py = Pixel(quadrova::yBild(m_view, y));
    const QPen kreisStift = g.pen();
    g.drawEllipse(QRect(px - kPunktgroesse / 2, py - kPunktgroesse / 2, kPunktgroesse, kPunktgroesse));
    g.setPen(stift(Qt::black, kreisStift.width()));
    const int basis = m_st.maxf < y + 0.01 ? py + 20 : py - 12;
    g.drawText(QPoint(px - 3, basis), label);
    g.setPen(kreisStift);
}
