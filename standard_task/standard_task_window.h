#pragma once
// The window "Standardaufgabe 1": five whole numbers x_A, x_B, x_P, y_P, x_E determine the cubic
// through P with zeros at A and B and an extremum at E.

#include <QWidget>
#include <array>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class AufgF : public QWidget {
    Q_OBJECT
public:
    explicit AufgF(QWidget* parent = nullptr);

    // Controls, for the tests.
    QLineEdit* xATF() const { return m_felder[0]; }
    QLineEdit* xBTF() const { return m_felder[1]; }
    QLineEdit* xPTF() const { return m_felder[2]; }
    QLineEdit* yPTF() const { return m_felder[3]; }
    QLineEdit* xETF() const { return m_felder[4]; }
    QPlainTextEdit* ErgebnisF() const { return m_ergebnisF; }
    QPushButton* PushButton1() const { return m_pushButton1; }
    QPushButton* ParamAuswB() const { return m_paramAuswB; }

protected:
    // Return presses the default button, Escape the cancel button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ParamAuswB_Action();
    void PushButton1_Action();
    void BerAufg1();

    std::array<QLineEdit*, 5> m_felder{};
    QPlainTextEdit* m_ergebnisF = nullptr;
    QPushButton* m_pushButton1 = nullptr;
    QPushButton* m_paramAuswB = nullptr;
};
