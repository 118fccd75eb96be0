#pragma once
// The curve sketch window: two views of the analysed polynomial, drawn on request and kept on
// screen until the next request.

#include "core/analysis_state.h"

#include <QPicture>
#include <QWidget>

class QPushButton;
class QRadioButton;

class GrafikFenster : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBreite = 768;
    static constexpr int kHoehe = 759;

    // The window reads the state it is given; the program's instance reads the main window's.
    explicit GrafikFenster(const quadrova::AnalysisState& st, QWidget* parent = nullptr);

    // Draws axes, curve and points of the current view and keeps the picture for repaints.
    void KurveZeichnen();

    // True in the extended view ("Erweitertes Intervall"), false in the critical-points view.
    bool erweitert() const;

    QPushButton* GrafikK1() const { return m_grafikK1; }
    QPushButton* BackK() const { return m_backK; }
    QPushButton* QuitK() const { return m_quitK; }
    QRadioButton* NurKritischKnopf() const { return m_nurKritischKnopf; }
    QRadioButton* ErweitertKnopf() const { return m_erweitertKnopf; }
    QWidget* GraphCansas() const { return m_canvas; }

    // The picture of the last request, in canvas coordinates.
    const QPicture& bild() const { return m_bild; }

private:
    void QuitK_Action();

    const quadrova::AnalysisState& m_st;
    QPicture m_bild;
    QPushButton* m_grafikK1 = nullptr;
    QWidget* m_canvas = nullptr;
    QPushButton* m_backK = nullptr;
    QPushButton* m_quitK = nullptr;
    QRadioButton* m_nurKritischKnopf = nullptr;
    QRadioButton* m_erweitertKnopf = nullptr;
};
