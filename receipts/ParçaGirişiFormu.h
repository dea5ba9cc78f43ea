#pragma once
// The receipt window: the clerk finds the parts of one brand code, picks a part
// (or defines a new one), types the voucher header and the line, gathers the
// lines of one receipt voucher in a pending list and writes them to the store.
#include "platform/SayıTarih.h"

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

class ListeDenetimi;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class ParçaGirişiFormu : public QDialog {
public:
    explicit ParçaGirişiFormu(QWidget* sahip = nullptr);

    // Labels 0 to 15; frames 0, 1, 2 and 5 (the others are null); the frames' backings.
    std::array<QLabel*, 16> Etiket{};
    std::array<QGroupBox*, 6> Çerçeve{};
    std::array<QWidget*, 3> Altlık{};

    // "Parça Bul "
    QLineEdit* BulKutusu;
    QPushButton* BulDüğmesi;
    QPushButton* TemizleDüğmesi;
    QPushButton* ParçaTanımlaDüğmesi;
    QListWidget* ParçaListesi;  // item data: ParcaNo
    QLineEdit* ParçaBulKutusu;

    // "Parça Bilgileri " (display only)
    QLineEdit* AdıKutusu;
    QLineEdit* MarkasıKutusu;
    QLineEdit* KdvOranıKutusu;
    QLineEdit* BirimiKutusu;
    QLineEdit* AmbarYeriKutusu;

    // "Giriş Bilgileri "
    QLineEdit* FişNoKutusu;
    QLineEdit* GirişTarihiKutusu;
    QLineEdit* FaturaTarihiKutusu;
    QLineEdit* FaturaNoKutusu;
    QLineEdit* FaturaVerenKutusu;
    QLineEdit* MiktarıKutusu;
    QLineEdit* FiyatıKutusu;
    QCheckBox* BirimFiyatıOnayı;
    QCheckBox* KdvEklemeOnayı;
    QPushButton* ListeyeEkleDüğmesi;

    // "Girişi Yapılacak Parçalar "
    ListeDenetimi* GirişYapılacakParçaListesi;
    QLineEdit* ListeToplamıKutusu;

    QPushButton* ListeyiAmbaraEkleDüğmesi;
    QPushButton* ListedenÇıkarDüğmesi;
    QPushButton* ListeyiTemizleDüğmesi;
    QPushButton* KapatDüğmesi;

    // Finding and showing parts.
    void BulDüğmesi_Click();
    void TemizleDüğmesi_Click();
    void ParçaTanımlaDüğmesi_Click();
    void ParçaListesi_Click();
    void ParçaBulKutusu_Change();
    void BirimFiyatıOnayı_Click();
    // A part just defined from here joins the part list, fixes the code and is selected.
    void YeniParçayıAl(std::int64_t parçaNo, const QString& nosu, const QString& adı);

    // The pending lines.
    void ListeyeEkleDüğmesi_Click();
    void ListeyiAmbaraEkleDüğmesi_Click();
    void ListedenÇıkarDüğmesi_Click();
    void ListeyiTemizleDüğmesi_Click();

    void KapatDüğmesi_Click();
    // Every way of closing asks about pending lines and saves the settings first.
    void reject() override;

    // The total amount of the pending lines.
    Para ListeToplamı;

private:
    void kontrolleriKur();
    void davranışlarıBağla();
    void Form_Load();
    bool Form_QueryUnload();
    void parçaKutularınıBoşalt();
    void listeSayısınıYaz();
    int seçiliParçaSatırı() const;
    bool satırıDenetle();
    bool fişNoKuralı();
    void satırıEkle();
    void başlığıKilitle(bool kilitli);

    QString seçiliNosu_;  // the stored number of the part shown (the name box's tag)
};
