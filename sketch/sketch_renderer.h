#pragma once
// Paints the curve sketch of the analysed polynomial: axes, the curve in 601 segments, the
// critical points with their labels. Paints on any QPainter in canvas coordinates (725 x 677), so
// the window and the tests share one drawing.

#include "core/analysis_state.h"
#include "sketch/sketch_mapping.h"

#include <QSize>

class QPainter;

class SketchRenderer {
public:
    static constexpr QSize kCanvas{725, 677};
    static constexpr int kSegmente = 600; // the loop draws kSegmente + 1 segments

    SketchRenderer(const quadrova::AnalysisState& st, bool erweitert);

    // Erases the canvas and draws the whole picture; draws only the empty canvas when the view
    // cannot be drawn (no completed analysis, a range of width 0).
    void KurveZeichnen(QPainter& g) const;

    // The two axes through the origin with arrowheads, no ticks.
    void Achsenzeichnen(QPainter& g) const;

    // Circles and letters of the critical points, and of the interval ends in the extended view.
    void DrawKritPunkte(QPainter& g) const;

    const quadrova::SketchView& view() const { return m_view; }

private:
    void Punkt(QPainter& g, double x, const QString& label) const;

    const quadrova::AnalysisState& m_st;
    bool m_erweitert;
    quadrova::SketchView m_view;
};
