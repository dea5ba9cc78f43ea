#pragma once
// Which voucher browser to open: receipts or issues, of the working year.
#include <QDialog>
#include <array>

class QPushButton;
class QRadioButton;

class FişSeçFormu : public QDialog {
public:
    explicit FişSeçFormu(QWidget* sahip = nullptr);

    // Opens the chosen browser for the working year over this dialog, then closes.
    void Tamam_Click();

    std::array<QRadioButton*, 2> FişSeçSeçeneği{};
    QWidget* Altlık;
    QPushButton* Tamam;
    QPushButton* İptalDüğmesi;
};
