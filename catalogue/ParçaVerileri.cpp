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
