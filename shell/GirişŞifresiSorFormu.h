#pragma once
// The start-up password prompt.
#include <QDialog>

class GirişŞifresiSorFormu : public QDialog {
public:
    explicit GirişŞifresiSorFormu(QWidget* sahip = nullptr);
};

// Asks for the start-up password over sahip. False: the program must end
// (cancelled, closed, or the third wrong entry).
bool GirişŞifresiniSor(QWidget* sahip);
