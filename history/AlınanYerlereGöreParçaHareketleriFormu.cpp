#include "history/AlınanYerlereGöreParçaHareketleriFormu.h"

namespace {

using F = YerlereGöreParçaHareketleriFormu;

F::Tanım yerTanımı() {
    using A = F::Alan;
    using T = SütunTürü;
    return {
        QStringLiteral("AlınanYerlereGöreParçaHareketleriFormu"),
        QStringLiteral("Alınan Yerlere Göre Parça Hareketleri"),
        QStringLiteral("AlınanYerlerListesi"),
        QStringLiteral("Alınan Yerler"),
        QStringLiteral("GirisIslemleriTablosu"),
        QStringLiteral("FaturaVeren"),
        {
            // caption, twips, sort, right, query column, cell, print X, printed right, a number in the workbook
            {QStringLiteral("Kodu"), 1000, T::Metin, false, QStringLiteral("h.Kodu"), A::Numara, 10, false, false},
            {QStringLiteral("Parça Adı"), 1800, T::Metin, false, QStringLiteral("p.Adi"), A::Metin, 20, false, false},
            {QStringLiteral("Giriş Tarihi"), 1400, T::Tarih, false, QStringLiteral("h.Tarihi"), A::Tarih, 80, false, false},
            {QStringLiteral("Fatura Tarihi"), 1500, T::Tarih, false, QStringLiteral("h.FaturaTarihi"), A::Tarih, 97, false,
             false},
            {QStringLiteral("Fatura No"), 1400, T::Metin, false, QStringLiteral("h.FaturaNo"), A::Metin, 115, false, false},
            {QStringLiteral("Miktarı"), 1100, T::Sayı, true, QStringLiteral("h.Miktari"), A::Miktar, 133, true, true},
            {QStringLiteral("Fiyatı"), 1100, T::Sayı, true, QStringLiteral("h.Fiyati"), A::Tutar, 150, true, true},
            {QStringLiteral("Tutarı"), 1100, T::Sayı, true, QStringLiteral("h.Tutari"), A::Tutar, 165, true, true},
            {QStringLiteral("Fiş No"), 1100, T::Sayı, true, QStringLiteral("h.FisNo"), A::Numara, 175, false, false},
            {QStringLiteral("Arşiv Fiş No"), 1500, T::Sayı, true, QStringLiteral("h.ArsivFisNo"), A::ArşivNo, 185, false,
             false},
        },
        9,
        QStringLiteral("5"),
        QStringLiteral("6"),
        5,
        QStringLiteral(" ADLI FİRMADAN ALINAN PARÇALAR"),
        QStringLiteral("Parça Alınan Yerler"),
        true,
    };
}

}  // namespace

AlınanYerlereGöreParçaHareketleriFormu::AlınanYerlereGöreParçaHareketleriFormu(QWidget* sahip)
    : YerlereGöreParçaHareketleriFormu(yerTanımı(), sahip), AlınanYerlerListesi(yerlerListesi_) {
    YordamlarıKaydet<AlınanYerlereGöreParçaHareketleriFormu>(tanım());
}
