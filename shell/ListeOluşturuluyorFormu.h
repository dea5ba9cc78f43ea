#pragma once
// The list-building and export progress window. A list or export button sets
// its Tag and shows it modally over its window; once shown it calls the
// procedure registered for that Tag on its owner (Listele, MSExceleAktar or
// HareketleriYükle) and closes when that returns. The procedure moves the bar
// through the static İlerleme functions (they do nothing when no progress
// window is shown, so a procedure may also run on its own).
//
// A window registers its procedures once, e.g. in its constructor:
//   ListeOluşturuluyorFormu::YordamKaydet("2", [](QWidget* w) {
//       if (auto* f = dynamic_cast<SayımCetveliFormu*>(w)) f->Listele(); });
// Tags: "0" detailed sheet Listele, "1" its MSExceleAktar, "2" count sheet
// Listele, "3" summary sheet Listele, "4" its MSExceleAktar, "5" by supplier
// HareketleriYükle, "6" its MSExceleAktar, "7" by place HareketleriYükle, "8" its MSExceleAktar.
#include "shell/İlerlemePenceresi.h"

#include <QString>

class QLabel;
class QProgressBar;

class ListeOluşturuluyorFormu : public İlerlemePenceresi {
public:
    explicit ListeOluşturuluyorFormu(QWidget* sahip = nullptr);
    ~ListeOluşturuluyorFormu() override;

    static void YordamKaydet(const QString& tag, Yordam yordam);

    // The export look: "MS Excel'e Aktarılıyor...", its text and the "EXCEL" icon.
    void AktarmaGörünümü();

    // The bar of the shown progress window.
    static void İlerlemeSınırı(int enBüyük);
    static void İlerleme(int değer);
    static int İlerlemeDeğeri();  // 0 when none is shown

    QString Tag;
    QLabel* Etiket;
    QLabel* SimgeKutusu;
    QProgressBar* İlerlemeÇubuğu;

protected:
    Yordam yordam() const override;
};
