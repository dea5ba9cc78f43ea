#include "catalogue/ParçaVerileri.h"

#include "shell/GenelDeğişkenler.h"

QString ParçaListesiMetni(const QString& nosu, const QString& adı) {
    return nosu.isEmpty() ? adı + QStringLiteral(" (Nosu Yok!)") : nosu;
}

QString ParçaListesiBaşlığı(int sayı) { return QStringLiteral("&Parça Listesi (Toplam: %1)").arg(sayı); }

std::vector<ListeKutusuÖğesi> KodunParçaları(std::int64_t kodu) {
    std::vector<ListeKutusuÖğesi> öğeler;
    Sorgu s(VeriTabanı, QStringLiteral("SELECT ParcaNo, Nosu, Adi FROM ParcaBilgileriTablosu WHERE Kodu=?"),
            {static_cast<qlonglong>(kodu)});
    while (s.sonraki()) öğeler.emplace_back(ParçaListesiMetni(s.metin("Nosu"), s.metin("Adi")), s.tamsayı("ParcaNo"));
    return öğeler;
}

QString MarkaAdı(std::int64_t kodu) {
    return VeriTabanı
        .tekDeğer(QStringLiteral("SELECT Markasi FROM MarkaBilgileriTablosu WHERE Kodu=?"), {static_cast<qlonglong>(kodu)})
        .toString();
}

std::optional<ParçaBilgisi> ParçaBilgisiOku(std::int64_t parçaNo) {
    Sorgu s(VeriTabanı,
            QStringLiteral("SELECT Nosu, Adi, KdvOrani, Birimi, AmbarYeri FROM ParcaBilgileriTablosu WHERE ParcaNo=?"),
            {static_cast<qlonglong>(parçaNo)});
    if (!s.sonraki()) return std::nullopt;
    ParçaBilgisi p;
    p.nosu = s.metin("Nosu");
    p.adı = s.metin("Adi");
    p.kdvOranı = s.boşMu("KdvOrani") ? QStringLiteral("0") : s.metin("KdvOrani");
    p.birimi = s.metin("Birimi");
    p.ambarYeri = s.metin("AmbarYeri");
    return p;
}

bool ParçaVarMı(std::int64_t parçaNo) {
    return !VeriTabanı
                .tekDeğer(QStringLiteral("SELECT 1 FROM ParcaBilgileriTablosu WHERE ParcaNo=?"),
                          {static_cast<qlonglong>(parçaNo)})
                .isNull();
}

QString SilinmişParçaMesajı(const QString& nosu, const QString& adı) {
    const QString parça = QLatin1Char('"') + adı + QLatin1Char('"') +
                          (nosu.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(nosu));
    return QStringLiteral("Listedeki %1 adlı parça başka bir kullanıcı tarafından silinmiş!\r\n\r\n"
                          "Lütfen, bu parçayı listeden çıkarınız.")
        .arg(parça);
}

bool ParçadanGirişVarMı(std::int64_t parçaNo) {
    return !VeriTabanı
                .tekDeğer(QStringLiteral("SELECT 1 FROM GirisIslemleriTablosu WHERE ParcaNo=? LIMIT 1"),
                          {static_cast<qlonglong>(parçaNo)})
                .isNull();
}

bool ParçayıSil(std::int64_t parçaNo) {
    const QVariantList n{static_cast<qlonglong>(parçaNo)};
    İşlem tx(VeriTabanı);
    if (ParçadanGirişVarMı(parçaNo)) return false;
    VeriTabanı.çalıştır(QStringLiteral("DELETE FROM ParcaBilgileriTablosu WHERE ParcaNo=?"), n);
    VeriTabanı.çalıştır(QStringLiteral("DELETE FROM BaglantiNoBilgileriTablosu WHERE ParcaNo=?"), n);
    VeriTabanı.çalıştır(QStringLiteral("DELETE FROM BaglantiNoBilgileriTablosu WHERE BaglantiNo=?"), n);
    VeriTabanı.çalıştır(QStringLiteral("DELETE FROM DegisenNoBilgileriTablosu WHERE ParcaNo=?"), n);
    tx.onayla();
    return true;
}
