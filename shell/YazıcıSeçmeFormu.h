#pragma once
// The printer choice before a print: the system's printers with the one in use
// selected and the place each is connected to. Tamam makes the chosen printer
// the program's printer; İptal, Esc and closing from the frame set
// YazıcıSeçimiİptal and print nothing.
#include "platform/Yazıcı.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class YazıcıSeçmeFormu : public QDialog {
public:
    explicit YazıcıSeçmeFormu(QWidget* sahip = nullptr);

    void YazıcıAdlarıKutusu_Click();
    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();
    void reject() override;  // every way of cancelling

    QGroupBox* Çerçeve;
    QWidget* Altlık;
    QComboBox* YazıcıAdlarıKutusu;  // each item's data: its index among the printers
    QLineEdit* BağlantıNoktasıKutusu;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;

private:
    void Form_Load();
    std::vector<YazıcıBilgisi> yazıcılar_;
};
