#pragma once
// What the receipt window reads and writes, apart from the window: the price
// of a line and the writing of a voucher's lines.
#include "platform/SayıTarih.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The unit price and the amount of a line from the texts of the boxes:
// the price is read as money (four decimals, halves to even); unless kdvEkleme,
// the VAT rate is added; unless birimFiyatı, the typed value is the line's total
// and is divided by the quantity. Neither result is rounded.
// A text that does not read as a number throws.
struct GirişFiyatı {
    double birim = 0;
    double tutar = 0;
};
GirişFiyatı GirişFiyatıHesapla(const QString& fiyat, const QString& kdvOranı, const QString& miktar, bool kdvEkleme,
                               bool birimFiyatı);

// One line to be stored.
struct GirişSatırı {
    std::int64_t parçaNo = 0;
    std::int64_t kodu = 0;
    double miktarı = 0;
    Para fiyatı;
    Para tutarı;
    QDate tarihi;
    QDate faturaTarihi;
    QString faturaNo;
    QString faturaVeren;
};

// What kept a list from being written, found inside the writing transaction:
// since the lines were added another workstation has stored the voucher number
// in the year for another brand code or under another header (fişNoMesajı,
// the refusal to show), or has deleted one of the parts (silinenParçaNo).
struct GirişEngeli {
    QString fişNoMesajı;
    std::int64_t silinenParçaNo = 0;
};

// Writes all the lines under one voucher number in one transaction, which holds
// the store's write lock from its start: every row, or none when the list is
// refused (the reason is returned) or a statement fails (which throws).
std::optional<GirişEngeli> GirişleriYaz(const std::vector<GirişSatırı>& satırlar, std::int64_t fişNo);
