#pragma once
// Changes one stored receipt movement: its dates, invoice data, quantity and
// price, as long as the part's stock quantity and stock value stay both zero or
// both positive. Opened only by the part movements window, which fills the boxes
// and DeğiştirilecekHareketNo / SeçiliSıra first.
#include "issues/OrtalamaMaliyet.h"

#include <QDialog>
#include <array>

class ParçaHareketleriFormu;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Why a part's totals after a receipt is changed or removed are not acceptable.
enum class GirişStokSorunu { Yok, MiktarEksi, SıfırMiktardaTutarVar, TutarEksi, TutarYetersiz };

// The quantity must not be negative; unless yalnızMiktar (a part without issues),
// the quantity and the value must also be both zero or both positive.
GirişStokSorunu GirişStokSorunuBul(const ParçaToplamları& sonra, bool yalnızMiktar = false);
// The refusal's text; sonEk ends it ("değişiklik yapılamıyor!", "silinemiyor!").
QString GirişStokSorunuMetni(GirişStokSorunu sorun, const QString& sonEk);

class ParçaGirişiDeğiştirFormu : public QDialog {
public:
    // hareketler: the window reloaded after a save (may be null).
    explicit ParçaGirişiDeğiştirFormu(ParçaHareketleriFormu* hareketler);

    void KaydetDüğmesi_Click();

    std::array<QLabel*, 6> Etiket{};
    QGroupBox* Çerçeve;
    QWidget* Altlık;  // the frame's backing panel
    QLineEdit* GirişTarihiKutusu;
    QLineEdit* FaturaTarihiKutusu;
    QLineEdit* FaturaNoKutusu;
    QLineEdit* FaturaVerenKutusu;
    QLineEdit* MiktarıKutusu;
    QLineEdit* FiyatıKutusu;
    QPushButton* KaydetDüğmesi;
    QPushButton* KapatDüğmesi;

private:
    ParçaHareketleriFormu* hareketler_;
};
