#pragma once
// The eleven signatory values printed on every issue voucher: the requesting
// service; name and title of the requester, the approver, the one who orders
// the issue and the receiver; the store clerk and the property accountant.
// Kept in "Ayarlar\Cikis Fisi".
#include "vouchers/İmzaFormu.h"

#include <array>

class QComboBox;

class DiğerÇıkışFişiBilgileriFormu : public İmzaFormu {
public:
    // The boxes are filled from the settings here, whether the dialog is shown or not.
    explicit DiğerÇıkışFişiBilgileriFormu(QWidget* sahip = nullptr);

    QComboBox* İsteyeninServisiKutusu = nullptr;
    QComboBox* İsteyeninAdıSoyadıKutusu = nullptr;
    QComboBox* UygunGöreninAdıSoyadıKutusu = nullptr;
    QComboBox* VerilmesiniEmredininAdıSoyadıKutusu = nullptr;
    QComboBox* AmbarMemuruKutusu = nullptr;
    QComboBox* AyniyatSaymanıKutusu = nullptr;
    QComboBox* TeslimAlanKutusu = nullptr;
    std::array<QComboBox*, 4> ÜnvanKutusu{};
};

// True when every issue voucher signatory value is saved (the dialog's boxes as
// loaded, without showing it).
bool ÇıkışFişiBilgileriTamam();
