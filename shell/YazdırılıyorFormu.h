#pragma once
// The printing progress window. The print button sets YazdırılacakRapor and
// shows it modally over its window; once shown it calls the print procedure
// registered for that code on its owner (the window's Yazdır) and closes when
// that returns.
//
// A window with a print command registers its procedure once, e.g. in its
// constructor:  YazdırılıyorFormu::YordamKaydet<SayımCetveliFormu>(2);
// Codes: 0 receipt voucher, 1 issue voucher, 2 count sheet, 3 detailed material
// sheet, 4 summary material sheet, 5 movements by supplier, 6 by place issued to.
#include "shell/İlerlemePenceresi.h"

class QLabel;

class YazdırılıyorFormu : public İlerlemePenceresi {
public:
    explicit YazdırılıyorFormu(QWidget* sahip = nullptr);

    static void YordamKaydet(int kod, Yordam yordam);
    // Calls Yazdır() of the owner when it is a P.
    template <class P>
    static void YordamKaydet(int kod) {
        YordamKaydet(kod, [](QWidget* sahip) {
            if (auto* p = dynamic_cast<P*>(sahip)) p->Yazdır();
        });
    }

    QLabel* SimgeKutusu;
    QLabel* Etiket;

protected:
    Yordam yordam() const override;
};
