#pragma once
// A store the size users keep: 20,000 parts over 50 brand codes (400 a code) and
// the given number of movements, half receipts, half issues. Made once per run
// in a temporary folder.
#include "platform/VeritabanıBağlantısı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/VeritabanıTabloları.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <map>
#include <numeric>
#include <vector>

inline QTemporaryDir& klasör() {
    static QTemporaryDir k;
    return k;
}

// Makes a store with the given number of movements (half receipts, half issues) over 20,000 parts.
inline QString storeYap(const QString& ad, int hareketSayısı) {
    const QString yol = klasör().path() + "/" + ad + "/Ambar.vtb";
    if (QFile::exists(yol)) return yol;
    QDir().mkpath(klasör().path() + "/" + ad);
    VeritabanıBağlantısı vt;
    vt.yeniOluştur(yol);
    TemelTablolarıOluştur(vt);
    İşlem i(vt);
    for (int k = 1; k <= 50; ++k)
        vt.çalıştır("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (?, ?)", {k, QString("MARKA %1").arg(k)});
    for (int p = 1; p <= 20000; ++p)
        vt.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi) VALUES (?, ?, ?)",
                    {p % 50 + 1, QString("N%1").arg(p), QString("PARÇA %1").arg(p)});
    const QDate gün(QDate::currentDate().year(), 1, 1);
    for (int h = 0; h < hareketSayısı / 2; ++h) {
        vt.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari) "
                    "VALUES (?, 1, ?, ?, 10, 50000, 500000)",
                    {h % 20000 + 1, gün.addDays(h % 300), h / 10 + 1});
        vt.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, VerilecekYer, Miktari, Tutari) "
                    "VALUES (?, 1, ?, ?, 'SERVİS', 4, 200000)",
                    {h % 20000 + 1, gün.addDays(h % 300), h / 10 + 1});
    }
    i.onayla();
    return yol;
}

// ---- The large store of a big public body, kept between runs ----
//
// 20,000 parts under 60 brand codes of uneven size, 1,000,000 movements (half
// receipts, half issues) in vouchers of 1 to 20 lines over five years up to
// today, the four past years archived, 500 suppliers and 300 receiving places
// of uneven business. Drawn from a fixed seed, so every run sees the same store.
// Made once into ~/.cache/depora-bench; a change to what is drawn takes a new
// BüyükDepoSürümü.

inline constexpr int BüyükDepoSürümü = 1;

namespace büyük_depo {

// splitmix64: the same numbers on every machine
struct Zar {
    std::uint64_t s;
    std::uint64_t sonraki() {
        std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int aralık(int n) { return static_cast<int>(sonraki() % static_cast<std::uint64_t>(n)); }
    double kesir() { return static_cast<double>(sonraki() >> 11) / 9007199254740992.0; }
};

// Picks index i with probability ağırlık[i] / sum.
struct Seçici {
    std::vector<double> birikmiş;
    explicit Seçici(const std::vector<double>& ağırlık) {
        double t = 0;
        for (double a : ağırlık) birikmiş.push_back(t += a);
    }
    int seç(Zar& z) const {
        const double x = z.kesir() * birikmiş.back();
        return static_cast<int>(std::upper_bound(birikmiş.begin(), birikmiş.end(), x) - birikmiş.begin());
    }
};

// Popularity falls with rank as in most stores: weight 1 / (rank + offset).
inline std::vector<double> sıraAğırlıkları(int n, double kayma) {
    std::vector<double> a(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) a[static_cast<size_t>(i)] = 1.0 / (i + 1 + kayma);
    return a;
}

inline void üret(const QString& yol) {
    constexpr int ParçaSayısı = 20000, KodSayısı = 60, TedarikçiSayısı = 500, YerSayısı = 300;
    constexpr int HareketYarısı = 500000;
    Zar z{20261207};
    VeritabanıBağlantısı vt;
    vt.yeniOluştur(yol);
    TemelTablolarıOluştur(vt);
    ArşivYapısınıTamamla(vt);
    İşlem tx(vt);

    static const char16_t* adlar[] = {u"CİVATA", u"SOMUN", u"PUL", u"RULMAN", u"CONTA", u"FİLTRE", u"KAYIŞ",
                                      u"SEGMAN", u"YATAK", u"HORTUM", u"KELEPÇE", u"AMPUL", u"SİGORTA", u"RÖLE",
                                      u"KABLO", u"BOYA", u"VİDA", u"PERÇİN", u"YAY", u"MİL", u"DİŞLİ", u"ZİNCİR",
                                      u"KEÇE", u"BURÇ", u"PİM", u"SUPAP", u"PİSTON", u"ŞALTER", u"ŞAMANDIRA",
                                      u"ÇEKİÇ", u"ÖRTÜ", u"ÜNİTE", u"GÖSTERGE", u"IZGARA", u"İĞNE", u"BALATA"};
    static const char16_t* birimler[] = {u"ADET", u"ADET", u"ADET", u"ADET", u"KG", u"METRE", u"LİTRE", u"TAKIM"};
    static const char16_t* soyadlar[] = {u"AKIN", u"ÇELİK", u"DEMİR", u"ERDOĞAN", u"GÜNEŞ", u"IŞIK", u"KAYA",
                                         u"KOÇ", u"ÖZTÜRK", u"ŞAHİN", u"TUNÇ", u"UYSAL", u"YILDIZ", u"ZENGİN",
                                         u"AYDIN", u"BULUT", u"CAN", u"DOĞAN", u"EKİNCİ", u"GÜLER", u"İNCE",
                                         u"KARA", u"ORHAN", u"POLAT", u"SARI"};
    static const char16_t* işler[] = {u"OTOMOTİV", u"MAKİNA", u"HIRDAVAT", u"ELEKTRİK", u"YAPI", u"KIRTASİYE",
                                      u"RULMAN", u"HİDROLİK", u"BOYA", u"KİMYA", u"TEKSTİL", u"ISITMA",
                                      u"SOĞUTMA", u"BİLGİSAYAR", u"MOBİLYA", u"LASTİK", u"AKÜ", u"CAM",
                                      u"İNŞAAT", u"TARIM"};
    static const char16_t* yerAdları[] = {u"BAKIM ATÖLYESİ", u"GARAJ", u"İŞLETME ŞEFLİĞİ", u"KAZAN DAİRESİ",
                                          u"LABORATUVAR", u"MUTFAK", u"ÖĞRENCİ YURDU", u"POLİKLİNİK",
                                          u"SERVİS", u"ŞANTİYE"};

    // brand codes 101.. of falling size; parts drawn onto them
    for (int k = 1; k <= KodSayısı; ++k)
        vt.çalıştır("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (?, ?)",
                    {100 + k, QString("MARKA %1").arg(100 + k)});
    std::vector<double> kodAğırlığı;
    for (int k = 1; k <= KodSayısı; ++k) kodAğırlığı.push_back(1.0 / std::sqrt(double(k)));
    const Seçici kodSeçici(kodAğırlığı);
    struct Parça {
        int kodu;
        qlonglong fiyat;
        bool kesirli;
    };
    std::vector<Parça> parçalar(ParçaSayısı + 1);
    for (int p = 1; p <= ParçaSayısı; ++p) {
        const int kodu = 101 + kodSeçici.seç(z);
        const QString birim = QString::fromUtf16(birimler[z.aralık(8)]);
        parçalar[static_cast<size_t>(p)] = {kodu, 100LL * (100 + z.aralık(500000)), birim != QLatin1String("ADET") &&
                                                                                      birim != QLatin1String("TAKIM")};
        vt.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi, KdvOrani, Birimi, AmbarYeri) "
                    "VALUES (?, ?, ?, ?, ?, ?)",
                    {kodu, QString("%1-%2").arg(kodu).arg(z.aralık(100000), 5, 10, QLatin1Char('0')),
                     QString("%1 %2X%3").arg(QString::fromUtf16(adlar[z.aralık(36)])).arg(4 + z.aralık(40)).arg(
                         10 + z.aralık(190)),
                     z.aralık(4) == 0 ? "8" : "20", birim, QString("RAF %1-%2").arg(QChar(u'A' + z.aralık(12))).arg(
                                                               1 + z.aralık(40))});
    }
    for (int i = 0; i < 2000; ++i) {
        const int p = 1 + z.aralık(ParçaSayısı);
        vt.çalıştır("INSERT INTO DegisenNoBilgileriTablosu (ParcaNo, Adi, DegisenNo) VALUES (?, 'ESKİ NO', ?)",
                    {p, QString("E-%1").arg(z.aralık(1000000))});
    }
    for (int i = 0; i < 1000; ++i) {
        const int p = 1 + z.aralık(ParçaSayısı), b = 1 + z.aralık(ParçaSayısı);
        vt.çalıştır("INSERT INTO BaglantiNoBilgileriTablosu (ParcaNo, Nosu, BaglantiNo, BaglantiNosu) "
                    "VALUES (?, ?, ?, ?)",
                    {p, QString("N-%1").arg(p), b, QString("N-%1").arg(b)});
    }

    // popularity: a shuffled rank per part; each code draws among its own parts
    std::vector<int> sıra(ParçaSayısı);
    std::iota(sıra.begin(), sıra.end(), 1);
    for (int i = ParçaSayısı - 1; i > 0; --i) std::swap(sıra[static_cast<size_t>(i)], sıra[static_cast<size_t>(z.aralık(i + 1))]);
    const auto parçaAğırlığı = sıraAğırlıkları(ParçaSayısı, 18);
    std::map<int, std::vector<int>> kodParçaları;
    std::map<int, std::vector<double>> kodParçaAğırlıkları;
    std::vector<double> kodİşi(KodSayısı, 0);
    for (int r = 0; r < ParçaSayısı; ++r) {
        const int p = sıra[static_cast<size_t>(r)];
        const int kodu = parçalar[static_cast<size_t>(p)].kodu;
        kodParçaları[kodu].push_back(p);
        kodParçaAğırlıkları[kodu].push_back(parçaAğırlığı[static_cast<size_t>(r)]);
        kodİşi[static_cast<size_t>(kodu - 101)] += parçaAğırlığı[static_cast<size_t>(r)];
    }
    const Seçici işliKod(kodİşi);
    std::map<int, Seçici> kodİçi;
    for (const auto& [kodu, a] : kodParçaAğırlıkları) kodİçi.emplace(kodu, Seçici(a));

    QStringList tedarikçiler, yerler;
    for (int i = 0; i < TedarikçiSayısı; ++i)
        tedarikçiler << QString("%1 %2 SAN. VE TİC. LTD. ŞTİ.")
                            .arg(QString::fromUtf16(soyadlar[i % 25]), QString::fromUtf16(işler[i / 25]));
    for (int i = 0; i < YerSayısı; ++i) yerler << QString("%1 %2").arg(QString::fromUtf16(yerAdları[i % 10])).arg(i / 10 + 1);
    for (int i = TedarikçiSayısı - 1; i > 0; --i) tedarikçiler.swapItemsAt(i, z.aralık(i + 1));
    for (int i = YerSayısı - 1; i > 0; --i) yerler.swapItemsAt(i, z.aralık(i + 1));
    const Seçici tedarikçiSeçici(sıraAğırlıkları(TedarikçiSayısı, 0.8));
    const Seçici yerSeçici(sıraAğırlıkları(YerSayısı, 2));

    // the days from the first of January four years back to today, vouchers in date order
    const QDate bugün = QDate::currentDate();
    const QDate ilk(bugün.year() - 4, 1, 1);
    const int günler = static_cast<int>(ilk.daysTo(bugün)) + 1;
    int giriş = 0, çıkış = 0, girişFişi = 0, çıkışFişi = 0, yıl = ilk.year();
    for (int g = 0; g < günler; ++g) {
        const QDate gün = ilk.addDays(g);
        if (gün.year() != yıl) {
            yıl = gün.year();
            girişFişi = çıkışFişi = 0;
        }
        const bool yazdırıldı = gün.daysTo(bugün) > 20;
        const int hedef = static_cast<int>(static_cast<qint64>(HareketYarısı) * (g + 1) / günler);
        while (giriş < hedef) {
            const int kodu = 101 + işliKod.seç(z);
            const auto& ps = kodParçaları[kodu];
            const int satır = std::min(1 + z.aralık(20), hedef - giriş);
            const QString veren = tedarikçiler[tedarikçiSeçici.seç(z)];
            const QString faturaNo = QString("A-%1").arg(100000 + z.aralık(900000));
            const QDate faturaTarihi = gün.addDays(-z.aralık(10));
            ++girişFişi;
            for (int i = 0; i < satır; ++i, ++giriş) {
                const Parça& p = parçalar[static_cast<size_t>(ps[static_cast<size_t>(kodİçi.at(kodu).seç(z))])];
                const int parçaNo = static_cast<int>(&p - parçalar.data());
                const double miktar = p.kesirli ? 0.5 * (1 + z.aralık(100)) : 1 + z.aralık(50);
                const qlonglong fiyat = p.fiyat + p.fiyat / 100 * z.aralık(40);
                vt.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari, "
                            "FaturaTarihi, FaturaNo, FaturaVeren, Yazdirildi) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                            {parçaNo, kodu, gün, girişFişi, miktar, fiyat, qlonglong(std::llround(miktar * fiyat)),
                             faturaTarihi, faturaNo, veren, yazdırıldı ? 1 : 0});
            }
        }
        while (çıkış < hedef) {
            const int kodu = 101 + işliKod.seç(z);
            const auto& ps = kodParçaları[kodu];
            const int satır = std::min(1 + z.aralık(20), hedef - çıkış);
            const QString yer = yerler[yerSeçici.seç(z)];
            ++çıkışFişi;
            for (int i = 0; i < satır; ++i, ++çıkış) {
                const Parça& p = parçalar[static_cast<size_t>(ps[static_cast<size_t>(kodİçi.at(kodu).seç(z))])];
                const int parçaNo = static_cast<int>(&p - parçalar.data());
                const double miktar = p.kesirli ? 0.5 * (1 + z.aralık(40)) : 1 + z.aralık(20);
                vt.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, VerilecekYer, Miktari, "
                            "Tutari, Yazdirildi) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                            {parçaNo, kodu, gün, çıkışFişi, yer, miktar, qlonglong(std::llround(miktar * p.fiyat)),
                             yazdırıldı ? 1 : 0});
            }
        }
    }
    // the four past years archived as the year-end step leaves them
    for (int y = ilk.year(); y < bugün.year(); ++y) {
        const QVariantList aralık = {QDate(y, 1, 1), QDate(y, 12, 31)};
        for (const char* t : {"GirisIslemleriTablosu", "CikisIslemleriTablosu"})
            vt.çalıştır(QString("UPDATE %1 SET ArsivFisNo=FisNo, FisNo=0 WHERE Tarihi BETWEEN ? AND ? AND FisNo>0").arg(t),
                        aralık);
        vt.çalıştır("INSERT INTO ArsivlenenYillarTablosu (YilBilgisi) VALUES (?)", {QString::number(y)});
    }
    tx.onayla();
}

}  // namespace büyük_depo

// The path of the large store, made first when the cache does not hold this version of it.
inline QString büyükDepo() {
    const QString klasör = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QString("/depora-bench/buyuk-v%1-%2").arg(BüyükDepoSürümü).arg(QDate::currentDate().year());
    const QString yol = klasör + "/Ambar.vtb";
    if (QFile::exists(yol)) return yol;
    QDir().mkpath(klasör);
    const QString geçici = klasör + "/yapiliyor.vtb";
    QFile::remove(geçici);
    büyük_depo::üret(geçici);
    QFile::rename(geçici, yol);
    return yol;
}

// The main of a benchmark that builds windows: offscreen unless told otherwise,
// settings in the temporary folder, the store closed at the end.
inline int PencereliÖlçümler(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DEPORA_AYAR_KLASORU", (klasör().path() + "/ayarlar").toLocal8Bit());
    QApplication uygulama(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    VeriTabanı.kapat();
    return 0;
}
