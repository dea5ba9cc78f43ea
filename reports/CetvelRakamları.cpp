#include "reports/CetvelRakamları.h"

#include "platform/MesajKapısı.h"
#include "platform/Yazıcı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/YazdırmaVeAktarmaModülü.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
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

namespace {
// A figure as the sheets write it ("-1.234,57": a sign, digits grouped by dots,
// two decimals) in hundredths, read digit by digit; nothing for any other text
// or one too long to be exact, which goes through the general reader. A sheet
// reads back every figure it shows: this keeps a large sheet from parsing them.
std::optional<std::int64_t> rakamYüzdeBirleri(const QString& metin) {
    const qsizetype n = metin.size();
    qsizetype i = n > 0 && metin[0] == QLatin1Char('-') ? 1 : 0;
    const bool eksi = i == 1;
    if (n - i < 4 || n - i > 22 || metin[n - 3] != QLatin1Char(',')) return std::nullopt;
    std::int64_t y = 0;
    int basamak = 0;
    for (qsizetype k = i; k < n; ++k) {
        const QChar c = metin[k];
        const qsizetype sondan = n - 3 - k;  // places before the comma (negative after it)
        if (c == QLatin1Char('.') && sondan > 0 && sondan % 4 == 0 && k > i) continue;
        if (c == QLatin1Char(',') && sondan == 0) continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || (sondan > 0 && sondan % 4 == 0)) return std::nullopt;
        y = y * 10 + (c.unicode() - u'0');
        ++basamak;
    }
    if (basamak > 15) return std::nullopt;
    return eksi ? -y : y;
}
}  // namespace

double CetvelMiktarı(const QString& metin) {
    // hundredths over 100 is the double nearest the decimal, as the general reader gives
    if (const auto y = rakamYüzdeBirleri(metin)) {
        const double d = static_cast<double>(std::llabs(*y)) / 100;
        return metin.startsWith(QLatin1Char('-')) ? -d : d;
    }
    return SayıOku(metin).value_or(0);
}

Para CetvelTutarı(const QString& metin) {
    if (const auto y = rakamYüzdeBirleri(metin)) return Para::onBindeden(*y * 100);
    return Para::metinden(metin).value_or(Para());
}

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
