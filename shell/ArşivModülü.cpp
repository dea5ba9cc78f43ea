#include "shell/ArşivModülü.h"

#include "shell/GenelDeğişkenler.h"
#include "shell/VeritabanıTabloları.h"

#include <QDate>

namespace {
const QString ArşivTablosu = QStringLiteral("ArsivlenenYillarTablosu");
}

bool ArşivTablosuVarMı() { return VeriTabanı.tabloVarMı(ArşivTablosu); }

bool YılArşivlendiMi(int yıl) {
    if (!ArşivTablosuVarMı()) return false;
    return VeriTabanı
        .tekDeğer(QStringLiteral("SELECT 1 FROM ArsivlenenYillarTablosu WHERE YilBilgisi=?"), {QString::number(yıl)})
        .isValid();
}

std::optional<int> ArşivlenecekYılıBul(const QString& tablo, int buYıl) {
    // the table name is one of the program's own, never typed text
    Q_ASSERT(tablo == QLatin1String("GirisIslemleriTablosu") || tablo == QLatin1String("CikisIslemleriTablosu"));
    Sorgu s(VeriTabanı,
            QStringLiteral("SELECT Tarihi FROM %1 WHERE FisNo>0 AND Tarihi<? ORDER BY Tarihi LIMIT 1").arg(tablo),
            {QDate(buYıl, 1, 1)});
    if (!s.sonraki()) return std::nullopt;
    const QDate tarih = s.tarih(QStringLiteral("Tarihi"));
    if (!tarih.isValid()) return std::nullopt;
    return tarih.year();
}

QStringList ArşivlenenYıllar() {
    QStringList yıllar;
    if (!ArşivTablosuVarMı()) return yıllar;
    Sorgu s(VeriTabanı, QStringLiteral("SELECT DISTINCT YilBilgisi FROM ArsivlenenYillarTablosu ORDER BY YilBilgisi"));
    while (s.sonraki()) yıllar << s.metin(QStringLiteral("YilBilgisi"));
    return yıllar;
}

ArşivSayıları YılıArşivle(int yıl) {
    const QVariantList aralık = {QDate(yıl, 1, 1), QDate(yıl, 12, 31)};
    ArşivSayıları sayılar;
    İşlem işlem(VeriTabanı);
    ArşivYapısınıTamamla(VeriTabanı);
    sayılar.giriş = VeriTabanı.çalıştır(QStringLiteral("UPDATE GirisIslemleriTablosu SET ArsivFisNo=FisNo, FisNo=0 "
                                                       "WHERE Tarihi BETWEEN ? AND ? AND FisNo>0"),
                                        aralık);
    sayılar.çıkış = VeriTabanı.çalıştır(QStringLiteral("UPDATE CikisIslemleriTablosu SET ArsivFisNo=FisNo, FisNo=0 "
                                                       "WHERE Tarihi BETWEEN ? AND ? AND FisNo>0"),
                                        aralık);
    if (!YılArşivlendiMi(yıl))
        VeriTabanı.çalıştır(QStringLiteral("INSERT INTO ArsivlenenYillarTablosu (YilBilgisi) VALUES (?)"),
                            {QString::number(yıl)});
    işlem.onayla();
    return sayılar;
}
