#pragma once
// The year-end archive in the store: which years are archived, which year still
// holds unarchived vouchers, and the archiving of one year. Archiving keeps every
// row: a voucher's number moves from FisNo to ArsivFisNo and FisNo becomes 0.
#include <QStringList>
#include <optional>

// The store holds the table of archived years.
bool ArşivTablosuVarMı();
// The year is recorded as archived.
bool YılArşivlendiMi(int yıl);
// The year of an earliest row of the table (GirisIslemleriTablosu or
// CikisIslemleriTablosu) dated before buYıl and not archived (FisNo above 0).
std::optional<int> ArşivlenecekYılıBul(const QString& tablo, int buYıl);
// The archived years in ascending order (empty when none, or without the table).
QStringList ArşivlenenYıllar();

// Rows archived by one run.
struct ArşivSayıları {
    int giriş = 0;
    int çıkış = 0;
};
// Archives one year in one transaction: completes the archive structure, moves
// the voucher numbers of that year's rows that are not archived yet, and records
// the year once. Throws (and changes nothing) on failure. Rows archived before
// keep their numbers, so running it again for the same year changes nothing.
ArşivSayıları YılıArşivle(int yıl);
