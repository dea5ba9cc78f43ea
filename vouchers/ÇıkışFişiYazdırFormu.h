#pragma once
// The issue voucher browser: the issue vouchers of the working year (or of an
// archived year) under their brand codes, the voucher's lines, total and date,
// and the printed "İSTEK ÇIKIŞ FİŞİ".
#include "vouchers/FişTarayıcısı.h"

class ÇıkışFişiYazdırFormu : public FişTarayıcısı {
public:
    explicit ÇıkışFişiYazdırFormu(QWidget* sahip = nullptr);

    void Yazdır() override;

    ListeDenetimi* ÇıkışBilgileriListesi;
    QLineEdit* ÇıkışTarihiKutusu;

    // The signatories, read at each activation.
    QString İsteyeninServisi;
    QString İsteyen;
    QString İsteyeninÜnvanı;
    QString UygunGören;
    QString UygunGöreninÜnvanı;
    QString VerilmesiniEmreden;
    QString VerilmesiniEmredeninÜnvanı;
    QString AmbarMemuru;
    QString AyniyatSaymanı;
    QString TeslimAlan;
    QString TeslimAlanınÜnvanı;

protected:
    void başlığıBoşalt() override;
    void başlığıOku() override;
    QString tarihMetni() const override;
    bool imzalarıOku() override;
    void diğerBilgileriGöster() override;
};
