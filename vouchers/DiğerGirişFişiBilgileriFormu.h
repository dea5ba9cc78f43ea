#pragma once
// The five signatories printed on every receipt voucher: the store officer and
// two technical staff who inspect the goods, the store officer who receives
// them and the property accountant who approves. Kept in "Ayarlar\Giris Fisi".
#include "vouchers/İmzaFormu.h"

#include <array>

class QComboBox;

class DiğerGirişFişiBilgileriFormu : public İmzaFormu {
public:
    // The boxes are filled from the settings here, whether the dialog is shown or not.
    explicit DiğerGirişFişiBilgileriFormu(QWidget* sahip = nullptr);

    QComboBox* AmbarMemuruKutusu = nullptr;
    std::array<QComboBox*, 2> TeknikElemanKutusu{};
    QComboBox* AlanAmbarMemuruKutusu = nullptr;
    QComboBox* AyniyatSaymanıKutusu = nullptr;
};

// True when every receipt voucher signatory is saved (the dialog's boxes as
// loaded, without showing it).
bool GirişFişiBilgileriTamam();
