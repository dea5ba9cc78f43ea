#include "receipts/ParçaGirişiVerileri.h"

#include "catalogue/ParçaVerileri.h"
#include "platform/DeporaHatası.h"
#include "shell/GenelDeğişkenler.h"

namespace {
constexpr int TürUyuşmazlığı = 13;

double sayıOlarak(const QString& metin) {
    const auto s = SayıOku(metin);
    if (!s) throw DeporaHatası(TürUyuşmazlığı, QStringLiteral("Tür uyuşmazlığı: \"%1\"").arg(metin));
    return *s;
}
}  // namespace

std::optional<GirişFişiBaşlığı> GirişFişiBaşlığıOku(std::int64_t fişNo, const QDate& yılBaşı, const QDate& yılSonu) {
    Sorgu s(VeriTabanı,
            QStringLiteral("SELECT Kodu, Tarihi, FaturaTarihi, FaturaNo, FaturaVeren FROM GirisIslemleriTablosu "
                           "WHERE FisNo=? AND Tarihi BETWEEN ? AND ? ORDER BY HareketNo LIMIT 1"),
            {static_cast<qlonglong>(fişNo), yılBaşı, yılSonu});
    if (!s.sonraki()) return std::nullopt;
    GirişFişiBaşlığı b;
    b.kodu = s.tamsayı("Kodu");
    b.tarihi = s.tarih("Tarihi");
    b.faturaTarihi = s.tarih("FaturaTarihi");
    b.faturaNo = s.metin("FaturaNo");
    b.faturaVeren = s.metin("FaturaVeren");
    return b;
}

GirişFiyatı GirişFiyatıHesapla(const QString& fiyat, const QString& kdvOranı, const QString& miktar, bool kdvEkleme,
                               bool birimFiyatı) {
    const auto yazılan = Para::metinden(fiyat);
    if (!yazılan) throw DeporaHatası(TürUyuşmazlığı, QStringLiteral("Tür uyuşmazlığı: \"%1\"").arg(fiyat));
    const double f = yazılan->sayı();
    const double kdvli = (sayıOlarak(kdvOranı) / 100 + 1) * f;
    const double m = sayıOlarak(miktar);
    const double p = kdvEkleme ? f : kdvli;
    const double birim = birimFiyatı ? p : p / m;
    return {birim, m * birim};
}

std::optional<GirişEngeli> GirişleriYaz(const std::vector<GirişSatırı>& satırlar, std::int64_t fişNo) {
    if (satırlar.empty()) return std::nullopt;
    İşlem tx(VeriTabanı);
    // The rules the lines passed when they were added, as the store stands now.
    const GirişSatırı& ilk = satırlar.front();
    const int yıl = ilk.tarihi.year();
    if (const auto b = GirişFişiBaşlığıOku(fişNo, QDate(yıl, 1, 1), QDate(yıl, 12, 31))) {
        if (b->kodu != ilk.kodu) return GirişEngeli{b->kodu, 0};
        // joining a voucher takes its header: one begun elsewhere with another
        // header would leave two invoices under one number
        if (b->tarihi != ilk.tarihi || b->faturaTarihi != ilk.faturaTarihi || b->faturaNo != ilk.faturaNo ||
            b->faturaVeren != ilk.faturaVeren)
            return GirişEngeli{0, 0, true};
    }
    for (const auto& g : satırlar)
        if (!ParçaVarMı(g.parçaNo)) return GirişEngeli{0, g.parçaNo};
    for (const auto& g : satırlar) {
        Sorgu s(VeriTabanı, QStringLiteral("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Miktari, Fiyati, Tutari, "
                                           "Tarihi, FaturaTarihi, FaturaNo, FaturaVeren, FisNo) "
                                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        s.bağla(static_cast<qlonglong>(g.parçaNo))
            .bağla(static_cast<qlonglong>(g.kodu))
            .bağla(g.miktarı)
            .bağla(g.fiyatı)
            .bağla(g.tutarı)
            .bağla(g.tarihi)
            .bağla(g.faturaTarihi)
            .bağla(g.faturaNo)
            .bağla(g.faturaVeren)
            .bağla(static_cast<qlonglong>(fişNo));
        s.çalıştır();
    }
    tx.onayla();
    return std::nullopt;
}
