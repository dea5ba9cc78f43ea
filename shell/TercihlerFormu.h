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
    // One copy count as stored in its section (key "Kopya Sayisi"): 1 when it
    // cannot be read, kept within 1 to 10.
    static int KopyaSayısınıOku(const QString& bölüm);

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
