#pragma once
// Sets, changes or removes the start-up password.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class GirişŞifresiBelirleDeğiştirFormu : public QDialog {
public:
    explicit GirişŞifresiBelirleDeğiştirFormu(QWidget* sahip = nullptr);

    QLabel* Etiket[2];
    QLineEdit* ŞifreKutusu;
    QLineEdit* ŞifreDoğrulaKutusu;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;  // "Şifreyi Kaldır" while a password is set

    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();

protected:
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void başlıklarıAyarla();
    bool kaldır();
};
