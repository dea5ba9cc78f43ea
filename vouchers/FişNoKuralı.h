#pragma once
// The voucher number rule that the receipt and issue lists and the renumbering
// share: within a calendar year a number belongs to one brand code, and what
// joins a stored voucher takes that voucher's header (a receipt's date and
// invoice, an issue's date). Each write checks the rule again inside its
// transaction, against the store as it stands then. Receipt and issue numbers
// are separate.
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

enum class FişCinsi { Giriş, Çıkış };

QString FişTablosu(FişCinsi tür);

// The header of a voucher: its first stored row of the number in the year.
// Issues carry no invoice.
struct FişBaşlığı {
    std::int64_t kodu = 0;
    QDate tarihi = {};
    QDate faturaTarihi = {};
    QString faturaNo = {};
    QString faturaVeren = {};
    bool operator==(const FişBaşlığı&) const = default;
};
std::optional<FişBaşlığı> FişBaşlığıOku(FişCinsi tür, std::int64_t fişNo, int yıl);

// For a write, inside its transaction, that puts rows with the header `katılan`
// under number fişNo of year yıl: the refusal to show once the transaction is
// left when the number now belongs to another brand code or to a voucher with
// another header (one the clerk was not asked to join); empty when the write
// may go on. Without katılabilir the clerk was asked to join none, so any
// voucher under the number stops the write.
QString FişNoEngeli(FişCinsi tür, std::int64_t fişNo, int yıl, const FişBaşlığı& katılan, bool katılabilir = true);

// The clerk's texts of the rule: the number of another brand code, and the
// question before joining a voucher of the same code.
QString BaşkaKodunFişNosu(FişCinsi tür, std::int64_t kodu);
QString FişeEklemeSorusu(FişCinsi tür);
