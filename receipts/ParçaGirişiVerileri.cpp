#include "receipts/ParçaGirişiVerileri.h"

#include "catalogue/ParçaVerileri.h"
#include "platform/DeporaHatası.h"
#include "shell/GenelDeğişkenler.h"
#include "vouchers/FişNoKuralı.h"

namespace {
constexpr int TürUyuşmazlığı = 13;

double sayıOlarak(const QString& metin) {
    const auto s = SayıOku(metin);
    if (!s) throw DeporaHatası(TürUyuşmazlığı, QStringLiteral("Tür uyuşmazlığı: \"%1\"").arg(metin));
    return *s;
}
}  // namespace

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
    const QString fişNoMesajı = FişNoEngeli(FişCinsi::Giriş, fişNo, ilk.tarihi.year(),
                                            {ilk.kodu, ilk.tarihi, ilk.faturaTarihi, ilk.faturaNo, ilk.faturaVeren});
    if (!fişNoMesajı.isEmpty()) return GirişEngeli{fişNoMesajı};
    for (const auto& g : satırlar)
        if (!ParçaVarMı(g.parçaNo)) return GirişEngeli{{}, g.parçaNo};
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
