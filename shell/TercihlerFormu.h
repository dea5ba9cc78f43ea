#pragma once
// The preferences window: grid lines in the lists and the four copy counts.
#include <QDialog>

class AyarliKutu;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class TercihlerFormu : public QDialog {
public:
    explicit TercihlerFormu(QWidget* sahip = nullptr);
    // The load without showing: reads the preferences into their program-wide variables.
    static void TercihleriYükle();

    QCheckBox* TümListelerÇizgiliOlsunOnayı;
    QGroupBox* Çerçeve;
    QWidget* Altlık;  // the backing of the frame's boxes
    QLabel* Etiket[4];
    AyarliKutu* GirişFişiKopyaSayısıKutusu;
    AyarliKutu* ÇıkışFişiKopyaSayısıKutusu;
    AyarliKutu* SayımCetveliKopyaSayısıKutusu;
    AyarliKutu* MalzemeCetveliKopyaSayısıKutusu;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;
    QPushButton* İlkAyarlarDüğmesi;

    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();
    void İlkAyarlarDüğmesi_Click();

private:
    AyarliKutu* kopyaKutusu(int sıra, const QString& ad, const QString& etiket);
    AyarliKutu* kutular_[4];
};
