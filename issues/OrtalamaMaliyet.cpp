#include "issues/OrtalamaMaliyet.h"

#include "shell/GenelDeğişkenler.h"

ParçaToplamları ParçaToplamlarınıOku(std::int64_t parçaNo) {
    ParçaToplamları t;
    {
        Sorgu s(VeriTabanı,
                QStringLiteral("SELECT SUM(Miktari) AS GirisToplami, SUM(Tutari) AS GirisTutariToplami "
                               "FROM GirisIslemleriTablosu WHERE ParcaNo=?"),
                {static_cast<qlonglong>(parçaNo)});
        if (s.sonraki()) {
            t.girişMiktarı = s.sayı(QStringLiteral("GirisToplami"));
            t.girişTutarı = s.para(QStringLiteral("GirisTutariToplami"));
        }
    }
    {
        Sorgu s(VeriTabanı,
                QStringLiteral("SELECT SUM(Miktari) AS CikisToplami, SUM(Tutari) AS CikisTutariToplami "
                               "FROM CikisIslemleriTablosu WHERE ParcaNo=?"),
                {static_cast<qlonglong>(parçaNo)});
        if (s.sonraki()) {
            t.çıkışMiktarı = s.sayı(QStringLiteral("CikisToplami"));
            t.çıkışTutarı = s.para(QStringLiteral("CikisTutariToplami"));
        }
    }
    return t;
}

Para OrtalamaMaliyetFiyatı(double mevcut, Para değer) {
    if (mevcut <= 0) return {};
    return Para::sayıdan(değer.sayı() / mevcut);
}

Para OrtalamaMaliyetFiyatı(std::int64_t parçaNo) {
    const auto t = ParçaToplamlarınıOku(parçaNo);
    return OrtalamaMaliyetFiyatı(t.mevcut(), t.değer());
}
