#pragma once
// The start-up password prompt: three tries; cancelling, closing it or the third
// wrong entry ends the program.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class GirişŞifresiSorFormu : public QDialog {
public:
    explicit GirişŞifresiSorFormu(QWidget* sahip = nullptr);

    QLabel* Etiket;
    QLineEdit* ŞifreKutusu;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;

    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();

private:
    int yanlışSayısı_ = 0;
};

// Asks for the start-up password over sahip when one is set (a flag without a
// stored password asks nothing and clears GirişŞifresiSor). False: the program
// must end (cancelled, closed, or the third wrong entry); the main window has
// then been closed without its exit question.
bool GirişŞifresiniSor(QWidget* sahip);
