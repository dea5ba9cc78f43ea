#include "history/VerilenYerlereGöreParçaHareketleriFormu.h"

namespace {

using F = YerlereGöreParçaHareketleriFormu;

F::Tanım yerTanımı() {
    using A = F::Alan;
    using T = SütunTürü;
    return {
        QStringLiteral("VerilenYerlereGöreParçaHareketleriFormu"),
        QStringLiteral("Verilen Yerlere Göre Parça Hareketleri"),
        QStringLiteral("VerilenYerlerListesi"),
        QStringLiteral("Verilen Yerler"),
        QStringLiteral("CikisIslemleriTablosu"),
        QStringLiteral("VerilecekYer"),
        {
            // caption, twips, sort, right, query column, cell, print X, printed right, a number in the workbook
            {QStringLiteral("Kodu"), 1000, T::Sayı, false, QStringLiteral("h.Kodu"), A::Numara, 15, false, false},
            {QStringLiteral("Parça Adı"), 1800, T::Metin, false, QStringLiteral("p.Adi"), A::Metin, 25, false, false},
            {QStringLiteral("Tarihi"), 1200, T::Tarih, false, QStringLiteral("h.Tarihi"), A::Tarih, 80, false, false},
            {QStringLiteral("Miktarı"), 1200, T::Sayı, true, QStringLiteral("h.Miktari"), A::Miktar, 110, true, true},
            {QStringLiteral("Tutarı"), 1200, T::Sayı, true, QStringLiteral("h.Tutari"), A::Tutar, 135, true, true},
            {QStringLiteral("Fiş No"), 1200, T::Sayı, true, QStringLiteral("h.FisNo"), A::Numara, 155, false, false},
            {QStringLiteral("Arşiv Fiş No"), 1500, T::Sayı, true, QStringLiteral("h.ArsivFisNo"), A::ArşivNo, 175, false,
             false},
        },
        10,
        QStringLiteral("7"),
        QStringLiteral("8"),
        6,
        QStringLiteral(" ADLI YERE VERİLEN PARÇALAR"),
        QStringLiteral("Parça Verilen Yerler"),
        false,
    };
}

}  // namespace

VerilenYerlereGöreParçaHareketleriFormu::VerilenYerlereGöreParçaHareketleriFormu(QWidget* sahip)
    : YerlereGöreParçaHareketleriFormu(yerTanımı(), sahip), VerilenYerlerListesi(yerlerListesi_) {
    YordamlarıKaydet<VerilenYerlereGöreParçaHareketleriFormu>(tanım());
}
