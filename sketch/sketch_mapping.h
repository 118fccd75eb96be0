#pragma once
// The scale of the curve sketch: which part of the plane each view shows and where a point of the
// plane lands on the 725 x 677 canvas. Pure functions, shared by the sketch window and the main
// window's xBild/yBild.

#include "core/analysis_state.h"

namespace quadrova {

// The plane rectangle shown by one view.
struct SketchView {
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;
};

// Extended view: the interval of investigation with the extended value range; otherwise the
// critical points with their value range.
SketchView SketchAnsicht(const AnalysisState& st, bool erweitert);

// A view can be drawn only when all its bounds are finite and both widths are non-zero; before
// the first completed analysis every bound is 0.
bool Zeichenbar(const SketchView& v);

// left -> 20, right -> 710; top -> 40, bottom -> 630 (canvas y grows downwards).
inline double xBild(const SketchView& v, double x) {
    return 690 / (v.right - v.left) * (x - v.left) + 20;
}
inline double yBild(const SketchView& v, double y) {
    return 590 / (v.bottom - v.top) * (y - v.top) + 40;
}

// Rounds a canvas coordinate to the nearest pixel. Far-off points (an axis at 0 far outside the
// view, a steep curve) are clamped well outside the canvas so the conversion stays defined; the
// visible part of a line changes by far less than a pixel.
int Pixel(double v);

} // namespace quadrova
