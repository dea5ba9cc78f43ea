#pragma once
// The preferences window.
#include <QDialog>

class TercihlerFormu : public QDialog {
public:
    explicit TercihlerFormu(QWidget* sahip = nullptr);
    // The load without showing: reads the preferences into their program-wide variables.
    static void TercihleriYükle();
};
