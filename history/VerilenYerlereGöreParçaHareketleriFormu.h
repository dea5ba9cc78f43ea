#pragma once
// The issues to one receiving place (VerilecekYer), of all years.
#include "history/YerlereGöreParçaHareketleriFormu.h"

class VerilenYerlereGöreParçaHareketleriFormu : public YerlereGöreParçaHareketleriFormu {
public:
    explicit VerilenYerlereGöreParçaHareketleriFormu(QWidget* sahip = nullptr);

    void VerilenYerlerListesi_Click() { YerlerListesi_Click(); }

    QListWidget* VerilenYerlerListesi;
};
