#pragma once
// The splash screen: the program's name, year and author for a moment at start.
#include "toolkit/form.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <chrono>

class SplashForm : public toolkit::Form {
    Q_OBJECT
public:
    // The timer runs from creation and ticks once after `delay`.
    explicit SplashForm(std::chrono::milliseconds delay = std::chrono::milliseconds(3000));

    QFrame* Frame1;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* lblCopyright;
    QLabel* lblCompany;
    QLabel* Picture1;
    QTimer Timer1;

signals:
    // The splash has been shown long enough.
    void timeUp();
};
