#pragma once
// The receipt voucher browser: the receipt vouchers of the working year (or of
// an archived year) under their brand codes, the voucher's lines, total and
// invoice data, its method of acquisition, and the printed "GİRİŞ FİŞİ".
#include "vouchers/FişTarayıcısı.h"

#include <array>

class GirişFişiYazdırFormu : public FişTarayıcısı {
public:
    explicit GirişFişiYazdırFormu(QWidget* sahip = nullptr);

    void Yazdır() override;

    ListeDenetimi* GirişBilgileriListesi;
    QLineEdit* MalıAlanKutusu;
    QLineEdit* GirişTarihiKutusu;
    QLineEdit* FaturaTarihiKutusu;
    QLineEdit* FaturaNoKutusu;
    QLineEdit* FaturaVerenKutusu;
    QComboBox* AlınmaŞekliKutusu;  // "İhale", "Satınalma"; none chosen for each voucher shown

    // The signatories, read at each activation.
    QString AmbarMemuru;
    std::array<QString, 2> TeknikElemanlar;
    QString AlanAmbarMemuru;
    QString AyniyatSaymanı;

protected:
    void başlığıBoşalt() override;
    void başlığıOku() override;
    QString tarihMetni() const override;
    bool yazdırmayaHazırMı() override;
    bool imzalarıOku() override;
    void diğerBilgileriGöster() override;
};
