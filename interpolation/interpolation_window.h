#pragma once
// Placeholder window until the real one is built.

#include <QWidget>

class IntFenster : public QWidget {
    Q_OBJECT
public:
    explicit IntFenster(QWidget* parent = nullptr);
};
