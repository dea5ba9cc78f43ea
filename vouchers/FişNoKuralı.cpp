#include "vouchers/FişNoKuralı.h"

#include "shell/GenelDeğişkenler.h"

namespace {

const QString BoşSatır = QStringLiteral("\r\n\r\n");

QString dahaÖnceYapılmış(FişCinsi tür) {
    return tür == FişCinsi::Giriş ? QStringLiteral("Bu FİŞ NO ile daha önce giriş yapılmış!")
                                 : QStringLiteral("Bu FİŞ NO ile daha önce çıkış yapılmış!");
}

}  // namespace

QString FişTablosu(FişCinsi tür) {
    return tür == FişCinsi::Giriş ? QStringLiteral("GirisIslemleriTablosu") : QStringLiteral("CikisIslemleriTablosu");
}

std::optional<FişBaşlığı> FişBaşlığıOku(FişCinsi tür, std::int64_t fişNo, int yıl) {
    const bool giriş = tür == FişCinsi::Giriş;
    Sorgu s(VeriTabanı,
            QStringLiteral("SELECT Kodu, Tarihi%1 FROM %2 WHERE FisNo=? AND Tarihi BETWEEN ? AND ? "
                           "ORDER BY HareketNo LIMIT 1")
                .arg(giriş ? QStringLiteral(", FaturaTarihi, FaturaNo, FaturaVeren") : QString(), FişTablosu(tür)),
            {static_cast<qlonglong>(fişNo), QDate(yıl, 1, 1), QDate(yıl, 12, 31)});
    if (!s.sonraki()) return std::nullopt;
    FişBaşlığı b;
    b.kodu = s.tamsayı(QStringLiteral("Kodu"));
    b.tarihi = s.tarih(QStringLiteral("Tarihi"));
    if (giriş) {
        b.faturaTarihi = s.tarih(QStringLiteral("FaturaTarihi"));
        b.faturaNo = s.metin(QStringLiteral("FaturaNo"));
        b.faturaVeren = s.metin(QStringLiteral("FaturaVeren"));
    }
    return b;
}

QString FişNoEngeli(FişCinsi tür, std::int64_t fişNo, int yıl, const FişBaşlığı& katılan, bool katılabilir) {
    const auto b = FişBaşlığıOku(tür, fişNo, yıl);
    if (!b || (katılabilir && *b == katılan)) return {};
    if (b->kodu != katılan.kodu) return BaşkaKodunFişNosu(tür, b->kodu);
    return dahaÖnceYapılmış(tür) + BoşSatır + QStringLiteral("Lütfen, yeni bir FİŞ NO seçiniz!");
}

QString BaşkaKodunFişNosu(FişCinsi tür, std::int64_t kodu) {
    return QStringLiteral("Bu FİŞ NO ile (%1) KOD için %2 yapılmış!")
               .arg(kodu)
               .arg(tür == FişCinsi::Giriş ? QStringLiteral("giriş") : QStringLiteral("çıkış")) +
           BoşSatır + QStringLiteral("Lütfen, yeni bir FİŞ NO seçiniz!");
}

QString FişeEklemeSorusu(FişCinsi tür) {
    return dahaÖnceYapılmış(tür) + BoşSatır +
           (tür == FişCinsi::Giriş ? QStringLiteral("Bu girişe ekleme yapmak istiyor musunuz?")
                                  : QStringLiteral("Bu çıkışa ekleme yapmak istiyor musunuz?"));
}
