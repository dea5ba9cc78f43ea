#pragma once
// The issue window: find the parts of a brand code, pick one, see its stock and
// its issue price (the average cost of the stock on hand), collect the lines of
// one issue voucher in a pending list, then write them to the store at once.
// The pending lines are also kept in the connection's own temporary table
// GeciciCikisIslemleriTablosu, so that the stock checks count them.
#include "platform/SayıTarih.h"

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

class ListeDenetimi;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

class ParçaÇıkışıFormu : public QDialog {
public:
    explicit ParçaÇıkışıFormu(QWidget* sahip = nullptr);

    // Find area.
    QLineEdit* BulKutusu;
    QPushButton* BulDüğmesi;
    QPushButton* TemizleDüğmesi;
    QListWidget* ParçaListesi;
    QLineEdit* ParçaBulKutusu;
    // Part data.
    QLineEdit* AdıKutusu;
    QLineEdit* MarkasıKutusu;
    QLineEdit* KdvOranıKutusu;
    QLineEdit* BirimiKutusu;
    QLineEdit* AmbarYeriKutusu;
    // Issue data.
    QLineEdit* FiyatıKutusu;
    QLineEdit* MevcuduKutusu;
    QLineEdit* EklenenKutusu;
    QLineEdit* KalanKutusu;
    QLineEdit* FişNoKutusu;
    QLineEdit* TarihiKutusu;
    QLineEdit* MiktarıKutusu;
    QComboBox* VerilecekYerKutusu;
    QPushButton* ListeyeEkleDüğmesi;
    // Pending list.
    ListeDenetimi* ÇıkışYapılacakParçaListesi;
    QLineEdit* ListeToplamıKutusu;
    QPushButton* ListeyiAmbardanÇıkarDüğmesi;
    QPushButton* ListedenÇıkarDüğmesi;
    QPushButton* ListeyiTemizleDüğmesi;
    QPushButton* KapatDüğmesi;

    std::array<QLabel*, 17> Etiket{};
    std::array<QGroupBox*, 5> Çerçeve{};  // 0, 1, 2 and 4
    std::array<QWidget*, 3> Altlık{};

    // Columns of the pending list (0 is the hidden part key).
    enum Sütun { SütunParçaNo, SütunNo, SütunKodu, SütunTarihi, SütunNosu, SütunAdı, SütunYer, SütunMiktarı, SütunTutarı };

    void BulDüğmesi_Click();
    void TemizleDüğmesi_Click();
    void ParçaListesi_Click();
    void ParçaBulKutusu_Change();
    void ListeyeEkleDüğmesi_Click();
    void ListeyiAmbardanÇıkarDüğmesi_Click();
    void ListedenÇıkarDüğmesi_Click();
    void ListeyiTemizleDüğmesi_Click();

    // Closing: asks when lines are pending; false keeps the window open.
    bool Form_QueryUnload();
    void reject() override;

private:
    void pencereyiKur();
    void Form_Load();
    void parçaKutularınıBoşalt();
    // The checks of a new line, in order; false after a refusal (message shown).
    bool satırDenetimleri(double& miktar);
    bool fişNoKuralı();
    void satırıEkle(std::int64_t parçaNo, double miktar);

    QString seçiliNosu_;  // the selected part's number (the name box's tag)
    Para listeToplamı_;
};
