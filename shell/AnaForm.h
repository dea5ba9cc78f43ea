#pragma once
// The main window.
#include <QMainWindow>

class AnaForm : public QMainWindow {
public:
    explicit AnaForm(QWidget* üst = nullptr);
    // The load at start-up: builds the window, works out the archive state, runs
    // the archive gate, shows the window and closes the splash window.
    void Form_Load(QWidget* karşılamaPenceresi);
};
