#pragma once
// The detailed material sheet: for every part of one brand code, over the
// period the window was opened for, the quantity and amount carried over
// (Devreden), received (Giren), their sum (Toplam), issued (Çıkan) and carried
// on (Aktarılan), with the amount totals of the code, or of all codes; printed
// in landscape and exported to a workbook.
#include "platform/SayıTarih.h"
#include "shell/ListeDenetimi.h"

#include <QDate>
#include <QDialog>
#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class MalzemeCetveliFormu : public QDialog {
public:
    // The period, first and last day included.
    MalzemeCetveliFormu(const QDate& başlama, const QDate& bitiş, QWidget* sahip = nullptr);

    // Exports the list to a workbook (ListeOluşturuluyorFormu calls it with the Tag "1").
    void MSExceleAktar();
    // Prints the list (YazdırılıyorFormu calls it with the print code 3).
    void Yazdır();
    // Fills the list and the totals for the selected code (ListeOluşturuluyorFormu
    // calls it with the Tag "0").
    void Listele();

    void KodListesi_Click();
    void BulDüğmesi_Click();
    void TümKodlarınTutarBilgileriniGösterDüğmesi_Click();
    void YazdırDüğmesi_Click();
    void ListeyiMSExceleAktarDüğmesi_Click();

    std::array<QLabel*, 8> Etiket{};
    QListWidget* KodListesi;
    QLineEdit* BulKutusu;
    QPushButton* BulDüğmesi;
    ListeDenetimi* ParçaBilgileriListesi;
    QGroupBox* Çerçeve;
    QLineEdit* DevredenTutarToplamıKutusu;
    QLineEdit* GirenTutarToplamıKutusu;
    QLineEdit* GirenToplamTutarKutusu;  // Devreden plus Giren
    QLineEdit* ÇıkanTutarıToplamıKutusu;
    QLineEdit* AktarılanTutarToplamıKutusu;
    QPushButton* TümKodlarınTutarBilgileriniGösterDüğmesi;
    QPushButton* ListeyiMSExceleAktarDüğmesi;
    QPushButton* YazdırDüğmesi;
    QPushButton* KapatDüğmesi;
    QWidget* Altlık;

    // The period.
    QDate BaşlamaTarihi;
    QDate BitişTarihi;
    // Totals of the listed figures as shown (Devreden, Giren, Toplam, Çıkan,
    // Aktarılan), left by Listele for the print and the export.
    std::array<double, 5> MiktarToplamları{};
    std::array<Para, 5> TutarToplamları{};

    // Columns of ParçaBilgileriListesi (0-based): each figure pair is a quantity then its amount.
    enum Sütun {
        SıraNoSütunu, NosuSütunu, AdıSütunu, BirimiSütunu,
        DevredenMiktarSütunu, DevredenTutarSütunu, GirenMiktarSütunu, GirenTutarSütunu,
        ToplamMiktarSütunu, ToplamTutarSütunu, ÇıkanMiktarSütunu, ÇıkanTutarSütunu,
        AktarılanMiktarSütunu, AktarılanTutarSütunu, SütunSayısı
    };
    static constexpr int ListeNo = 7;
    static constexpr int YazdırmaKodu = 3;

private:
    std::array<QLineEdit*, 5> toplamKutuları() const;
    void sütunlarıSığdır(const QWidget* sahip);
};
