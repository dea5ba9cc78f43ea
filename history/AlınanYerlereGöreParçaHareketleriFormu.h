#pragma once
// The receipts from one supplier (FaturaVeren), of all years.
#include "history/YerlereGöreParçaHareketleriFormu.h"

class AlınanYerlereGöreParçaHareketleriFormu : public YerlereGöreParçaHareketleriFormu {
public:
    explicit AlınanYerlereGöreParçaHareketleriFormu(QWidget* sahip = nullptr);

    void AlınanYerlerListesi_Click() { YerlerListesi_Click(); }

    QListWidget* AlınanYerlerListesi;
};
