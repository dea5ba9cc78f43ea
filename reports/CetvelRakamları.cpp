#include "reports/CetvelRakamları.h"

#include "platform/MesajKapısı.h"
#include "platform/Yazıcı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/YazdırmaVeAktarmaModülü.h"

#include <array>
#include <cmath>

namespace {
// The X of each pair's "Miktar" and "Tutar" headings, and its group caption.
constexpr std::array<double, 5> MiktarX = {110, 145, 180, 215, 250};
constexpr std::array<double, 5> TutarX = {130, 165, 200, 235, 270};
constexpr std::array<const char16_t*, 5> GrupBaşlıkları = {u"DEVREDEN", u"YIL İÇİNDE GİREN", u"TOPLAM",
                                                           u"YIL İÇİNDE ÇIKAN", u"AKTARILAN"};
const QString MiktarBaşlığı = QStringLiteral("Miktar");
const QString TutarBaşlığı = QStringLiteral("Tutar");
}  // namespace

double CetvelMiktarı(const QString& metin) { return SayıOku(metin).value_or(0); }
Para CetvelTutarı(const QString& metin) { return Para::metinden(metin).value_or(Para()); }

QStringList CetvelRakamMetinleri(const CetvelRakamları& r) {
    const QString devM = BiçimliSayı(r.devredenMiktar), devT = BiçimliSayı(r.devredenTutar);
    const QString girM = BiçimliSayı(r.girenMiktar), girT = BiçimliSayı(r.girenTutar);
    const QString topM = BiçimliSayı(Normalleştir(CetvelMiktarı(devM) + CetvelMiktarı(girM)));
    const QString topT = BiçimliSayı(CetvelTutarı(devT) + CetvelTutarı(girT));
    const QString çıkM = BiçimliSayı(r.çıkanMiktar), çıkT = BiçimliSayı(r.çıkanTutar);
    const QString aktM = BiçimliSayı(Normalleştir(CetvelMiktarı(topM) - CetvelMiktarı(çıkM)));
    const QString aktT = BiçimliSayı(CetvelTutarı(topT) - CetvelTutarı(çıkT));
    return {devM, devT, girM, girT, topM, topT, çıkM, çıkT, aktM, aktT};
}

void CetvelRakamBaşlıklarınıYaz(Yazıcı& y, double grupY, double başlıkY) {
    // one group width for all five: "MiktarTutar" plus 10 mm, whole millimetres
    const double grup = std::nearbyint(y.metinGenişliği(MiktarBaşlığı + TutarBaşlığı) + 10);
    y.Y = grupY;
    for (size_t i = 0; i < GrupBaşlıkları.size(); ++i) {
        const QString başlık = QString::fromUtf16(GrupBaşlıkları[i]);
        y.X = MiktarX[i] + (grup - y.metinGenişliği(başlık)) / 2;
        y.yaz(başlık, i + 1 == GrupBaşlıkları.size());
    }
    y.Y = başlıkY;
    for (size_t i = 0; i < MiktarX.size(); ++i) {
        y.X = MiktarX[i];
        y.yaz(MiktarBaşlığı, false);
        y.X = TutarX[i];
        y.yaz(TutarBaşlığı, i + 1 == TutarX.size());
    }
}

void CetvelRakamlarınıYaz(Yazıcı& y, const QStringList& rakamlar, int ilk) {
    for (size_t j = 0; j < MiktarX.size(); ++j) {
        const int k = ilk + 2 * static_cast<int>(j);
        SağaYaslıYaz(y, MiktarX[j], MiktarBaşlığı, rakamlar.value(k));
        SağaYaslıYaz(y, TutarX[j], TutarBaşlığı, rakamlar.value(k + 1), j + 1 == MiktarX.size());
    }
}

bool CetvelBaskısınıBaşlat(Yazıcı& y, const QString& başlık, int kopya) {
    y.yönKoy(SayfaYönü::Yatay);
    if (y.yön() != SayfaYönü::Yatay) {
        Uyarı(QStringLiteral("Yazdırma yönü YATAY olarak ayarlanamadığı için işlem iptal edildi!\n\n"
                             "Lütfen, yazıcınızın ayarlarlarını kontrol edip yeniden deneyiniz!"));
        return false;
    }
    if (kopya > 0) y.kopyaSayısıKoy(kopya);
    SayfaÖlçüleriniAl();
    OrtalıBaşlıkYaz(y, 10, başlık);
    return true;
}
